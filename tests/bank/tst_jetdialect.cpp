// The Jet dialect: how each SQL text of the program is translated, and what it yields on a bank.
#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/jetdialect.h"
#include "bank/recordset.h"
#include "fixturebank.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kColumns = u"select question,ans1,ans2,ans3,ans4,ans,bmp,flash,txbz,state from "
                         "shiti2012 where "_s;

QString practiceSql(const QString &condition) {
    return kColumns + condition + u" order by id asc"_s;
}

QString paperSql(const QString &ids) {
    return kColumns + u"id in("_s + ids + u") order by Instr('"_s + ids + u"',','+cstr(id)) desc"_s;
}

fixture::Question question(qint64 id, qint64 chapter, const QString &type) {
    fixture::Question q = fixture::choice(id, chapter);
    q.type = type;
    q.state = u"A"_s;
    return q;
}

// Every value of one column, record by record.
QStringList columnOf(bank::RecordSet &set, const QString &column) {
    QStringList values;
    while (!set.eof()) {
        values.append(set.field(column).toString());
        set.moveNext();
    }
    return values;
}

} // namespace

class TestJetDialect : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    bank::Connection m_connection;

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QList<fixture::Chapter> chapters;
        for (qint64 c = 1; c <= 8; ++c)
            chapters.append({c, u"chapter "_s + QString::number(c), c == 4 ? 1 : 2});
        fixture::writeBank(m_dir.filePath(u"aqc.dll"_s), chapters,
                           {question(1, 1, u"1"_s), question(2, 2, u"2"_s), question(3, 2, u"3"_s),
                            question(5, 5, u"1"_s), question(12, 7, u"2"_s),
                            question(13, 8, u"2"_s), question(25, 2, u"1"_s),
                            question(40, 8, u"1"_s)});
        m_connection.setConnectionString(bank::BankConnectionString(m_dir.path(), u"\\aqc.dll"_s));
        m_connection.open();
    }

    void translate_data() {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("sqlite");
        // The program's own texts: only the paper's `+` changes.
        const QStringList unchanged = {
            practiceSql(u"zhangjie<=7"_s),
            practiceSql(u"zhangjie<=7 and txbz='2'"_s),
            practiceSql(u"zhangjie<=7 and txbz='3'"_s),
            kColumns + u"zhangjie in(1,2,3) order by id asc"_s,
            u"select zhangjiename,zhangjieid from zhangjie where state=2 order by zhangjieid asc"_s,
            u"select id from shiti2012 where zhangjie=3 and txbz<>'2'"_s,
            u"select id from shiti2012 where zhangjie<=7 and txbz='2'"_s,
        };
        for (const QString &sql : unchanged)
            QTest::newRow(qPrintable(sql.left(60))) << sql << sql;
        // Resetting every row skips the rows that already hold the value.
        QTest::newRow("reset answers") << u"update shiti2012 set state=''"_s
                                       << u"update shiti2012 set state='' where state is not ''"_s;
        QTest::newRow("reset to a text")
            << u"UPDATE shiti2012 SET state = 'it''s' ;"_s
            << u"UPDATE shiti2012 SET state = 'it''s' where state is not 'it''s'"_s;
        QTest::newRow("reset to a number")
            << u"update zhangjie set state=-2"_s
            << u"update zhangjie set state=-2 where state is not -2"_s;
        for (const QString &sql :
             {u"update shiti2012 set state='' where id=1"_s, u"update shiti2012 set state=ans"_s,
              u"update shiti2012 set state='a', ans='1'"_s,
              u"update shiti2012 set state='a' or state='b'"_s})
            QTest::newRow(qPrintable(sql)) << sql << sql;
        QTest::newRow("paper") << paperSql(u"3,1,2"_s)
                               << kColumns +
                                      u"id in(3,1,2) order by Instr('3,1,2',','||cstr(id)) desc"_s;
        const std::pair<QString, QString> expressions[] = {
            {u"'a'+'b'"_s, u"'a'||'b'"_s},
            {u"'a' + 'b' + 'c'"_s, u"'a' || 'b' || 'c'"_s},
            {u"cstr(id)+','"_s, u"cstr(id)||','"_s},
            {u"CStr ( id ) + x"_s, u"CStr ( id ) || x"_s},
            {u"x + CSTR(id)"_s, u"x || CSTR(id)"_s},
            {u"cstr(cstr(id)+1)+1"_s, u"cstr(cstr(id)||1)||1"_s},
            {u"abs(x)+'a'"_s, u"abs(x)||'a'"_s},
            {u"'it''s'+x"_s, u"'it''s'||x"_s},
            {u"1+2"_s, u"1+2"_s},
            {u"id+1"_s, u"id+1"_s},
            {u"count(id) + zhangjie"_s, u"count(id) + zhangjie"_s},
            {u"abs(x)+(y)"_s, u"abs(x)+(y)"_s},
            {u"1e+5"_s, u"1e+5"_s},
            {u"+'a'"_s, u"+'a'"_s},
            {u"(+'a')"_s, u"(+'a')"_s},
            {u"x in(1,+2)"_s, u"x in(1,+2)"_s},
            {u"'a+b'"_s, u"'a+b'"_s},
            {u"'+' + '+'"_s, u"'+' || '+'"_s},
            {u"x+'unterminated + y"_s, u"x||'unterminated + y"_s},
            {u"cstr)+1"_s, u"cstr)+1"_s},
            {u"notcstr(id)+1"_s, u"notcstr(id)+1"_s},
            {u"Instr('3,1,2',',1')"_s, u"Instr('3,1,2',',1')"_s},
            {QString(), QString()},
        };
        for (const auto &[jet, sqlite] : expressions)
            QTest::newRow(qPrintable(u"expr "_s + jet)) << jet << sqlite;
    }
    void translate() {
        QFETCH(QString, jet);
        QFETCH(QString, sqlite);
        QCOMPARE(bank::translateJetSql(jet), sqlite);
        QCOMPARE(bank::translateJetSql(sqlite), sqlite); // nothing left to translate
    }

    // What the program's texts yield on the bank: ids or chapter numbers, in order.
    void evaluate_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("column");
        QTest::addColumn<bool>("ordered");
        QTest::addColumn<QStringList>("expected");
        const QStringList all = {u"Q1"_s, u"Q2"_s, u"Q3"_s, u"Q5"_s, u"Q12"_s, u"Q25"_s};
        QTest::newRow("sequential")
            << practiceSql(u"zhangjie<=7"_s) << u"question"_s << true << all;
        QTest::newRow("multi-answer") << practiceSql(u"zhangjie<=7 and txbz='2'"_s) << u"question"_s
                                      << true << QStringList{u"Q2"_s, u"Q12"_s};
        QTest::newRow("animation") << practiceSql(u"zhangjie<=7 and txbz='3'"_s) << u"question"_s
                                   << true << QStringList{u"Q3"_s};
        QTest::newRow("chapters") << kColumns + u"zhangjie in(2,5) order by id asc"_s
                                  << u"question"_s << true
                                  << QStringList{u"Q2"_s, u"Q3"_s, u"Q5"_s, u"Q25"_s};
        QTest::newRow("chapter list")
            << u"select zhangjiename,zhangjieid from zhangjie where state=2 order by zhangjieid asc"_s
            << u"zhangjieid"_s << true
            << QStringList{u"1"_s, u"2"_s, u"3"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s};
        // Ordered by where ","+id first occurs in the list, last first; the first id has no
        // comma before it and comes last.
        QTest::newRow("paper") << paperSql(u"3,1,2"_s) << u"question"_s << true
                               << QStringList{u"Q2"_s, u"Q1"_s, u"Q3"_s};
        QTest::newRow("paper of five")
            << paperSql(u"25,5,2,12,3"_s) << u"question"_s << true
            << QStringList{u"Q3"_s, u"Q12"_s, u"Q2"_s, u"Q5"_s, u"Q25"_s};
        // ",1" first matches inside ",12": 1 and 12 share position 2, 5 (first) comes last.
        QTest::newRow("paper prefix") << paperSql(u"5,12,1"_s) << u"question"_s << false
                                      << QStringList{u"Q1"_s, u"Q12"_s, u"Q5"_s};
        QTest::newRow("paper absent id")
            << paperSql(u"2,99,1"_s) << u"question"_s << true << QStringList{u"Q1"_s, u"Q2"_s};
        QTest::newRow("chapter pool")
            << u"select id from shiti2012 where zhangjie=2 and txbz<>'2'"_s << u"id"_s << false
            << QStringList{u"3"_s, u"25"_s};
        QTest::newRow("multi pool") << u"select id from shiti2012 where zhangjie<=7 and txbz='2'"_s
                                    << u"id"_s << false << QStringList{u"2"_s, u"12"_s};
        QTest::newRow("chapter 8 pool")
            << u"select id from shiti2012 where zhangjie=8 and txbz<>'2'"_s << u"id"_s << false
            << QStringList{u"40"_s};
    }
    void evaluate() {
        QFETCH(QString, sql);
        QFETCH(QString, column);
        QFETCH(bool, ordered);
        QFETCH(QStringList, expected);
        for (const auto cursor :
             {bank::RecordSet::Cursor::Keyset, bank::RecordSet::Cursor::ForwardOnly}) {
            bank::RecordSet set;
            set.open(sql, m_connection, cursor);
            QStringList values = columnOf(set, column);
            if (!ordered) {
                std::sort(values.begin(), values.end());
                std::sort(expected.begin(), expected.end());
            }
            QCOMPARE(values, expected);
        }
    }

    void paperPrefixSharesPositionWithLongerId() {
        bank::RecordSet set;
        set.open(paperSql(u"5,12,1"_s), m_connection);
        QCOMPARE(set.recordCount(), 3);
        set.setAbsolutePosition(3);
        QCOMPARE(set.field(u"question"_s).toString(), u"Q5"_s);
    }

    // Instr, cstr and `+` give the values Jet gives.
    void expressions_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("Instr found") << u"Instr('3,1,2', ',1')"_s << QVariant(qint64(2));
        QTest::newRow("Instr first") << u"Instr('abc', 'a')"_s << QVariant(qint64(1));
        QTest::newRow("Instr absent") << u"Instr('3,1,2', ',4')"_s << QVariant(qint64(0));
        QTest::newRow("Instr of null") << u"Instr(ans3, 'x')"_s << QVariant();
        QTest::newRow("cstr") << u"cstr(id)"_s << QVariant(u"12"_s);
        QTest::newRow("cstr negative") << u"cstr(0-id)"_s << QVariant(u"-12"_s);
        QTest::newRow("cstr of text") << u"cstr(ans)"_s << QVariant(u"1"_s);
        QTest::newRow("cstr of null") << u"cstr(ans3)"_s << QVariant();
        QTest::newRow("comma then id") << u"','+cstr(id)"_s << QVariant(u",12"_s);
        QTest::newRow("id then comma") << u"cstr(id)+','"_s << QVariant(u"12,"_s);
        QTest::newRow("texts") << u"'a'+'b'+question"_s << QVariant(u"abQ12"_s);
        QTest::newRow("numbers") << u"id+1"_s << QVariant(qint64(13));
        QTest::newRow("number columns") << u"zhangjie + id"_s << QVariant(qint64(19));
        QTest::newRow("not equal") << u"txbz<>'2'"_s << QVariant(qint64(0));
    }
    void expressions() {
        QFETCH(QString, expression);
        QFETCH(QVariant, expected);
        m_connection.execute(u"update shiti2012 set ans3=null where id=12"_s);
        bank::RecordSet set;
        set.open(u"select "_s + expression + u" as v from shiti2012 where id=12"_s, m_connection);
        QCOMPARE(set.recordCount(), 1);
        QCOMPARE(set.field(u"v"_s), expected);
    }

    // Runs last: the UPDATE without WHERE clears every row, chapter 8 and Null included.
    void updateWithoutWhereTouchesEveryRow() {
        m_connection.execute(u"update shiti2012 set state=null where id=40"_s);
        bank::RecordSet answered;
        answered.open(u"select id from shiti2012 where state<>''"_s, m_connection);
        QCOMPARE(answered.recordCount(), 7);
        answered.close();
        m_connection.execute(u"update shiti2012 set state=''"_s);
        answered.open(u"select id from shiti2012 where state=''"_s, m_connection);
        QCOMPARE(answered.recordCount(), 8);
    }
};

QTEST_GUILESS_MAIN(TestJetDialect)
#include "tst_jetdialect.moc"
