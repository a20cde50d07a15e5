// The learner's store at the size of a long study: 100,000 recorded answers and 500 exams over a
// 1,500-question bank. Prints the time to record one more answer (95th percentile), to read what
// the statistics page shows, and to read the start page's summary.
#include "progress/progressstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kQuestions = 1500;
constexpr int kAnswers = 100'000;
constexpr int kExams = 500;

progress::QuestionRef question(int id) {
    return {{id, progress::questionHash(QString::number(id), {}, QStringLiteral("1"))}, id % 7 + 1};
}

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[size_t(share * double(values.size() - 1))];
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("progress.db"));
    QList<progress::QuestionRef> bank;
    for (int id = 1; id <= kQuestions; ++id)
        bank << question(id);

    QRandomGenerator random(7);
    const QDateTime start = QDateTime::currentDateTime().addDays(-200);
    {
        // Filled through a merge: one transaction, as an import of a long history would be.
        progress::ProgressData history;
        for (int i = 0; i < kAnswers; ++i)
            history.answers.append({start.addSecs(i * 60), QStringLiteral("sequential"),
                                    question(int(random.bounded(kQuestions)) + 1),
                                    QStringLiteral("A"), random.bounded(4) != 0, 4000});
        for (int e = 0; e < kExams; ++e) {
            progress::ExamRecord exam{0,
                                      start.addSecs(e * 7200),
                                      start.addSecs(e * 7200 + 1500),
                                      int(random.bounded(60, 101)),
                                      false,
                                      {}};
            exam.passed = exam.score >= 90;
            for (int item = 0; item < 50; ++item)
                exam.items.append({question(int(random.bounded(kQuestions)) + 1),
                                   QStringLiteral("B"), random.bounded(3) != 0});
            history.exams.append(exam);
        }
        progress::ProgressStore store(path);
        store.merge(history);
    }

    progress::ProgressStore store(path);
    store.setBankQuestions(bank);
    std::vector<double> record;
    QElapsedTimer timer;
    for (int i = 0; i < 400; ++i) {
        timer.start();
        store.recordAnswer({QDateTime::currentDateTime().addMSecs(i), QStringLiteral("random"),
                            question(i % kQuestions + 1), QStringLiteral("C"), i % 2 == 0, 3000});
        record.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::vector<double> stats, summary;
    for (int i = 0; i < 21; ++i) {
        timer.start();
        const auto chapters = store.chapterStats();
        const auto exams = store.exams();
        stats.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.start();
        const auto line = store.summary();
        summary.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (chapters.isEmpty() || exams.size() != kExams || line.total != kQuestions)
            return 1;
    }
    std::printf("progress record p95_ms=%.2f\n", percentile(record, 0.95));
    std::printf("progress stats-open ms=%.2f\n", percentile(stats, 0.5));
    std::printf("progress summary ms=%.2f\n", percentile(summary, 0.5));
    return 0;
}
