// The store's records and what is derived from them: the wrong-answer book, favourites, exams,
// statistics and the summary, and how an edited question stays apart from its old answers.
#include "progress/streak.h"
#include "storefixture.h"

#include <QFile>
#include <QTest>

using namespace progress;
using namespace progresstest;
using namespace Qt::Literals::StringLiterals;

class TestProgressStore : public QObject {
    Q_OBJECT
private slots:
    void bookRule_data();
    void bookRule();
    void bookFollowsAnswers_data();
    void bookFollowsAnswers();
    void bookSurvivesReopening();
    void fileOpenedAtFirstUse();
    void rightsToLeaveIsASetting();
    void examRecordsItsPaper();
    void editedQuestionIsAnotherQuestion();
    void favouritesToggle();
    void statisticsAndSummaryCountTheBank();
    void resetForgetsRecordsButNotSettings();
};

void TestProgressStore::bookRule_data() {
    QTest::addColumn<QString>("answers"); // R right, W wrong, in order
    QTest::addColumn<bool>("inBook");
    QTest::addColumn<int>("streak");
    QTest::newRow("never answered") << "" << false << 0;
    QTest::newRow("right only") << "RRR" << false << 0;
    QTest::newRow("one wrong") << "W" << true << 0;
    QTest::newRow("wrong then two right") << "WRR" << true << 2;
    QTest::newRow("wrong then three right leaves") << "WRRR" << false << 0;
    QTest::newRow("streak broken starts again") << "WRRWRR" << true << 2;
    QTest::newRow("broken then resumed leaves") << "WRRWRRR" << false << 0;
    QTest::newRow("back in after leaving") << "WRRRW" << true << 0;
    QTest::newRow("rights before the wrong do not count") << "RRRWR" << true << 1;
}

void TestProgressStore::bookRule() {
    QFETCH(QString, answers);
    QFETCH(bool, inBook);
    QFETCH(int, streak);
    BookState state;
    for (const QChar mark : answers)
        state = afterAnswer(state, mark == u'R', 3);
    QCOMPARE(state.inBook, inBook);
    QCOMPARE(state.streak, streak);
}

void TestProgressStore::bookFollowsAnswers_data() {
    QTest::addColumn<QString>("answers");
    QTest::addColumn<bool>("inBook");
    QTest::newRow("wrong in practice") << "W" << true;
    QTest::newRow("three rights take it out") << "WRRR" << false;
    QTest::newRow("broken streak keeps it") << "WRRWRR" << true;
    QTest::newRow("resumed streak takes it out") << "WRRWRRR" << false;
}

// The store applies the same rule answer by answer as it does when it rebuilds.
void TestProgressStore::bookFollowsAnswers() {
    QFETCH(QString, answers);
    QFETCH(bool, inBook);
    StoreFolder folder;
    ProgressStore store(folder.path());
    QVERIFY2(store.isRecording(), qPrintable(store.problem()));
    const QuestionRef q = question(7);
    store.setBankQuestions({q, question(8)});
    for (int i = 0; i < answers.size(); ++i)
        store.recordAnswer(answer(q, answers[i] == u'R', i));
    QCOMPARE(store.bookIds(), inBook ? QList<qint64>{7} : QList<qint64>{});
    store.setRightsToLeave(3); // rebuilds the book from the answers
    QCOMPARE(store.bookIds(), inBook ? QList<qint64>{7} : QList<qint64>{});
}

void TestProgressStore::bookSurvivesReopening() {
    StoreFolder folder;
    QList<QuestionRef> bank;
    for (int id = 1; id <= 10; ++id)
        bank << question(id);
    {
        ProgressStore store(folder.path());
        store.setBankQuestions(bank);
        for (int i = 0; i < 10; ++i)
            store.recordAnswer(answer(bank[i], false, i));
    }
    ProgressStore store(folder.path());
    store.setBankQuestions(bank);
    QCOMPARE(store.bookIds().size(), 10);
    for (int round = 0; round < 3; ++round)
        for (int i = 0; i < 10; ++i)
            store.recordAnswer(answer(bank[i], true, 100 + round * 10 + i));
    QCOMPARE(store.bookIds(), QList<qint64>{});
    QCOMPARE(store.summary().bookSize, 0);
}

// A window makes its store before it shows; the file is read (and made) only when needed.
void TestProgressStore::fileOpenedAtFirstUse() {
    StoreFolder folder;
    ProgressStore store(folder.path());
    QVERIFY(!QFile::exists(folder.path()));
    QVERIFY(store.isRecording());
    QVERIFY(QFile::exists(folder.path()));
    ProgressStore second(folder.path()); // one writer at a time: the second one is refused
    QVERIFY(!second.problem().isEmpty());
}

void TestProgressStore::rightsToLeaveIsASetting() {
    StoreFolder folder;
    const QuestionRef q = question(3);
    {
        ProgressStore store(folder.path());
        store.setBankQuestions({q});
        store.recordAnswer(answer(q, false, 0));
        store.recordAnswer(answer(q, true, 1));
        store.recordAnswer(answer(q, true, 2));
        QCOMPARE(store.bookIds(), QList<qint64>{3});
        store.setRightsToLeave(2);
        QCOMPARE(store.bookIds(), QList<qint64>{});
    }
    ProgressStore store(folder.path());
    QCOMPARE(store.rightsToLeave(), 2);
}

