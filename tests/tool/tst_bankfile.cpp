// Bank files: what build writes (columns, key, atomic replacement), what dump reads back, and
// the round trip source -> bank -> source.
#include "bankcheck.h"
#include "bankfile.h"
#include "sourceparser.h"
#include "sourcewriter.h"

#include "bank/bankformat.h"
#include "bank/error.h"
#include "bank/schema.h"
#include "bank/sqlite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace banktool;
using bank::sqlite::Database;
using bank::sqlite::Statement;

namespace {

constexpr int kNotADatabase = 26; // SQLite's code when the key does not fit

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One question of each shape a bank holds, including texts JSON must escape.
QByteArray roundTripSource() {
    return readAll(QStringLiteral(SAFEDRIVE_TOOL_DATA "/roundtrip.json"));
}

Bank soundBank() {
    const ParsedSource parsed = parseSource(roundTripSource());
    Q_ASSERT(parsed.problems.isEmpty());
    return parsed.bank;
}

// A bank as another tool might have made it: untyped columns, no primary key.
void writeForeignBank(const QString &path, const QString &rows) {
    Database db(path, Database::Mode::Create);
    db.key(QByteArray(bank::kBankPassword));
    db.exec(u"create table zhangjie (zhangjieid, zhangjiename, state);"
            "create table shiti2012 (id, question, ans1, ans2, ans3, ans4, ans, bmp, flash, "
            "txbz, state, zhangjie);"_s +
            rows);
}

} // namespace

class TestBankFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Bank m_source;
    Bank m_readBack;
    Bank m_reparsed;

