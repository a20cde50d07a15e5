// The bank's questions as the progress store knows them (id, hash of what each asks, chapter),
// read on a connection of their own so that it can run beside the window's.
#pragma once

#include "progress/records.h"

#include <QHash>

namespace trainer {

// Throws bank::Error when the bank cannot be read.
QList<progress::QuestionRef> readBankQuestions(const QString &connectionString);

// A past paper's questions as its page lists them: the stem and the right letters, by id.
struct PaperLine {
    QString stem;
    QString right;
};
QHash<qint64, PaperLine> readPaperLines(const QString &connectionString, const QList<qint64> &ids);

} // namespace trainer
