// Small helpers the progress tests share: questions, answers and a fresh store folder.
#pragma once

#include "progress/progressstore.h"

#include <QTemporaryDir>

namespace progresstest {

inline progress::QuestionRef question(qint64 id, int chapter = 1, const QString &stem = {}) {
    const QString text = stem.isEmpty() ? QStringLiteral("题目 %1").arg(id) : stem;
    return {{id, progress::questionHash(text, {QStringLiteral("正确"), QStringLiteral("错误")},
                                        QStringLiteral("1"))},
            chapter};
}

inline QDateTime at(qint64 second) {
    return QDateTime::fromMSecsSinceEpoch(1'700'000'000'000 + second * 1000);
}

inline progress::AnswerRecord answer(const progress::QuestionRef &q, bool right, qint64 second,
                                     const QString &mode = QStringLiteral("sequential")) {
    return {at(second), mode, q, right ? QStringLiteral("A") : QStringLiteral("B"), right, 1500};
}

// A folder of its own for each store, removed afterwards.
struct StoreFolder {
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("progress.db")); }
};

} // namespace progresstest
