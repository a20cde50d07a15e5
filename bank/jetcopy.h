#pragma once

#include "bankwriter.h"

#include <QString>

namespace bank {

// The two tables of a Jet 4.0 bank as stored, in the column order of schema.h; the columns are
// found without regard to case, others are left out. Throws Error naming the file when it is no
// readable Jet 4.0 file or a table or column is missing.
BankRows readJetBank(const QString &jetPath);

// Writes the rows of the Jet bank at `jetPath` as an SQLCipher bank at `outPath` keyed with
// `password` (see writeBankRows). The Jet file is only read.
void copyJetBank(const QString &jetPath, const QString &outPath, const QString &password);

} // namespace bank
