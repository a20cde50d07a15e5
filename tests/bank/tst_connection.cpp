// Connection text, opening a bank and each way opening fails without touching the file.
#include "bank/bankformat.h"
#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/error.h"
#include "bank/openfailure.h"
#include "bank/recordset.h"
#include "bank/schema.h"
#include "bank/sqlite.h"
#include "fixturebank.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray checksum(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QString jetText(const QString &dataSource, const QString &password) {
    return u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source="_s + dataSource +
           u";jet oledb:database password="_s + password;
}

qint64 countQuestions(bank::Connection &connection) {
    bank::RecordSet set;
    set.open(u"select id from shiti2012"_s, connection);
    return set.recordCount();
}

} // namespace

class TestConnection : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_bank;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_bank = path(u"aqc.dll"_s);
        fixture::writeBank(m_bank, {{1, u"one"_s, 2}},
                           {fixture::choice(1, 1), fixture::choice(2, 1), fixture::choice(3, 9)});
    }

    void connectionStringIsTheEditionText_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        QTest::newRow("light") << u"C:\\Program Files\\safedrive"_s << u"\\aqc.dll"_s
                               << u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\Program "
                                  "Files\\safedrive\\aqc.dll;jet oledb:database "
                                  "password=Tq4vLm8rXc2nWp6s"_s;
        QTest::newRow("heavy") << u"/opt/sd"_s << u"\\aqab.dll"_s
                               << u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/sd\\aqab.dll;"
                                  "jet oledb:database password=Tq4vLm8rXc2nWp6s"_s;
    }
    void connectionStringIsTheEditionText() {
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QString, expected);
        QCOMPARE(bank::BankConnectionString(folder, file), expected);
    }

    // The text is read with key names in any case and blanks around `=` and `;`, and `\` in
    // the Data Source is a separator here too.
    void opensWithTextVariants_data() {
        QTest::addColumn<QString>("text");
        const QString pw = QLatin1String(bank::kBankPassword);
        const QString dir = m_dir.path();
        QTest::newRow("edition text") << bank::BankConnectionString(dir, u"\\aqc.dll"_s);
        QTest::newRow("backslashes")
            << jetText(QString(dir).replace(u'/', u'\\') + u"\\aqc.dll"_s, pw);
        QTest::newRow("key case") << u"PROVIDER=microsoft.jet.oledb.4.0;DATA SOURCE="_s + m_bank +
                                         u";Jet OLEDB:Database Password="_s + pw;
        QTest::newRow("blanks") << u" Provider = Microsoft.Jet.OLEDB.4.0 ; Data Source = "_s +
                                       m_bank + u" ; jet oledb:database password = "_s + pw +
                                       u" ;"_s;
        QTest::newRow("other order") << u"jet oledb:database password="_s + pw +
                                            u";Data Source="_s + m_bank +
                                            u";Provider=Microsoft.Jet.OLEDB.4.0"_s;
    }
    void opensWithTextVariants() {
        QFETCH(QString, text);
        bank::Connection connection;
        connection.setConnectionString(text);
        QCOMPARE(connection.connectionString(), text);
        connection.open();
        QVERIFY(connection.isOpen());
        QVERIFY(!connection.isReadOnly());
        QCOMPARE(countQuestions(connection), 3);
        connection.close();
        QVERIFY(!connection.isOpen());
    }

    // Every failure throws at open, says why in the learner's words and leaves the file exactly
    // as it was (or absent).
    void openFailsAndLeavesFileAlone_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content"); // written first unless "missing"
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("provider");
        QTest::addColumn<QString>("reason");
        const QString pw = QLatin1String(bank::kBankPassword);
        const QString jet = u"Microsoft.Jet.OLEDB.4.0"_s;
        QByteArray noise(8192, 0);
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919 + 13) % 251);
        const QString missing = u"文件不存在"_s, notABank = u"不是题库文件"_s,
                      wrongPassword = u"密码错误"_s;
        QTest::newRow("missing") << u"missing.dll"_s << QByteArray("missing") << pw << jet
                                 << missing;
        QTest::newRow("empty") << u"empty.dll"_s << QByteArray() << pw << jet << notABank;
        QTest::newRow("short") << u"short.dll"_s << QByteArray("0123456789") << pw << jet
                               << notABank;
        QTest::newRow("text") << u"text.dll"_s << QByteArray("这不是题库。\n").repeated(40) << pw
                              << jet << notABank;
        // Whole pages of noise cannot be told from a bank encrypted under another key.
        QTest::newRow("noise") << u"noise.dll"_s << noise << pw << jet << wrongPassword;
        QTest::newRow("plain sqlite header")
            << u"plain.dll"_s << QByteArray("SQLite format 3\0", 16) + noise << pw << jet
            << notABank;
        QTest::newRow("wrong password")
            << u"aqc.dll"_s << QByteArray() << u"Tq4vLm8rXc2nWp6S"_s << jet << wrongPassword;
        QTest::newRow("no password")
            << u"aqc.dll"_s << QByteArray() << QString() << jet << wrongPassword;
        QTest::newRow("other provider")
            << u"aqc.dll"_s << QByteArray() << pw << u"Microsoft.ACE.OLEDB.12.0"_s
            << u"无法读取（Provider cannot be found: "
               "Microsoft.ACE.OLEDB.12.0）"_s;
    }
    void openFailsAndLeavesFileAlone() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, password);
        QFETCH(QString, provider);
        QFETCH(QString, reason);
        const QString target = path(file);
        if (file != u"aqc.dll"_s && content != "missing") {
            QFile out(target);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(content);
        }
        const QByteArray before = checksum(target);
        const qint64 sizeBefore = QFileInfo(target).size();

        bank::Connection connection;
        connection.setConnectionString(u"Provider="_s + provider + u";Data Source="_s + target +
                                       u";jet oledb:database password="_s + password);
        try {
            connection.open();
            QFAIL("the bank opened");
        } catch (const bank::Error &error) {
            QCOMPARE(bank::openFailureReason(error), reason);
        }
        QVERIFY(!connection.isOpen());
        QVERIFY_THROWS_EXCEPTION(bank::Error,
                                 connection.execute(u"update shiti2012 set state=''"_s));

        QCOMPARE(QFileInfo::exists(target), content != "missing" || file == u"aqc.dll"_s);
        QCOMPARE(checksum(target), before);
        QCOMPARE(QFileInfo(target).size(), sizeBefore);
        QVERIFY(!QFileInfo::exists(target + u"-journal"_s));
    }

    void textNamingNoBankFails_data() {
        QTest::addColumn<QString>("text");
        const QString pw = u";jet oledb:database password="_s + QLatin1String(bank::kBankPassword);
        QTest::newRow("no data source") << u"Provider=Microsoft.Jet.OLEDB.4.0"_s + pw;
        QTest::newRow("empty data source")
            << u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source="_s + pw;
        QTest::newRow("folder") << u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source="_s +
                                       m_dir.path() + pw;
        QTest::newRow("no provider") << u"Data Source="_s + m_bank + pw;
        QTest::newRow("empty text") << QString();
    }
    void textNamingNoBankFails() {
        QFETCH(QString, text);
        bank::Connection connection;
        connection.setConnectionString(text);
        QVERIFY_THROWS_EXCEPTION(bank::Error, connection.open());
        QVERIFY(!connection.isOpen());
    }

    // A bank without the question table or one of its columns opens; its first statement says
    // what is missing.
    void missingTableOrColumnIsNamed_data() {
        QTest::addColumn<QString>("schema");
        QTest::newRow("no question table")
            << u"create table zhangjie (zhangjieid integer, zhangjiename text, state integer)"_s;
        QTest::newRow("no state column") << u"create table shiti2012 (id integer, question text)"_s;
    }
    void missingTableOrColumnIsNamed() {
        QFETCH(QString, schema);
        const QString file = path(u"partial.dll"_s);
        QFile::remove(file);
        {
            bank::sqlite::Database db(file, bank::sqlite::Database::Mode::Create);
            db.key(QByteArray(bank::kBankPassword));
            db.exec(schema);
        }
        bank::Connection connection;
        connection.setConnectionString(jetText(file, QLatin1String(bank::kBankPassword)));
        connection.open();
        try {
            connection.execute(u"update shiti2012 set state=''"_s);
            QFAIL("the update ran");
        } catch (const bank::Error &error) {
            QCOMPARE(bank::openFailureReason(error), u"缺少表或列"_s);
        }
    }

    void wrongPasswordIsNamed() {
        bank::Connection connection;
        connection.setConnectionString(jetText(m_bank, u"wrong"_s));
        try {
            connection.open();
            QFAIL("a wrong password opened the bank");
        } catch (const bank::Error &error) {
            QCOMPARE(error.number(), bank::errors::WrongPassword);
        }
    }

    // A bank made by the sqlcipher shell with the passphrase at its default settings opens.
    void opensBankOfTheSqlcipherShell() {
        const QString shell = QStandardPaths::findExecutable(u"sqlcipher"_s);
        if (shell.isEmpty())
            QSKIP("the sqlcipher shell is not installed");
        const QString file = path(u"shell.dll"_s);
        QProcess process;
        process.start(shell, {file});
        process.write("PRAGMA key='" + QByteArray(bank::kBankPassword) + "';\n" +
                      bank::schemaSql().toUtf8() +
                      "\ninsert into shiti2012 (id, question, zhangjie) values (7, 'q', 1);\n"
                      ".quit\n");
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 0);

        bank::Connection connection;
        connection.setConnectionString(bank::BankConnectionString(m_dir.path(), u"\\shell.dll"_s));
        connection.open();
        bank::RecordSet set;
        set.open(u"select id,question from shiti2012"_s, connection);
        QCOMPARE(set.recordCount(), 1);
        QCOMPARE(set.field(u"id"_s), QVariant(qint64(7)));
    }

    // The bank format is SQLCipher 3's, which a 4.x client reads once told so.
    void writesTheBankFormat() {
        const QString file = path(u"format.dll"_s);
        fixture::writeBank(file, {{1, u"one"_s, 2}},
                           {fixture::choice(1, 1), fixture::choice(2, 1)});
        bank::sqlite::Database db(file, bank::sqlite::Database::Mode::ReadOnly);
        db.key(QByteArray(bank::kBankPassword));
        if (bank::cipherMajorVersion() >= 4)
            db.exec(u"PRAGMA cipher_compatibility = 3"_s);
        bank::sqlite::Statement count(db, u"select count(*) from shiti2012"_s);
        QVERIFY(count.step());
        QCOMPARE(count.columnInt64(0), 2);
    }

    // A bank another tool wrote with SQLCipher 4's defaults opens, and keeps answers, where
    // the library is 4.x.
    void opensBankInSqlcipher4Format() {
        if (bank::cipherMajorVersion() < 4)
            QSKIP(qPrintable(
                u"SQLCipher %1 cannot read SQLCipher 4's format"_s.arg(bank::cipherVersion())));
        fixture::writeBank(path(u"four.dll"_s), {{1, u"one"_s, 2}},
                           {fixture::choice(1, 1), fixture::choice(2, 1)},
                           {.settings = fixture::kSqlcipher4Defaults});
        bank::Connection connection;
        connection.setConnectionString(bank::BankConnectionString(m_dir.path(), u"\\four.dll"_s));
        connection.open();
        connection.execute(u"update shiti2012 set state='B'"_s);
        connection.close();
        connection.open();
        bank::RecordSet set;
        set.open(u"select id,state from shiti2012 order by id"_s, connection);
        QCOMPARE(set.recordCount(), 2);
        QCOMPARE(set.field(u"state"_s), QVariant(u"B"_s));
    }

    // A bank in neither format fails at open, naming the file and the formats tried, and
    // stays exactly as it was.
    void foreignFormatFailsNamingTheFile_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("settings");
        const QString pw = QLatin1String(bank::kBankPassword);
        const QString other = u"Tq4vLm8rXc2nWp6S"_s;
        QTest::newRow("other password") << other << QByteArray();
        QTest::newRow("page size 4096") << pw << QByteArray("PRAGMA cipher_page_size = 4096;");
        QTest::newRow("kdf_iter 4000") << pw << QByteArray("PRAGMA kdf_iter = 4000;");
        QTest::newRow("SQLCipher 4 defaults, other password")
            << other << QByteArray(fixture::kSqlcipher4Defaults);
    }
    void foreignFormatFailsNamingTheFile() {
        QFETCH(QString, password);
        QFETCH(QByteArray, settings);
        const QString file = path(u"foreign.dll"_s);
        fixture::writeBank(file, {{1, u"one"_s, 2}}, {fixture::choice(1, 1)}, {password, settings});
        const QByteArray before = checksum(file);

        bank::Connection connection;
        connection.setConnectionString(
            bank::BankConnectionString(m_dir.path(), u"\\foreign.dll"_s));
        try {
            connection.open();
            QFAIL("a bank in a foreign format opened");
        } catch (const bank::Error &error) {
            QCOMPARE(error.number(), 26); // SQLITE_NOTADB
            QVERIFY2(error.description().contains(u"'"_s + file + u"'"_s),
                     qPrintable(error.description()));
            QVERIFY2(error.description().contains(u"tried the bank format"_s),
                     qPrintable(error.description()));
            if (bank::cipherMajorVersion() >= 4)
                QVERIFY2(error.description().contains(bank::cipherVersion() + u"'s own defaults"_s),
                         qPrintable(error.description()));
        }
        QVERIFY(!connection.isOpen());
        QCOMPARE(checksum(file), before);
        QVERIFY(!QFileInfo::exists(file + u"-journal"_s));
    }

    void secondStatementIsRefused() {
        bank::Connection connection;
        connection.setConnectionString(jetText(m_bank, QLatin1String(bank::kBankPassword)));
        connection.open();
        QVERIFY_THROWS_EXCEPTION(
            bank::Error,
            connection.execute(u"update shiti2012 set state='A'; drop table zhangjie"_s));
        bank::RecordSet chapters;
        chapters.open(u"select zhangjieid from zhangjie"_s, connection);
        QCOMPARE(chapters.recordCount(), 1);
        chapters.close();
        QCOMPARE(countQuestions(connection), 3);
    }

    void openTwiceAndReopenAfterClose() {
        bank::Connection connection;
        connection.setConnectionString(jetText(m_bank, QLatin1String(bank::kBankPassword)));
        connection.open();
        QVERIFY_THROWS_EXCEPTION(bank::Error, connection.open());
        connection.close();
        connection.close(); // closing a closed connection does nothing
        connection.open();
        QCOMPARE(countQuestions(connection), 3);
    }
};

QTEST_GUILESS_MAIN(TestConnection)
#include "tst_connection.moc"
