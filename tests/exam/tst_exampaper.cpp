// Paper composition on fixture banks: quotas, order, whole-id matching, short chapters, reset of
// the recorded answers, uniform picks and clock-seeded papers.
#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/recordset.h"
#include "fixturebank.h"
#include "trainer/exampaper.h"

#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using trainer::ShuffleRandom;

namespace {

// How many questions of one kind a chapter holds.
struct Pool {
    qint64 chapter;
    int singles; // types 1 and 3, drawn by the chapter quotas
    int multis;  // type 2
};

// The pools of a complete bank: every quota can be met, and chapter 8 holds plenty of both kinds.
QList<Pool> completePools() {
    return {{1, 12, 2}, {2, 20, 1}, {3, 15, 3}, {4, 8, 0},
            {5, 9, 1},  {6, 6, 2},  {7, 7, 1},  {8, 30, 9}};
}

// Ids 1, 2, 3, ... in creation order.
QList<qint64> plainIds(int count) {
    QList<qint64> ids;
    for (int i = 1; i <= count; ++i)
        ids.append(i);
    return ids;
}

// Families of ids that begin one another: 1, 12, 123, 2, 23, 234, 3, ...
QList<qint64> prefixIds(int count) {
    QList<qint64> ids;
    QSet<qint64> used;
    for (qint64 base = 1; ids.size() < count; ++base) {
        const qint64 digit = base % 10 + 1;
        for (qint64 id : {base, base * 10 + digit % 10, (base * 10 + digit % 10) * 10 + 3}) {
            if (ids.size() < count && !used.contains(id)) {
                used.insert(id);
                ids.append(id);
            }
        }
    }
    return ids;
}

// The questions of the pools with the given ids, each with an answer already recorded.
QList<fixture::Question> poolQuestions(const QList<Pool> &pools, const QList<qint64> &ids) {
    QList<fixture::Question> questions;
    qsizetype next = 0;
    for (const Pool &pool : pools) {
        for (int i = 0; i < pool.singles + pool.multis; ++i) {
            fixture::Question q = fixture::choice(ids[next++], pool.chapter);
            q.type = i < pool.singles ? (i % 4 == 3 ? u"3"_s : u"1"_s) : u"2"_s;
            q.state = u"B"_s;
            questions.append(q);
        }
    }
    return questions;
}

int questionCount(const QList<Pool> &pools) {
    int count = 0;
    for (const Pool &pool : pools)
        count += pool.singles + pool.multis;
    return count;
}

// One question of an opened paper, as the learner meets it.
struct PaperQuestion {
    qint64 id;
    QString type;
    QString state;
};

QList<PaperQuestion> readPaper(bank::RecordSet &set) {
    QList<PaperQuestion> paper;
    if (!set.isOpen() || set.recordCount() == 0)
        return paper;
    for (set.moveFirst(); !set.eof(); set.moveNext()) {
        paper.append({set.field(u"question"_s).toString().mid(1).toLongLong(),
                      set.field(u"txbz"_s).toString(), set.field(u"state"_s).toString()});
    }
    return paper;
}

ShuffleRandom seededRandom(quint64 first) {
    return ShuffleRandom([next = first]() mutable { return next++; });
}

} // namespace

class ExamPaperTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_banks = 0;

    // A new bank file in the test folder; returns its connection text.
    QString writeBank(const QList<fixture::Question> &questions) {
        const QString file = u"\\paper%1.dll"_s.arg(++m_banks);
        fixture::writeBank(m_dir.path() + u"/paper%1.dll"_s.arg(m_banks), {}, questions);
        return bank::BankConnectionString(m_dir.path(), file);
    }

    // Whether every question of the bank has an empty `state`.
    static bool allStatesEmpty(bank::Connection &connection) {
        bank::RecordSet set;
        set.open(u"select id from shiti2012 where state<>''"_s, connection);
        return set.recordCount() == 0;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void aCompleteBankGivesTheQuotas_data() {
        QTest::addColumn<bool>("prefixes");
        QTest::addColumn<quint64>("seed");
        QTest::newRow("ids 1, 2, 3, ...") << false << quint64(1);
        QTest::newRow("ids 1, 12, 123, ...") << true << quint64(2);
        QTest::newRow("ids 1, 12, 123, ..., another seed") << true << quint64(900);
    }
    void aCompleteBankGivesTheQuotas() {
        QFETCH(bool, prefixes);
        QFETCH(quint64, seed);
        const QList<Pool> pools = completePools();
        const int total = questionCount(pools);
        const QList<fixture::Question> questions =
            poolQuestions(pools, prefixes ? prefixIds(total) : plainIds(total));
        QHash<qint64, qint64> chapterOf;
        for (const fixture::Question &q : questions)
            chapterOf.insert(q.id, q.chapter);

        bank::Connection connection;
        bank::RecordSet paperSet;
        ShuffleRandom random = seededRandom(seed);
        trainer::ComposeExamPaper(connection, paperSet, writeBank(questions), random);
        const QList<PaperQuestion> paper = readPaper(paperSet);

        QCOMPARE(paper.size(), trainer::kExamQuestionCount);
        QCOMPARE(paperSet.recordCount(), trainer::kExamQuestionCount);
        QHash<qint64, int> perChapter;
        QSet<qint64> seen;
        for (qsizetype i = 0; i < paper.size(); ++i) {
            const PaperQuestion &q = paper[i];
            QVERIFY2(!seen.contains(q.id), qPrintable(u"id %1 twice"_s.arg(q.id)));
            seen.insert(q.id);
            QVERIFY(chapterOf.value(q.id) >= 1 && chapterOf.value(q.id) <= 7);
            QCOMPARE(q.type == u"2"_s, i >= 45);
            QCOMPARE(q.state, QString());
            if (i < 45)
                ++perChapter[chapterOf.value(q.id)];
        }
        for (const trainer::ChapterQuota &quota : trainer::kExamChapterQuotas)
            QCOMPARE(perChapter.value(quota.chapter), int(quota.count));
        QVERIFY(allStatesEmpty(connection));
    }

    // The paper is the reversed id list, whatever the ids' digits: an id that begins another
    // never takes the longer one's place.
    void thePaperIsTheReversedIdList_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QList<qint64>>("order");
        QTest::newRow("prefixes after their longer ids")
            << u"123,12,1"_s << QList<qint64>{1, 12, 123};
        QTest::newRow("prefixes before their longer ids")
            << u"1,12,123"_s << QList<qint64>{123, 12, 1};
        QTest::newRow("mixed") << u"2,123,21,1,12"_s << QList<qint64>{12, 1, 21, 123, 2};
        QTest::newRow("suffixes") << u"23,3,123"_s << QList<qint64>{123, 3, 23};
        QTest::newRow("one id") << u"12"_s << QList<qint64>{12};
    }
    void thePaperIsTheReversedIdList() {
        QFETCH(QString, list);
        QFETCH(QList<qint64>, order);
        QList<fixture::Question> questions;
        for (qint64 id : {1, 2, 3, 12, 21, 23, 123})
            questions.append(fixture::choice(id, 1));
        bank::Connection connection;
        connection.setConnectionString(writeBank(questions));
        connection.open();
        bank::RecordSet set;
        set.open(trainer::examPaperSql(list), connection);
        QList<qint64> ids;
        for (const PaperQuestion &q : readPaper(set))
            ids.append(q.id);
        QCOMPARE(ids, order);
    }

    void aPoolShortOfItsQuotaDropsOut_data() {
        QTest::addColumn<qint64>("chapter");
        QTest::addColumn<int>("singles");
        QTest::addColumn<int>("multis");
        QTest::addColumn<int>("expectedLength");
        QTest::addColumn<int>("expectedMultis");
        QTest::addColumn<bool>("chapterDropped");
        QTest::newRow("chapter 3 one short") << qint64(3) << 9 << 3 << 40 << 5 << true;
        QTest::newRow("chapter 1 empty") << qint64(1) << 0 << 5 << 45 << 5 << true;
        QTest::newRow("chapter 7 exactly its quota") << qint64(7) << 5 << 0 << 50 << 5 << false;
        QTest::newRow("four multi-answer questions") << qint64(0) << 0 << 4 << 45 << 0 << false;
    }
    void aPoolShortOfItsQuotaDropsOut() {
        QFETCH(qint64, chapter);
        QFETCH(int, singles);
        QFETCH(int, multis);
        QFETCH(int, expectedLength);
        QFETCH(int, expectedMultis);
        QFETCH(bool, chapterDropped);
        // Chapter 0 stands for the multi-answer pool: all of it moves to chapter 1.
        QList<Pool> pools = {{1, 5, 0}, {2, 10, 0}, {3, 10, 0}, {4, 5, 0},
                             {5, 5, 0}, {6, 5, 0},  {7, 5, 0}};
        if (chapter == 0)
            pools[0].multis = multis;
        else {
            pools[chapter - 1] = {chapter, singles, multis};
            if (multis < 5)
                pools[0].multis = 5 - multis;
        }
        const QList<fixture::Question> questions =
            poolQuestions(pools, plainIds(questionCount(pools)));
        QHash<qint64, qint64> chapterOf;
        for (const fixture::Question &q : questions)
            chapterOf.insert(q.id, q.chapter);

        bank::Connection connection;
        bank::RecordSet paperSet;
        ShuffleRandom random = seededRandom(5);
        trainer::ComposeExamPaper(connection, paperSet, writeBank(questions), random);
        const QList<PaperQuestion> paper = readPaper(paperSet);

        QCOMPARE(paper.size(), expectedLength);
        int multiCount = 0;
        for (qsizetype i = 0; i < paper.size(); ++i) {
            const bool multi = paper[i].type == u"2"_s;
            multiCount += multi;
            QCOMPARE(multi, i >= expectedLength - expectedMultis); // the multis close the paper
            if (chapterDropped && !multi)
                QVERIFY(chapterOf.value(paper[i].id) != chapter);
        }
        QCOMPARE(multiCount, expectedMultis);
        QVERIFY(allStatesEmpty(connection));
    }

    void aBankWithoutQuestionsOpensNoPaper() {
        bank::Connection connection;
        bank::RecordSet paperSet;
        ShuffleRandom random = seededRandom(1);
        trainer::ComposeExamPaper(connection, paperSet, writeBank({}), random);
        QVERIFY(!paperSet.isOpen());
    }

    void aMissingBankOpensNoPaper() {
        bank::Connection connection;
        bank::RecordSet paperSet;
        ShuffleRandom random = seededRandom(1);
        const std::exception_ptr failure = trainer::ComposeExamPaper(
            connection, paperSet, bank::BankConnectionString(m_dir.path(), u"\\none.dll"_s),
            random);
        QVERIFY(failure);
        QVERIFY(!connection.isOpen());
        QVERIFY(!paperSet.isOpen());
    }

    // Over many picks every question of a chapter pool comes up about equally often.
    void everyPoolQuestionIsDrawnAlike() {
        const int pool = 20, quota = 5, picks = 2000;
        bank::Connection connection;
        connection.setConnectionString(writeBank(poolQuestions({{1, pool, 0}}, plainIds(pool))));
        connection.open();
        ShuffleRandom random = seededRandom(77);
        QHash<QString, int> drawn;
        for (int i = 0; i < picks; ++i) {
            const QString ids = trainer::PickChapterIds(connection, 1, quota, random);
            QVERIFY(ids.endsWith(u','));
            const QStringList picked = ids.chopped(1).split(u',');
            QCOMPARE(QSet<QString>(picked.begin(), picked.end()).size(), quota);
            for (const QString &id : picked)
                ++drawn[id];
        }
        QCOMPARE(drawn.size(), pool);
        const double expected = double(picks) * quota / pool;
        double statistic = 0;
        for (int count : std::as_const(drawn))
            statistic += (count - expected) * (count - expected) / expected;
        QVERIFY2(statistic < 43.82, qPrintable(QString::number(statistic))); // df 19, p = 0.001
    }

    void twoClockSeededPapersDiffer() {
        const QList<Pool> pools = completePools();
        const QString bankText = writeBank(poolQuestions(pools, plainIds(questionCount(pools))));
        bank::Connection connection;
        bank::RecordSet paperSet;
        ShuffleRandom clockRandom;
        QList<qint64> papers[2];
        for (QList<qint64> &ids : papers) {
            trainer::ComposeExamPaper(connection, paperSet, bankText, clockRandom);
            for (const PaperQuestion &q : readPaper(paperSet))
                ids.append(q.id);
            QCOMPARE(ids.size(), trainer::kExamQuestionCount);
        }
        QVERIFY(papers[0] != papers[1]);
    }
};

QTEST_GUILESS_MAIN(ExamPaperTest)
#include "tst_exampaper.moc"
