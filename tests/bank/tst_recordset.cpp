// Keyset record sets: positions, moves, bookmarks, fields, and the deferred storing of `state`.
#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/error.h"
#include "bank/recordset.h"
#include "core/guard.h"
#include "core/log.h"
#include "fixturebank.h"

#include <QTemporaryDir>

#include <QTest>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using Cursor = bank::RecordSet::Cursor;

namespace {

const QString kSequential = u"select question,ans1,ans2,ans3,ans4,ans,bmp,flash,txbz,state from "
                            "shiti2012 where zhangjie<=7 order by id asc"_s;

// The `state` of one question as a second connection sees it in the file.
QVariant storedState(const QString &connectionText, qint64 id) {
    bank::Connection other;
    other.setConnectionString(connectionText);
    other.open();
    bank::RecordSet set;
    set.open(u"select state from shiti2012 where id="_s + QString::number(id), other);
    return set.field(u"state"_s);
}

} // namespace

class TestRecordSet : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_text;
    bank::Connection m_connection;

    QString question(int position) const { return u"Q"_s + QString::number(position * 10); }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        QList<fixture::Question> questions;
        for (qint64 id : {30, 10, 40, 20}) // stored out of order: the set orders by id
            questions.append(fixture::choice(id, 1));
        questions[0].ans3 = QVariant();           // id 30: Null option
        questions[0].ans4 = QString();            // ... and an empty one
        questions.append(fixture::choice(50, 8)); // beyond chapter 7
        fixture::writeBank(m_dir.filePath(u"aqc.dll"_s), {{1, u"one"_s, 2}}, questions);
        m_text = bank::BankConnectionString(m_dir.path(), u"\\aqc.dll"_s);
        m_connection.setConnectionString(m_text);
        m_connection.open();
    }

    void cleanup() { m_connection.close(); }

    void moves_data() {
        QTest::addColumn<QString>("moves");    // F first, N next, P previous
        QTest::addColumn<QString>("expected"); // position after each, B/E at BOF/EOF, ! refused
        QTest::newRow("forward to the end") << u"NNNNN"_s << u"234E!"_s;
        QTest::newRow("back from the end") << u"NNNNPP"_s << u"234E43"_s;
        QTest::newRow("before the first") << u"PPN"_s << u"B!1"_s;
        QTest::newRow("first from the end") << u"NNNNF"_s << u"234E1"_s;
        QTest::newRow("first from the start") << u"PF"_s << u"B1"_s;
        QTest::newRow("to and fro") << u"NPNNPN"_s << u"212323"_s;
    }
    void moves() {
        QFETCH(QString, moves);
        QFETCH(QString, expected);
        bank::RecordSet set;
        set.open(kSequential, m_connection);
        QCOMPARE(set.recordCount(), 4);
        QCOMPARE(set.absolutePosition(), 1);
        QVERIFY(!set.bof() && !set.eof());
        QString seen;
        for (const QChar move : moves) {
            const bool moved = core::tryStep(core::lcBank(), "move", [&] {
                                   if (move == u'F')
                                       set.moveFirst();
                                   else if (move == u'N')
                                       set.moveNext();
                                   else
                                       set.movePrevious();
                               }).succeeded();
            if (!moved)
                seen += u'!';
            else if (set.bof())
                seen += set.eof() ? u'?' : u'B';
            else if (set.eof())
                seen += u'E';
            else
                seen += QString::number(set.absolutePosition());
        }
        QCOMPARE(seen, expected);
        QCOMPARE(set.recordCount(), 4);
    }

    void positionsBookmarksAndFieldsAgree() {
        bank::RecordSet set;
        set.open(kSequential, m_connection);
        for (int position = 1; position <= 4; ++position) {
            QCOMPARE(set.absolutePosition(), position);
            QCOMPARE(set.bookmark(), position);
            QCOMPARE(set.field(u"question"_s).toString(), question(position));
            set.moveNext();
        }
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.absolutePosition());
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.bookmark());
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.field(u"question"_s));

        set.setAbsolutePosition(3);
        const bank::Bookmark third = set.bookmark();
        set.moveFirst();
        set.setBookmark(third);
        QCOMPARE(set.field(u"question"_s).toString(), question(3));
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.setBookmark(0));
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.setBookmark(5));
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.setAbsolutePosition(5));
        QCOMPARE(set.absolutePosition(), 3);
    }

    // Records are read in blocks: sets longer than a block, read forwards, backwards and by
    // jumps, whether their keys lie close together or far apart, in either order.
    void largeSets_data() {
        QTest::addColumn<qint64>("spacing"); // between neighbouring ids
        QTest::addColumn<QString>("order");
        QTest::newRow("close, ascending") << qint64(1) << u"asc"_s;
        QTest::newRow("close, descending") << qint64(1) << u"desc"_s;
        QTest::newRow("far apart") << qint64(1000) << u"asc"_s;
        QTest::newRow("far apart, descending") << qint64(1000) << u"desc"_s;
    }
    void largeSets() {
        QFETCH(qint64, spacing);
        QFETCH(QString, order);
        constexpr int kRows = 700;
        QList<fixture::Question> questions;
        QList<qint64> expected; // ids of chapters 1-7 in the set's order
        for (int i = 1; i <= kRows; ++i) {
            const qint64 id = i * spacing;
            questions.append(fixture::choice(id, i % 9 == 0 ? 8 : 1 + i % 7));
            if (i % 9 != 0)
                expected.append(id);
        }
        if (order == u"desc"_s)
            std::reverse(expected.begin(), expected.end());
        fixture::writeBank(m_dir.filePath(u"big.dll"_s), {{1, u"one"_s, 2}}, questions);
        bank::Connection connection;
        connection.setConnectionString(bank::BankConnectionString(m_dir.path(), u"\\big.dll"_s));
        connection.open();
        bank::RecordSet set;
        set.open(u"select id,question,state from shiti2012 where zhangjie<=7 order by id "_s +
                     order,
                 connection);
        QCOMPARE(set.recordCount(), int(expected.size()));
        auto idAt = [&](int position) {
            set.setAbsolutePosition(position);
            return set.field(u"id"_s).toLongLong();
        };
        for (int position = 1; position <= set.recordCount(); ++position)
            QCOMPARE(idAt(position), expected[position - 1]);
        for (int position = set.recordCount(); position >= 1; position -= 37)
            QCOMPARE(idAt(position), expected[position - 1]);
        for (const int position : {1, 600, 128, 129, 257, 3, 622, 256})
            QCOMPARE(idAt(position), expected[position - 1]);

        // An answer in one block is stored on leaving and read back after other blocks.
        set.setAbsolutePosition(130);
        set.setField(u"state"_s, u"D"_s);
        QCOMPARE(set.field(u"state"_s).toString(), u"D"_s);
        set.setAbsolutePosition(500);
        QCOMPARE(storedState(connection.connectionString(), expected[129]).toString(), u"D"_s);
        set.setAbsolutePosition(130);
        QCOMPARE(set.field(u"state"_s).toString(), u"D"_s);
        QCOMPARE(set.field(u"question"_s).toString(), u"Q"_s + QString::number(expected[129]));

        // A record deleted by another connection reads as deleted when its block is read again.
        bank::Connection other;
        other.setConnectionString(connection.connectionString());
        other.open();
        other.execute(u"delete from shiti2012 where id="_s + QString::number(expected[400]));
        set.setAbsolutePosition(400);
        QCOMPARE(set.field(u"id"_s).toLongLong(), expected[399]);
        set.setAbsolutePosition(401);
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.field(u"id"_s));
        QCOMPARE(set.recordCount(), int(expected.size()));
    }

    void nullIsNotTheEmptyText() {
        bank::RecordSet set;
        set.open(u"select id,question,ans3,ans4,state,id*0.5 as half from shiti2012 where id=30"_s,
                 m_connection);
        QCOMPARE(set.field(u"ans3"_s), QVariant());
        QVERIFY(!set.field(u"ans3"_s).isValid());
        QCOMPARE(set.field(u"ans4"_s).typeId(), QMetaType::QString);
        QVERIFY(set.field(u"ans4"_s).toString().isEmpty());
        QVERIFY(set.field(u"ans3"_s).isNull());
        QVERIFY(!set.field(u"ans4"_s).isNull()); // an empty text is not Null
        QCOMPARE(set.field(u"id"_s), QVariant(qint64(30)));
        QCOMPARE(set.field(u"QUESTION"_s), QVariant(u"Q30"_s)); // names in any case
        QCOMPARE(set.field(u"half"_s), QVariant(15.0));
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.field(u"nosuch"_s));
    }

    void forwardOnlyNullIsNotTheEmptyText() {
        bank::RecordSet pool;
        pool.open(u"select ans3,ans4 from shiti2012 where id=30"_s, m_connection,
                  Cursor::ForwardOnly);
        QVERIFY(pool.field(u"ans3"_s).isNull());
        QVERIFY(!pool.field(u"ans4"_s).isNull());
        QCOMPARE(pool.field(u"ans4"_s).typeId(), QMetaType::QString);
        QCOMPARE(pool.recordCount(), -1);
    }

    void emptySetIsAtBothEnds() {
        bank::RecordSet set;
        set.open(practiceSqlWith(u"zhangjie=99"_s), m_connection);
        QCOMPARE(set.recordCount(), 0);
        QVERIFY(set.bof() && set.eof());
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.moveFirst());
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.moveNext());
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.movePrevious());
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.bookmark());
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.setField(u"state"_s, u"A"_s));
    }

    // Membership and order are fixed at open; values are read when the record is reached.
    void keysetFixedAtOpen() {
        bank::RecordSet set;
        set.open(kSequential, m_connection);
        bank::Connection other;
        other.setConnectionString(m_text);
        other.open();
        other.execute(u"insert into shiti2012 (id, question, zhangjie) values (15, 'new', 1)"_s);
        other.execute(u"update shiti2012 set question='changed' where id=20"_s);
        other.execute(u"delete from shiti2012 where id=30"_s);
        QCOMPARE(set.recordCount(), 4);
        QCOMPARE(set.field(u"question"_s).toString(), question(1));
        set.moveNext();
        QCOMPARE(set.field(u"question"_s).toString(), u"changed"_s);
        set.moveNext();
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.field(u"question"_s)); // deleted
        set.moveNext();
        QCOMPARE(set.field(u"question"_s).toString(), question(4));
    }

    // An assignment is seen by the set at once and stored only when the set leaves the record.
    void stateStoredWhenSetMovesOn_data() {
        QTest::addColumn<QString>("leave"); // how the set leaves the record
        QTest::newRow("next") << u"next"_s;
        QTest::newRow("previous") << u"previous"_s;
        QTest::newRow("first") << u"first"_s;
        QTest::newRow("bookmark") << u"bookmark"_s;
        QTest::newRow("close") << u"close"_s;
        QTest::newRow("destroy") << u"destroy"_s;
        QTest::newRow("connection close") << u"connection close"_s;
    }
    void stateStoredWhenSetMovesOn() {
        QFETCH(QString, leave);
        auto set = std::make_unique<bank::RecordSet>();
        set->open(kSequential, m_connection);
        set->setAbsolutePosition(2); // id 20
        set->setField(u"state"_s, u"C"_s);
        set->setField(u"State"_s, u"AB"_s); // the last assignment wins
        QCOMPARE(set->field(u"state"_s).toString(), u"AB"_s);
        QCOMPARE(storedState(m_text, 20).toString(), QString());

        if (leave == u"next"_s)
            set->moveNext();
        else if (leave == u"previous"_s)
            set->movePrevious();
        else if (leave == u"first"_s)
            set->moveFirst();
        else if (leave == u"bookmark"_s)
            set->setBookmark(4);
        else if (leave == u"close"_s)
            set->close();
        else if (leave == u"destroy"_s)
            set.reset();
        else
            m_connection.close();
        QCOMPARE(storedState(m_text, 20).toString(), u"AB"_s);
        QCOMPARE(storedState(m_text, 10).toString(), QString());
        QCOMPARE(storedState(m_text, 30).toString(), QString());
        if (set && set->isOpen()) {
            set->setAbsolutePosition(2);
            QCOMPARE(set->field(u"state"_s).toString(), u"AB"_s);
        }
    }

    void onlyStateIsWritable() {
        bank::RecordSet set;
        set.open(kSequential, m_connection);
        for (const QString &column : {u"ans"_s, u"question"_s, u"txbz"_s, u"nosuch"_s})
            QVERIFY_THROWS_EXCEPTION(bank::Error, set.setField(column, u"1"_s));
        set.moveNext();
        set.close();
        QCOMPARE(storedState(m_text, 10).toString(), QString());
        bank::RecordSet withoutState;
        withoutState.open(u"select id from shiti2012 order by id"_s, m_connection);
        QVERIFY_THROWS_EXCEPTION(bank::Error, withoutState.setField(u"state"_s, u"A"_s));
    }

    void forwardOnlyIsReadOnly() {
        bank::RecordSet pool;
        pool.open(u"select id from shiti2012 where zhangjie=1 and txbz<>'2'"_s, m_connection,
                  Cursor::ForwardOnly);
        QVERIFY(!pool.bof() && !pool.eof());
        QList<qint64> ids;
        while (!pool.eof()) {
            QVERIFY_THROWS_EXCEPTION(bank::Error, pool.setField(u"id"_s, 1));
            ids.append(pool.field(u"id"_s).toLongLong());
            pool.moveNext();
        }
        std::sort(ids.begin(), ids.end());
        QCOMPARE(ids, (QList<qint64>{10, 20, 30, 40}));
        QVERIFY_THROWS_EXCEPTION(bank::Error, pool.moveNext());
        QVERIFY_THROWS_EXCEPTION(bank::Error, pool.movePrevious());
        pool.moveFirst(); // runs the query again
        QVERIFY(!pool.eof());
        QVERIFY_THROWS_EXCEPTION(bank::Error, pool.setField(u"state"_s, u"A"_s));
    }

    void closedObjectsRefuseWork() {
        bank::RecordSet set;
        QVERIFY(!set.isOpen());
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.recordCount());
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.moveFirst());
        set.close(); // closing a closed set does nothing
        set.open(kSequential, m_connection);
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.open(kSequential, m_connection));
        m_connection.close(); // closes the set with it
        QVERIFY(!set.isOpen());
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.field(u"question"_s));
        QVERIFY_THROWS_EXCEPTION(bank::Error, set.open(kSequential, m_connection));
        QVERIFY_THROWS_EXCEPTION(bank::Error,
                                 set.open(u"select nosuch from shiti2012"_s, m_connection));
        m_connection.open();
        QVERIFY_THROWS_EXCEPTION(bank::Error,
                                 set.open(u"select id from shiti2012, zhangjie"_s, m_connection));
        QVERIFY(!set.isOpen());
        set.open(kSequential, m_connection);
        QCOMPARE(set.recordCount(), 4);
    }

private:
    static QString practiceSqlWith(const QString &condition) {
        return u"select question,state from shiti2012 where "_s + condition + u" order by id asc"_s;
    }
};

QTEST_GUILESS_MAIN(TestRecordSet)
#include "tst_recordset.moc"
