#pragma once

#include "bankmodel.h"

namespace banktool {

// Writes the bank as an SQLCipher file keyed with the editions' password in passphrase form, in
// the bank format (which every SQLCipher from 3.0 on reads), `state` empty. The rows go to a
// temporary file beside `path`, renamed over `path` only when all is written: a failure leaves
// `path` as it was and no temporary file behind. Throws bank::Error.
void writeBankFile(const Bank &bank, const QString &path);

// The rows of a bank file, in id order, and the rows whose whole-number columns hold
// something else ("shiti2012 row 3": "id \"x\" is not a whole number"); those rows are left out.
struct ReadBank {
    Bank bank;
    QList<Problem> problems;
};

// Throws bank::Error when the file cannot be opened or read as a bank (missing, wrong
// password or format, a table or column missing).
ReadBank readBankFile(const QString &path);

} // namespace banktool
