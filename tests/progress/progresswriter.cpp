// Records answers into the store named on the command line until it is killed; says "ready"
// once the first one is stored.
#include "progress/progressstore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    progress::ProgressStore store(QString::fromLocal8Bit(argv[1]));
    if (!store.isRecording())
        return 1;
    for (qint64 n = 0;; ++n) {
        const qint64 id = n % 40 + 1;
        const progress::QuestionRef question{
            {id, progress::questionHash(QString::number(id), {}, QStringLiteral("1"))},
            int(id % 7 + 1)};
        store.recordAnswer({QDateTime::currentDateTime(), QStringLiteral("random"), question,
                            QStringLiteral("A"), n % 3 != 0, 700});
        if (n == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
