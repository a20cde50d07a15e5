// A Jet bank opened through the connection: the SQLCipher copy in the cache folder takes the
// answer reset and the answers, is built once and anew when the Jet file changes, and the Jet
// file itself is never written. Every bad input fails with a message naming the file, leaves the
// Jet file as it was and leaves no copy, whole or half, in the cache folder.
#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/error.h"
#include "bank/jeterror.h"
#include "bank/recordset.h"
#include "jetbank.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray checksum(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Every file below `folder`.
QStringList filesBelow(const QString &folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    return files;
}

QList<fixture::Question> questions() {
    fixture::Question chinese = fixture::choice(1, 1, u"2"_s);
    chinese.question = u"驾驶机动车在道路上行驶，驾驶人应当随身携带驾驶证。"_s;
    chinese.ans1 = u"正确"_s;
    chinese.ans2 = u"错误"_s;
    chinese.ans3 = QVariant();
    chinese.ans4 = QString();
    chinese.bmp = u"\\sign_stop.png"_s;
    chinese.state = u"A"_s; // left from a run of the original system
    fixture::Question clip = fixture::choice(2, 1, u"3"_s);
    clip.type = u"3"_s;
    clip.flash = u"\\clip_tire_blowout.webm"_s;
    return {chinese, clip, fixture::choice(3, 2, u"1"_s), fixture::choice(4, 9, u"4"_s)};
}

using Spoil = std::function<void(const QString &)>; // makes a bad input of the bank file

const QString kSequential = u"select question,ans1,ans2,ans3,ans4,ans,bmp,flash,txbz,state from "
                            "shiti2012 where zhangjie<=7 order by id asc"_s;

} // namespace

Q_DECLARE_METATYPE(Spoil)

class JetBankTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_folder; // the program folder
    QString m_cache;  // XDG_CACHE_HOME

    QString bankPath() const { return m_folder + u"/aqc.dll"_s; }

    void open(bank::Connection &connection) const {
        connection.setConnectionString(bank::BankConnectionString(m_folder, u"\\aqc.dll"_s));
        connection.open();
    }

    QStringList copies() const { return filesBelow(m_cache); }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_folder = m_dir.filePath(u"program"_s);
        m_cache = m_dir.filePath(u"cache"_s);
        QDir(m_folder).removeRecursively();
        QDir(m_cache).removeRecursively();
        QVERIFY(QDir().mkpath(m_folder));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache));
        jetfixture::writeJetBank(bankPath(), {{1, u"第一章"_s, 2}, {2, u"第二章"_s, 1}},
                                 questions());
    }

    // What the program does at a mode switch and an answer, on the copy; the Jet file stays.
    void answersAreStoredInTheCopy() {
        const QByteArray jetBefore = checksum(bankPath());
        {
            bank::Connection connection;
            open(connection);
            connection.execute(u"update shiti2012 set state=''"_s);
            bank::RecordSet set;
            set.open(kSequential, connection);
            QCOMPARE(set.recordCount(), 3);
            QCOMPARE(set.field(u"question"_s),
                     QVariant(u"驾驶机动车在道路上行驶，驾驶人应当随身携带驾驶证。"_s));
            QCOMPARE(set.field(u"ans3"_s), QVariant());
            QCOMPARE(set.field(u"ans4"_s), QVariant(QString()));
            QCOMPARE(set.field(u"bmp"_s), QVariant(u"\\sign_stop.png"_s));
            QCOMPARE(set.field(u"state"_s), QVariant(QString()));
            set.setField(u"state"_s, u"B"_s);
            set.moveNext();
            QCOMPARE(set.field(u"flash"_s), QVariant(u"\\clip_tire_blowout.webm"_s));
            QVERIFY(!connection.isReadOnly());
        }
        QCOMPARE(checksum(bankPath()), jetBefore);
        QCOMPARE(copies().size(), 1);

        // A later open finds the same copy with the answer in it: it is not built again.
        bank::Connection connection;
        open(connection);
        bank::RecordSet set;
        set.open(u"select state from shiti2012 where id=1"_s, connection);
        QCOMPARE(set.field(u"state"_s), QVariant(u"B"_s));
        QCOMPARE(copies().size(), 1);
        QCOMPARE(checksum(bankPath()), jetBefore);
    }

    void aChangedJetFileGetsANewCopy() {
        {
            bank::Connection connection;
            open(connection);
            connection.execute(u"update shiti2012 set state='C'"_s);
        }
        QList<fixture::Question> more = questions();
        more.append(fixture::choice(5, 3));
        jetfixture::writeJetBank(bankPath(), {{1, u"第一章"_s, 2}}, more);

        bank::Connection connection;
        open(connection);
        bank::RecordSet set;
        set.open(u"select id, state from shiti2012 order by id"_s, connection);
        QCOMPARE(set.recordCount(), 5);
        QCOMPARE(set.field(u"state"_s), QVariant(u"A"_s)); // as the new Jet file holds it
        QCOMPARE(copies().size(), 2);
    }

    // A connection text with Mode=Read keeps the answers in memory, the copy as built.
    void readOnlyTextLeavesTheCopyAsBuilt() {
        bank::Connection connection;
        connection.setConnectionString(bank::BankConnectionString(m_folder, u"\\aqc.dll"_s) +
                                       u";Mode=Read"_s);
        connection.open();
        QVERIFY(connection.isReadOnly());
        connection.execute(u"update shiti2012 set state='D'"_s);
        connection.close();
        bank::Connection again;
        open(again);
        bank::RecordSet set;
        set.open(u"select state from shiti2012 where id=1"_s, again);
        QCOMPARE(set.field(u"state"_s), QVariant(u"A"_s));
    }

    void badInputFailsCleanly_data() {
        QTest::addColumn<Spoil>("spoil");
        QTest::addColumn<int>("number");
        const auto truncate = [](qint64 bytes) {
            return [bytes](const QString &path) {
                QFile file(path);
                QVERIFY(file.resize(bytes < 0 ? file.size() + bytes : bytes));
            };
        };
        const auto header = [](char version) {
            return [version](const QString &path) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(0x14));
                file.write(&version, 1);
            };
        };
        const auto tables = [](std::function<void(jetfixture::Database &)> change) {
            return [change](const QString &path) {
                jetfixture::Database database = jetfixture::questionBank({}, questions());
                change(database);
                jetfixture::writeJetFile(path, database);
            };
        };
        QTest::newRow("truncated inside a page")
            << Spoil(truncate(-100)) << int(bank::JetProblem::Damaged);
        QTest::newRow("last page cut off")
            << Spoil(truncate(-4096)) << int(bank::JetProblem::Damaged);
        QTest::newRow("only the header page")
            << Spoil(truncate(4096)) << int(bank::JetProblem::Damaged);
        QTest::newRow("page of a long text cut off") << Spoil([](const QString &path) {
            fixture::Question longValue = fixture::choice(7, 1);
            longValue.question = QString(3000, u'长');
            jetfixture::Database database =
                jetfixture::questionBank({}, {fixture::choice(6, 1), longValue});
            std::swap(database.tables[0], database.tables[1]); // shiti2012's pages last
            jetfixture::writeJetFile(path, database);
            QFile file(path);
            QVERIFY(file.resize(file.size() - 4096));
        }) << int(bank::JetProblem::Damaged);
        QTest::newRow("Jet 3") << Spoil(header(0)) << int(bank::JetProblem::Format);
        QTest::newRow("Access 2007") << Spoil(header(2)) << int(bank::JetProblem::Format);
        QTest::newRow("no shiti2012")
            << Spoil(tables([](jetfixture::Database &d) { d.tables.removeFirst(); }))
            << int(bank::JetProblem::MissingTable);
        QTest::newRow("no zhangjie")
            << Spoil(tables([](jetfixture::Database &d) { d.tables.removeLast(); }))
            << int(bank::JetProblem::MissingTable);
        QTest::newRow("no txbz column") << Spoil(tables([](jetfixture::Database &d) {
            d.tables[0].columns.removeAt(9);
            for (QVariantList &row : d.tables[0].rows)
                row.removeAt(9);
        })) << int(bank::JetProblem::MissingColumn);
        QTest::newRow("cache folder cannot be made") << Spoil([this](const QString &) {
            // A file where the cache folder should be: not even root can make it a folder.
            QFile blocker(m_cache);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }) << int(bank::JetProblem::CacheNotWritable);
    }
    void badInputFailsCleanly() {
        QFETCH(Spoil, spoil);
        QFETCH(int, number);
        spoil(bankPath());
        if (QTest::currentTestFailed())
            return;
        const QByteArray before = checksum(bankPath());
        bank::Connection connection;
        try {
            open(connection);
            QFAIL("a bad Jet bank was opened");
        } catch (const bank::Error &error) {
            QCOMPARE(error.number(), number);
            QVERIFY2(error.description().contains(bankPath()), qPrintable(error.description()));
        }
        QVERIFY(!connection.isOpen());
        QCOMPARE(checksum(bankPath()), before);
        QVERIFY2(!QFileInfo(m_cache).isDir() || copies().isEmpty(),
                 qPrintable(copies().join(u' ')));
    }
};

QTEST_GUILESS_MAIN(JetBankTest)
#include "tst_jetbank.moc"