void TestProgressStore::examRecordsItsPaper() {
    StoreFolder folder;
    ProgressStore store(folder.path());
    const QuestionRef a = question(1), b = question(2, 3), c = question(3, 5);
    store.setBankQuestions({a, b, c});
    ExamRecord first{0, at(0), at(600), 92, true, {{a, u"A"_s, true}, {b, u"C"_s, false}}};
    ExamRecord second{0, at(1000), at(2800), 60, false, {{c, u""_s, false}}};
    const qint64 firstId = store.recordExam(first);
    const qint64 secondId = store.recordExam(second);
    QVERIFY(firstId > 0 && secondId > firstId);
    QCOMPARE(store.recordExam(first), 0); // the same exam is not recorded twice

    const QList<ExamRecord> exams = store.exams();
    QCOMPARE(exams.size(), 2);
    QCOMPARE(exams[0].id, secondId); // newest first
    QCOMPARE(exams[0].score, 60);
    QVERIFY(!exams[0].passed);
    QVERIFY(exams[0].items.isEmpty());

    const ExamRecord paper = store.exam(firstId);
    QCOMPARE(paper.started, at(0));
    QCOMPARE(paper.ended, at(600));
    QCOMPARE(paper.items.size(), 2);
    QCOMPARE(paper.items[1].question.identity, b.identity);
    QCOMPARE(paper.items[1].question.chapter, 3);
    QCOMPARE(paper.items[1].given, u"C"_s);
    QVERIFY(!paper.items[1].right);
    QCOMPARE(store.exam(secondId + 1).id, 0);

    // Judged wrong at a hand-in: into the book; the summary shows the newest score.
    QCOMPARE(store.bookIds(), (QList<qint64>{2, 3}));
    QCOMPARE(store.summary().lastExamScore, std::optional<int>(60));
}

void TestProgressStore::editedQuestionIsAnotherQuestion() {
    StoreFolder folder;
    ProgressStore store(folder.path());
    const QuestionRef before = question(5, 1, u"原来的题干"_s);
    const QuestionRef after = question(5, 1, u"改过的题干"_s);
    QVERIFY(before.identity.hash != after.identity.hash);
    QCOMPARE(question(5, 1, u"原来的题干"_s).identity, before.identity);

    store.setBankQuestions({before});
    store.recordAnswer(answer(before, false, 0));
    store.toggleFavourite(before);
    QCOMPARE(store.bookIds(), QList<qint64>{5});

    store.setBankQuestions({after}); // the bank was edited
    QCOMPARE(store.bookIds(), QList<qint64>{});
    QCOMPARE(store.favouriteIds(), QList<qint64>{});
    QVERIFY(!store.isFavourite(after.identity));
    QCOMPARE(store.summary().answered, 0);

    store.setBankQuestions({before}); // the old records stay, for the old wording
    QCOMPARE(store.bookIds(), QList<qint64>{5});
    QVERIFY(store.isFavourite(before.identity));
}

void TestProgressStore::favouritesToggle() {
    StoreFolder folder;
    ProgressStore store(folder.path());
    const QuestionRef a = question(4), b = question(9);
    store.setBankQuestions({a, b});
    QVERIFY(store.toggleFavourite(b));
    QVERIFY(store.toggleFavourite(a));
    QCOMPARE(store.favouriteIds(), (QList<qint64>{4, 9}));
    QVERIFY(!store.toggleFavourite(b));
    QCOMPARE(store.favouriteIds(), QList<qint64>{4});
    QVERIFY(store.isFavourite(a.identity));
    QVERIFY(!store.isFavourite(b.identity));
}

void TestProgressStore::statisticsAndSummaryCountTheBank() {
    StoreFolder folder;
    ProgressStore store(folder.path());
    const QList<QuestionRef> bank = {question(1, 1), question(2, 1), question(3, 1), question(4, 2),
                                     question(5, 2)};
    store.setBankQuestions(bank);
    store.recordAnswer(answer(bank[0], true, 0));
    store.recordAnswer(answer(bank[0], false, 1));
    store.recordAnswer(answer(bank[1], true, 2));
    store.recordAnswer(answer(bank[3], false, 3));
    store.recordAnswer(answer(question(99, 2), true, 4)); // not in this bank

    const QList<ChapterStats> stats = store.chapterStats();
    QCOMPARE(stats.size(), 2);
    QCOMPARE(stats[0].chapter, 1);
    QCOMPARE(stats[0].total, 3);
    QCOMPARE(stats[0].answered, 2);
    QCOMPARE(stats[0].answers, 3);
    QCOMPARE(stats[0].rights, 2);
    QCOMPARE(stats[1].chapter, 2);
    QCOMPARE(stats[1].total, 2);
    QCOMPARE(stats[1].answered, 1);
    QCOMPARE(stats[1].rights, 0);

    const Summary summary = store.summary();
    QCOMPARE(summary.total, 5);
    QCOMPARE(summary.answered, 3);
    QCOMPARE(summary.bookSize, 2);
    QVERIFY(!summary.lastExamScore);
}

void TestProgressStore::resetForgetsRecordsButNotSettings() {
    StoreFolder folder;
    ProgressStore store(folder.path());
    const QuestionRef q = question(1);
    store.setBankQuestions({q});
    store.setRightsToLeave(5);
    store.recordAnswer(answer(q, false, 0));
    store.toggleFavourite(q);
    store.recordExam({0, at(10), at(20), 90, true, {{q, u"A"_s, true}}});
    store.reset();
    QCOMPARE(store.summary().answered, 0);
    QCOMPARE(store.bookIds(), QList<qint64>{});
    QCOMPARE(store.favouriteIds(), QList<qint64>{});
    QVERIFY(store.exams().isEmpty());
    QVERIFY(store.allData().answers.isEmpty());
    QCOMPARE(store.rightsToLeave(), 5);
}

QTEST_GUILESS_MAIN(TestProgressStore)
#include "tst_progressstore.moc"
