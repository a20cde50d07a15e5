// Export and import: a round trip gives back everything, a merge never duplicates, and a bad
// file is refused with its reason and changes nothing.
#include "progress/exchange.h"
#include "storefixture.h"

#include <QTest>

using namespace progress;
using namespace progresstest;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kEdition = u"safedrive-light"_s;

// Three questions: one wrong twice then right, an exam with one of them, one favourite.
void fill(ProgressStore &store, qint64 offset) {
    const QuestionRef a = question(1), b = question(2, 4), c = question(3, 7);
    store.setBankQuestions({a, b, c});
    store.recordAnswer(answer(a, false, offset + 0));
    store.recordAnswer(answer(a, false, offset + 1));
    store.recordAnswer(answer(a, true, offset + 2));
    store.recordAnswer(answer(b, true, offset + 3, u"random"_s));
    store.recordExam(
        {0, at(offset + 10), at(offset + 20), 96, true, {{b, u"AC"_s, true}, {c, u"D"_s, false}}});
    store.toggleFavourite(c);
}

} // namespace

class TestProgressExchange : public QObject {
    Q_OBJECT
private slots:
    void roundTripGivesBackEverything();
    void mergeNeverDuplicates();
    void mergeRebuildsTheBookInTimeOrder();
    void badFilesAreRefused_data();
    void badFilesAreRefused();
};

void TestProgressExchange::roundTripGivesBackEverything() {
    StoreFolder from, to;
    ProgressStore source(from.path());
    fill(source, 0);
    const QByteArray file = exportProgress(source.allData(), kEdition);

    QString error;
    const auto data = importProgress(file, kEdition, &error);
    QVERIFY2(data, qPrintable(error));
    ProgressStore target(to.path());
    target.setBankQuestions({question(1), question(2, 4), question(3, 7)});
    const MergeCount added = target.merge(*data);
    QCOMPARE(added.answers, 6); // four in practice, two judged at the hand-in
    QCOMPARE(added.exams, 1);
    QCOMPARE(added.favourites, 1);

    QCOMPARE(exportProgress(target.allData(), kEdition), file);
    QCOMPARE(target.bookIds(), source.bookIds());
    QCOMPARE(target.favouriteIds(), QList<qint64>{3});
    const QList<ChapterStats> expected = source.chapterStats(), actual = target.chapterStats();
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i) {
        QCOMPARE(actual[i].answered, expected[i].answered);
        QCOMPARE(actual[i].rights, expected[i].rights);
    }
    QCOMPARE(target.exam(target.exams().first().id).items.size(), 2);
}

void TestProgressExchange::mergeNeverDuplicates() {
    StoreFolder folder;
    ProgressStore store(folder.path());
    fill(store, 0);
    QString error;
    const auto data = importProgress(exportProgress(store.allData(), kEdition), kEdition, &error);
    QVERIFY(data);
    const MergeCount again = store.merge(*data);
    QCOMPARE(again.answers, 0);
    QCOMPARE(again.exams, 0);
    QCOMPARE(again.favourites, 0);
    QCOMPARE(store.allData().answers.size(), 6);
    QCOMPARE(store.exams().size(), 1);
}

// Answers from another machine interleave with ours: the book is what the whole history says.
void TestProgressExchange::mergeRebuildsTheBookInTimeOrder() {
    StoreFolder here, there;
    const QuestionRef q = question(5);
    ProgressStore local(here.path());
    local.setBankQuestions({q});
    local.recordAnswer(answer(q, false, 0));
    local.recordAnswer(answer(q, true, 2));
    local.recordAnswer(answer(q, true, 4));
    ProgressStore other(there.path());
    other.recordAnswer(answer(q, true, 5)); // the third right in a row
    QCOMPARE(local.bookIds(), QList<qint64>{5});
    QString error;
    local.merge(*importProgress(exportProgress(other.allData(), kEdition), kEdition, &error));
    QCOMPARE(local.bookIds(), QList<qint64>{});

    // A wrong answer from a third machine, between the rights, breaks the run again.
    StoreFolder third;
    ProgressStore breaker(third.path());
    breaker.recordAnswer(answer(q, false, 3));
    local.merge(*importProgress(exportProgress(breaker.allData(), kEdition), kEdition, &error));
    QCOMPARE(local.bookIds(), QList<qint64>{5});
}

void TestProgressExchange::badFilesAreRefused_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");
    StoreFolder folder;
    ProgressStore store(folder.path());
    fill(store, 0);
    const QByteArray good = exportProgress(store.allData(), kEdition);
    QTest::newRow("not JSON") << QByteArray("{\"format\": ") << u"JSON"_s;
    QTest::newRow("not ours") << QByteArray(R"({"answers": []})") << u"不是 SafeDrive"_s;
    QTest::newRow("other edition")
        << exportProgress(store.allData(), u"safedrive-heavy"_s) << u"safedrive-heavy 的学习记录"_s;
    QByteArray newer = good;
    newer.replace("\"version\": 1", "\"version\": 9");
    QTest::newRow("newer format") << newer << u"版本"_s;
    QByteArray badLetters = good;
    badLetters.replace("\"given\": \"AC\"", "\"given\": \"AX\"");
    QTest::newRow("answer letters") << badLetters << u"AX"_s;
    QByteArray badHash = good;
    badHash.replace("\"hash\": \"", "\"hash\": \"z");
    QTest::newRow("question hash") << badHash << u"题目标识"_s;
    QByteArray missing = good;
    missing.replace("\"score\"", "\"scor\"");
    QTest::newRow("missing field") << missing << u"score"_s;
}

void TestProgressExchange::badFilesAreRefused() {
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    QString error;
    QVERIFY(!importProgress(file, kEdition, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestProgressExchange)
#include "tst_progressexchange.moc"