private slots:
    void initTestCase() {
        m_source = soundBank();
        const QString path = m_dir.filePath(u"round.dll"_s);
        writeBankFile(m_source, path);
        const ReadBank read = readBankFile(path);
        QVERIFY(read.problems.isEmpty());
        m_readBack = read.bank;
        const ParsedSource reparsed = parseSource(toSourceJson(m_readBack));
        QVERIFY(reparsed.problems.isEmpty());
        m_reparsed = reparsed.bank;
    }

    // Each question survives source -> bank -> rows and bank -> dumped source -> rows unchanged.
    void roundTrip_data() {
        QTest::addColumn<int>("index");
        const Bank bank = soundBank();
        for (int i = 0; i < bank.questions.size(); ++i)
            QTest::newRow(qPrintable(bank.questions[i].question.left(13))) << i;
    }
    void roundTrip() {
        QFETCH(int, index);
        QCOMPARE(m_readBack.questions.size(), m_source.questions.size());
        QCOMPARE(m_reparsed.questions.size(), m_source.questions.size());
        const Question &expected = m_source.questions[index];
        for (const Question &actual : {m_readBack.questions[index], m_reparsed.questions[index]}) {
            QCOMPARE(actual.id, expected.id);
            QCOMPARE(actual.chapter, expected.chapter);
            QCOMPARE(actual.type, expected.type);
            QCOMPARE(actual.question, expected.question);
            for (int option = 0; option < 4; ++option)
                QCOMPARE(actual.options[option], expected.options[option]);
            QCOMPARE(actual.answer, expected.answer);
            QCOMPARE(actual.picture, expected.picture);
            QCOMPARE(actual.clip, expected.clip);
            QCOMPARE(actual.explanation, expected.explanation);
            QCOMPARE(actual.basis, expected.basis);
        }
    }

    void chaptersRoundTrip() {
        QCOMPARE(m_readBack.chapters, m_source.chapters);
        QCOMPARE(m_reparsed.chapters, m_source.chapters);
    }

    // Dumping what a dump built gives the same text: the layout is stable.
    void dumpIsStable() {
        const QByteArray dumped = toSourceJson(m_readBack);
        QCOMPARE(toSourceJson(m_reparsed), dumped);
    }

    // The columns as the program reads them: type and state as texts, absent options and media
    // as Null, media names with their leading "\", chapter numbers as numbers.
    void storedColumns() {
        Database db(m_dir.filePath(u"round.dll"_s), Database::Mode::ReadOnly);
        db.key(QByteArray(bank::kBankPassword));
        bank::applyBankFormat(db.handle());
        Statement row(db, u"select typeof(txbz), txbz, state, typeof(state), ans3 is null, "
                          "ans4 is null, bmp, flash is null, typeof(zhangjie), jiexi, yiju "
                          "from shiti2012 where id=2"_s);
        QVERIFY(row.step());
        const QVariantList expected{
            u"text"_s, u"1"_s,       QString(), u"text"_s,          0, 1, u"\\sign_stop.png"_s,
            1,         u"integer"_s, u"让行"_s, u"GB 5768.2-2022"_s};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(row.column(i).toString(), expected[i].toString());
        Statement chapter(db, u"select typeof(state) from zhangjie where zhangjieid=8"_s);
        QVERIFY(chapter.step());
        QCOMPARE(chapter.column(0).toString(), u"integer"_s);
    }

    // Encrypted: no plain SQLite header, and without the key the first statement fails.
    void bankIsEncrypted() {
        const QString path = m_dir.filePath(u"round.dll"_s);
        QVERIFY(!readAll(path).startsWith("SQLite format 3"));
        Database db(path, Database::Mode::ReadOnly);
        try {
            Statement(db, u"select count(*) from shiti2012"_s).step();
            QFAIL("an unkeyed read succeeded");
        } catch (const bank::Error &error) {
            QCOMPARE(error.number(), kNotADatabase);
        }
    }

    void buildReplacesAnExistingFile() {
        const QString path = m_dir.filePath(u"replace.dll"_s);
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("an old, larger file") > 0);
        old.close();
        writeBankFile(m_source, path);
        QCOMPARE(readBankFile(path).bank, m_source);
        QCOMPARE(QDir(m_dir.path()).entryList({u"*replace*"_s}, QDir::Files | QDir::Hidden),
                 QStringList{u"replace.dll"_s});
    }

    // A build that fails leaves the earlier file byte for byte, and no temporary file.
    void failedBuildLeavesTargetAsItWas_data() {
        QTest::addColumn<bool>("targetIsFolder");
        QTest::newRow("rows the database refuses (duplicate id)") << false;
        QTest::newRow("target cannot be replaced (a folder)") << true;
    }
    void failedBuildLeavesTargetAsItWas() {
        QFETCH(bool, targetIsFolder);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"out.dll"_s);
        const QByteArray before = "previous bank bytes";
        Bank bank = m_source;
        if (targetIsFolder) {
            QVERIFY(QDir().mkpath(path + u"/inside"_s));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
            bank.questions.append(bank.questions.first());
        }
        QVERIFY_THROWS_EXCEPTION(bank::Error, writeBankFile(bank, path));
        if (targetIsFolder)
            QVERIFY(QFileInfo(path).isDir());
        else
            QCOMPARE(readAll(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{u"out.dll"_s});
    }

    void buildIntoMissingFolderFails() {
        const QString path = m_dir.filePath(u"no/such/folder/out.dll"_s);
        QVERIFY_THROWS_EXCEPTION(bank::Error, writeBankFile(m_source, path));
        QVERIFY(!QFileInfo::exists(m_dir.filePath(u"no"_s)));
    }

    // Files that are not banks fail to read, and reading never creates or changes them.
    void unreadableBanks_data() {
        QTest::addColumn<QByteArray>("setupSql"); // empty: write the bytes "not a bank"
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<int>("number");
        QTest::newRow("plain text file") << QByteArray() << QByteArray() << kNotADatabase;
        QTest::newRow("other password")
            << QByteArray("create table zhangjie (x)") << QByteArray("other") << kNotADatabase;
        QTest::newRow("no state column")
            << QByteArray("create table zhangjie (zhangjieid, zhangjiename, state);"
                          "create table shiti2012 (id, question, ans1, ans2, ans3, ans4, ans, "
                          "bmp, flash, txbz, zhangjie)")
            << QByteArray(bank::kBankPassword) << 1;
    }
    void unreadableBanks() {
        QFETCH(QByteArray, setupSql);
        QFETCH(QByteArray, key);
        QFETCH(int, number);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"b.dll"_s);
        if (setupSql.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a bank") > 0);
        } else {
            Database db(path, Database::Mode::Create);
            db.key(key);
            db.exec(QString::fromUtf8(setupSql));
        }
        const QByteArray before = readAll(path);
        try {
            readBankFile(path);
            QFAIL("the file read as a bank");
        } catch (const bank::Error &error) {
            QCOMPARE(error.number(), number);
        }
        QCOMPARE(readAll(path), before);
    }

    void missingBankIsNotCreated() {
        const QString path = m_dir.filePath(u"missing.dll"_s);
        QVERIFY_THROWS_EXCEPTION(bank::Error, readBankFile(path));
        QVERIFY(!QFileInfo::exists(path));
    }

    // Banks from other tools: rows whose numbers are not whole numbers are named by table and
    // row; duplicated ids, numeric types and Null texts read as the program would see them.
    void foreignBank() {
        const QString path = m_dir.filePath(u"foreign.dll"_s);
        writeForeignBank(path,
                         u"insert into zhangjie values (1, 'c', 2), (2.5, 'half', 2);"
                         "insert into shiti2012 values (5, 'q', '正确', '错误', null, null, '1', "
                         "null, null, 1, '', 1), (5, 'q', '正确', '错误', null, null, '1', null, "
                         "null, 2, '', 1), ('x', 'q', '正确', '错误', null, null, '1', null, "
                         "null, 1, '', 1), (6, null, '正确', '错误', null, null, null, null, null, "
                         "'1', '', null);"_s);
        const ReadBank read = readBankFile(path);
        QStringList problems;
        for (const Problem &problem : read.problems + checkBank(read.bank))
            problems.append(describe(u"f"_s, problem));
        QCOMPARE(problems, (QStringList{
                               u"f: zhangjie row 2: zhangjieid \"2.5\" is not a whole number"_s,
                               u"f: shiti2012 row 3: zhangjie \"Null\" is not a whole number"_s,
                               u"f: shiti2012 row 4: id \"x\" is not a whole number"_s,
                               u"f: question 5: id used by 2 questions"_s,
                               u"f: question 5: a multi-answer question (type 2) has only one "
                               "answer digit"_s,
                           }));
        QCOMPARE(read.bank.questions.size(), 2);
        QCOMPARE(read.bank.questions[1].type, u"2"_s);
        QVERIFY(!read.bank.explained);
        QCOMPARE(read.bank.questions[0].explanation, std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestBankFile)
#include "tst_bankfile.moc"
