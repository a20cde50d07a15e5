#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace bank {

// The rows of a bank, each a list of values in the column order of schema.h (kChapterColumns;
// kQuestionColumns, then kExplanationColumns when the rows carry explanations: only then does the
// bank get those columns); a missing or invalid QVariant stores Null.
struct BankRows {
    QList<QVariantList> chapters;
    QList<QVariantList> questions;
};

// Writes the rows as an SQLCipher bank keyed with `password` in passphrase form (default
// settings, so any standard SQLCipher client opens it). The rows go to a temporary file beside
// `path`, renamed over `path` only when all is written: a failure leaves `path` as it was and no
// temporary file behind. Throws Error (SQLITE_CANTOPEN when the folder takes no new file).
void writeBankRows(const BankRows &rows, const QString &path, const QString &password);

} // namespace bank
