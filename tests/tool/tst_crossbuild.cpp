// Banks across two builds on different SQLCipher versions, this one and the build folder
// SAFEDRIVE_OTHER_BUILD: the other build's shipped banks open here, and a bank either build's tool
// writes opens with the other.
#include "bankfile.h"
#include "sourceparser.h"
#include "sourcewriter.h"

#include "bank/bankformat.h"
#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/recordset.h"
#include "fixturebank.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kOtherBuild = QStringLiteral(SAFEDRIVE_OTHER_BUILD);

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The other build's bank tool, run to its end.
Run runOtherTool(const QStringList &arguments) {
    QProcess tool;
    tool.start(kOtherBuild + u"/tools/bank/safedrive-bank"_s, arguments);
    if (!tool.waitForFinished(120000) || tool.exitStatus() != QProcess::NormalExit)
        return {};
    return {tool.exitCode(), tool.readAllStandardOutput(), tool.readAllStandardError()};
}

QString editionSource(const QString &edition) {
    return QStringLiteral(SAFEDRIVE_EDITIONS) + u'/' + edition + u"/bank.json"_s;
}

banktool::Bank sourceBank(const QString &edition) {
    QFile file(editionSource(edition));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return banktool::parseSource(file.readAll()).bank;
}

// The question count of sequential practice, through the connection the trainer uses.
qint64 sequentialCount(const QString &folder, const QString &file) {
    bank::Connection connection;
    connection.setConnectionString(bank::BankConnectionString(folder, u"\\"_s + file));
    connection.open();
    bank::RecordSet set;
    set.open(u"select question,ans1,ans2,ans3,ans4,ans,bmp,flash,txbz,state from shiti2012 "
             "where zhangjie<=7 order by id asc"_s,
             connection);
    return set.recordCount();
}

qint64 sequentialCount(const banktool::Bank &bank) {
    return std::ranges::count_if(bank.questions,
                                 [](const banktool::Question &q) { return q.chapter <= 7; });
}

QByteArray checksum(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

} // namespace

class TestCrossBuild : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    static void editions() {
        QTest::addColumn<QString>("edition");
        QTest::addColumn<QString>("file");
        QTest::newRow("light") << u"light"_s << u"aqc.dll"_s;
        QTest::newRow("heavy") << u"heavy"_s << u"aqab.dll"_s;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        const Run version = runOtherTool({u"help"_s});
        QVERIFY2(version.exitCode == 0, "the other build's safedrive-bank does not run");
        qInfo("this build: SQLCipher %s; the other: %s", qPrintable(bank::cipherVersion()),
              qPrintable(kOtherBuild));
    }

    void shippedBankOfTheOtherBuildOpens_data() { editions(); }
    void shippedBankOfTheOtherBuildOpens() {
        QFETCH(QString, edition);
        QFETCH(QString, file);
        const QString shipped = kOtherBuild + u"/editions/"_s + edition + u'/' + file;
        QVERIFY2(QFile::exists(shipped), qPrintable(shipped + u" is not built"_s));
        const QString copy = path(u"shipped-"_s + file);
        QFile::remove(copy);
        QVERIFY(QFile::copy(shipped, copy));

        const banktool::Bank expected = sourceBank(edition);
        QVERIFY(!expected.questions.isEmpty());
        QCOMPARE(banktool::readBankFile(copy).bank, expected);
        QCOMPARE(sequentialCount(m_dir.path(), u"shipped-"_s + file), sequentialCount(expected));
    }

    void bankOfThisBuildOpensWithTheOther_data() { editions(); }
    void bankOfThisBuildOpensWithTheOther() {
        QFETCH(QString, edition);
        QFETCH(QString, file);
        const banktool::Bank source = sourceBank(edition);
        const QString written = path(u"here-"_s + file);
        banktool::writeBankFile(source, written);
        const Run dump = runOtherTool({u"dump"_s, written});
        QVERIFY2(dump.exitCode == 0, dump.err.constData());
        QCOMPARE(dump.out, banktool::toSourceJson(source));
    }

    void bankOfTheOtherBuildOpensHere_data() { editions(); }
    void bankOfTheOtherBuildOpensHere() {
        QFETCH(QString, edition);
        QFETCH(QString, file);
        const QString written = path(u"there-"_s + file);
        const Run build = runOtherTool({u"build"_s, editionSource(edition), written});
        QVERIFY2(build.exitCode == 0, build.err.constData());
        const banktool::Bank expected = sourceBank(edition);
        QCOMPARE(banktool::readBankFile(written).bank, expected);
        QCOMPARE(sequentialCount(m_dir.path(), u"there-"_s + file), sequentialCount(expected));
    }

    // A bank in SQLCipher 4's own format, which only a 4.x build reads: the other build (3.x)
    // refuses it, naming the file and the format it tried, and leaves it alone.
    void sqlcipher4FormatIsRefusedClearlyByTheOther() {
        if (bank::cipherMajorVersion() < 4)
            QSKIP("this build's SQLCipher cannot write SQLCipher 4's format");
        const QString four = path(u"four.dll"_s);
        fixture::writeBank(four, {{1, u"one"_s, 2}}, {fixture::choice(1, 1)},
                           {.settings = fixture::kSqlcipher4Defaults});
        QCOMPARE(sequentialCount(m_dir.path(), u"four.dll"_s), 1);
        const QByteArray before = checksum(four);
        const Run dump = runOtherTool({u"dump"_s, four});
        if (dump.exitCode == 0)
            QSKIP("the other build reads SQLCipher 4's format too");
        QCOMPARE(dump.exitCode, 1);
        const QString message = QString::fromUtf8(dump.err);
        QVERIFY2(message.startsWith(four + u": cannot read the bank: "_s), qPrintable(message));
        QVERIFY2(message.contains(u"'"_s + four + u"' (tried the bank format"_s),
                 qPrintable(message));
        QCOMPARE(checksum(four), before);
    }
};

QTEST_GUILESS_MAIN(TestCrossBuild)
#include "tst_crossbuild.moc"
