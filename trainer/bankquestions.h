// The bank's questions as the progress store knows them (id, hash of what each asks, chapter),
// read on a connection of their own so that it can run beside the window's.
#pragma once

#include "progress/records.h"

#include <QHash>

namespace trainer {

// Throws bank::Error when the bank cannot be read.
QList<progress::QuestionRef> readBankQuestions(const QString &connectionString);

// The same list keyed by bank id.
QHash<qint64, progress::QuestionRef> byBankId(const QList<progress::QuestionRef> &questions);

} // namespace trainer
