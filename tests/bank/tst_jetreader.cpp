// The Jet reader gives every value as stored: texts as UTF-8 exactly (Chinese, "\" of media
// names, the empty text apart from Null), memos in the row or on long-value pages up to 65,535
// characters, numbers as numbers; and the bank's columns are found without regard to case.
#include "bank/error.h"
#include "bank/jetcopy.h"
#include "bank/jeterror.h"
#include "bank/jetreader.h"
#include "bank/schema.h"
#include "jetbank.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using jetfixture::ColumnType;

Q_DECLARE_METATYPE(jetfixture::ColumnType)

class JetReaderTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void valueIsReadAsStored_data() {
        QTest::addColumn<ColumnType>("type");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("read");
        const QString stem = u"驾驶机动车在道路上行驶，驾驶人应当随身携带驾驶证。"_s;
        QTest::newRow("Chinese text") << ColumnType::Text << QVariant(stem) << QVariant(stem);
        QTest::newRow("text one byte a character")
            << ColumnType::Text << QVariant(u"\\sign_stop.png"_s) << QVariant(u"\\sign_stop.png"_s);
        QTest::newRow("Latin-1 and Chinese")
            << ColumnType::Text << QVariant(u"café 路口 ü"_s) << QVariant(u"café 路口 ü"_s);
        QTest::newRow("empty text")
            << ColumnType::Text << QVariant(QString()) << QVariant(QString());
        QTest::newRow("Null text") << ColumnType::Text << QVariant() << QVariant();
        QTest::newRow("memo in the row") << ColumnType::Memo << QVariant(stem) << QVariant(stem);
        QTest::newRow("memo one byte a character")
            << ColumnType::Memo << QVariant(u"Short memo."_s) << QVariant(u"Short memo."_s);
        QTest::newRow("memo with line breaks")
            << ColumnType::Memo << QVariant(u"一\r\n二\n\"三\""_s)
            << QVariant(u"一\r\n二\n\"三\""_s);
        const QString pages = QString(2500, u'路') + u"end"_s;
        QTest::newRow("memo on long-value pages")
            << ColumnType::Memo << QVariant(pages) << QVariant(pages);
        const QString longest = QString(65534, u'题') + u'尾';
        QTest::newRow("memo of 65,535 characters")
            << ColumnType::Memo << QVariant(longest) << QVariant(longest);
        QTest::newRow("Null memo") << ColumnType::Memo << QVariant() << QVariant();
        QTest::newRow("long integer")
            << ColumnType::Long << QVariant(-2147483647 - 1) << QVariant(qint64(-2147483648LL));
        QTest::newRow("integer") << ColumnType::Integer << QVariant(-7) << QVariant(qint64(-7));
        QTest::newRow("Null number") << ColumnType::Long << QVariant() << QVariant();
        QTest::newRow("double") << ColumnType::Double << QVariant(-0.1) << QVariant(-0.1);
    }
    void valueIsReadAsStored() {
        QFETCH(ColumnType, type);
        QFETCH(QVariant, stored);
        QFETCH(QVariant, read);
        const QString file = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        // The value between two rows, so that its neighbours' values show any slip.
        jetfixture::writeJetFile(file, {{{u"t"_s,
                                          {{u"before"_s, ColumnType::Long},
                                           {u"value"_s, type},
                                           {u"after"_s, ColumnType::Text}},
                                          {{1, stored, u"x"_s}, {2, QVariant(), QVariant()}}}},
                                        QString()});
        const bank::JetTable table = bank::JetReader(file).table(u"T"_s);
        QCOMPARE(table.columns, QStringList({u"before"_s, u"value"_s, u"after"_s}));
        QCOMPARE(table.rows.size(), 2);
        QCOMPARE(table.rows[0][0], QVariant(qint64(1)));
        QCOMPARE(table.rows[0][1].typeId(), read.typeId());
        QCOMPARE(table.rows[0][1], read);
        QCOMPARE(table.rows[0][2], QVariant(u"x"_s));
        QCOMPARE(table.rows[1], QVariantList({qint64(2), QVariant(), QVariant()}));
    }

    // Past the room the reader gives one value (1 MiB of UTF-8), a memo fails rather than being
    // cut short.
    void aMemoTooLongToReadIsNamed() {
        const QString file = m_dir.filePath(u"huge.mdb"_s);
        jetfixture::writeJetFile(
            file, {{{u"t"_s, {{u"question"_s, ColumnType::Memo}}, {{QString(400000, u'长')}}}},
                   QString()});
        try {
            bank::JetReader(file).table(u"t"_s);
            QFAIL("a memo longer than the reader's room was read");
        } catch (const bank::Error &error) {
            QCOMPARE(error.number(), int(bank::JetProblem::ValueTooLong));
            QVERIFY2(error.description().contains(file), qPrintable(error.description()));
            QVERIFY2(error.description().contains(u"'question'"_s),
                     qPrintable(error.description()));
        }
    }

    void tablesAreListed() {
        const QString file = m_dir.filePath(u"bank.mdb"_s);
        jetfixture::writeJetBank(file, {}, {});
        QCOMPARE(bank::JetReader(file).tableNames(), QStringList({u"shiti2012"_s, u"zhangjie"_s}));
    }

    // A bank whose tables and columns are named in other cases is read as Jet reads it.
    void bankColumnsAreMatchedWithoutCase() {
        jetfixture::Database database = jetfixture::questionBank(
            {{3, u"第三章"_s, 2}}, {fixture::choice(5, 3, u"24"_s), fixture::choice(6, 3)});
        for (jetfixture::Table &table : database.tables) {
            table.name = table.name.toUpper();
            for (jetfixture::Column &column : table.columns)
                column.name = column.name.left(1).toUpper() + column.name.mid(1);
            table.columns.append({u"extra"_s, ColumnType::Long}); // left out of the copy
            for (QVariantList &row : table.rows)
                row.append(99);
        }
        const QString file = m_dir.filePath(u"cases.mdb"_s);
        jetfixture::writeJetFile(file, database);

        const bank::BankRows rows = bank::readJetBank(file);
        QCOMPARE(rows.chapters, QList<QVariantList>({{qint64(3), u"第三章"_s, qint64(2)}}));
        QCOMPARE(rows.questions.size(), 2);
        QCOMPARE(rows.questions[0],
                 QVariantList({qint64(5), u"Q5"_s, u"5A"_s, u"5B"_s, u"5C"_s, u"5D"_s, u"24"_s,
                               QVariant(), QVariant(), u"1"_s, QString(), qint64(3)}));
    }

    void aMissingColumnIsNamed_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        for (const char *column : bank::kQuestionColumns)
            QTest::addRow("shiti2012.%s", column) << u"shiti2012"_s << QString::fromLatin1(column);
        for (const char *column : bank::kChapterColumns)
            QTest::addRow("zhangjie.%s", column) << u"zhangjie"_s << QString::fromLatin1(column);
    }
    void aMissingColumnIsNamed() {
        QFETCH(QString, table);
        QFETCH(QString, column);
        jetfixture::Database database = jetfixture::questionBank({}, {});
        for (jetfixture::Table &t : database.tables) {
            if (t.name == table)
                t.columns.removeIf([&](const jetfixture::Column &c) { return c.name == column; });
        }
        const QString file = m_dir.filePath(u"missing.mdb"_s);
        jetfixture::writeJetFile(file, database);
        try {
            bank::readJetBank(file);
            QFAIL("a bank without a column was read");
        } catch (const bank::Error &error) {
            QCOMPARE(error.number(), int(bank::JetProblem::MissingColumn));
            QVERIFY2(error.description().contains(file), qPrintable(error.description()));
            QVERIFY2(error.description().contains(table + u'.' + column),
                     qPrintable(error.description()));
        }
    }
};

QTEST_GUILESS_MAIN(JetReaderTest)
#include "tst_jetreader.moc"
