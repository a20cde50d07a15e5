// Prints the median time of drawing and opening one examination paper (the eight id queries,
// the shuffles and the opening of the paper) on banks of 1,500 and 150,000 questions, warm (ms),
// and along the whole path of the examination button (click_ms: reopen the bank, empty the
// answers, draw and open the paper, read the first question's fields).
#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/recordset.h"
#include "fixturebank.h"
#include "trainer/exampaper.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

// Questions spread over chapters 1 to 8, one in ten of type 2, one in eight of type 3.
QList<fixture::Question> bankQuestions(int count) {
    QList<fixture::Question> questions;
    questions.reserve(count);
    for (int id = 1; id <= count; ++id) {
        fixture::Question q = fixture::choice(id, id % 8 + 1);
        q.type = id % 10 == 0 ? u"2"_s : (id % 8 == 0 ? u"3"_s : u"1"_s);
        questions.append(q);
    }
    return questions;
}

double medianMs(QList<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void benchCompose(const QString &folder, int questions, int runs) {
    const QString file = u"\\bench%1.dll"_s.arg(questions);
    fixture::writeBank(folder + u"/bench%1.dll"_s.arg(questions), {}, bankQuestions(questions));
    bank::Connection connection;
    connection.setConnectionString(bank::BankConnectionString(folder, file));
    connection.open();
    trainer::ShuffleRandom random;

    QList<double> samples;
    for (int run = 0; run < runs + 1; ++run) { // the first run warms the caches
        bank::RecordSet paper;
        QElapsedTimer timer;
        timer.start();
        trainer::DrawExamPaper(connection, paper, random);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (paper.recordCount() != trainer::kExamQuestionCount) {
            std::fprintf(stderr, "exam-compose N=%d: paper of %d questions\n", questions,
                         paper.recordCount());
            return;
        }
        if (run > 0)
            samples.append(ms);
    }
    QList<double> clicks;
    for (int run = 0; run < runs; ++run) {
        bank::Connection clickConnection;
        bank::RecordSet paper;
        QElapsedTimer timer;
        timer.start();
        trainer::ComposeExamPaper(clickConnection, paper, bank::BankConnectionString(folder, file),
                                  random);
        for (const QString &field : {u"question"_s, u"ans1"_s, u"ans2"_s, u"ans3"_s, u"ans4"_s,
                                     u"bmp"_s, u"flash"_s, u"state"_s})
            paper.field(field);
        clicks.append(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("exam-compose N=%d ms=%.2f click_ms=%.2f\n", questions, medianMs(samples),
                medianMs(clicks));
    std::fflush(stdout);
}

} // namespace

int main() {
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    benchCompose(dir.path(), 1500, 51);
    benchCompose(dir.path(), 150000, 11);
    return 0;
}
