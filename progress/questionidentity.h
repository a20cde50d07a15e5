// How the progress store knows a question: its bank id plus a hash of what it asks, so an
// edited question never inherits the answers given to its earlier wording.
#pragma once

#include <QString>
#include <QStringList>

namespace progress {

struct QuestionIdentity {
    qint64 bankId = 0;
    QString hash; // 16 hex digits

    friend bool operator==(const QuestionIdentity &, const QuestionIdentity &) = default;
};

// The hash of a question's stem, options (A to D, empty ones included) and right answer digits.
QString questionHash(const QString &stem, const QStringList &options, const QString &answer);

} // namespace progress
