// A writer killed at random moments while it stores answers leaves a bank that opens with the
// password and passes SQLite's integrity check.
#include "bank/bankformat.h"
#include "bank/connection.h"
#include "bank/connectionstring.h"
#include "bank/recordset.h"
#include "bank/schema.h"
#include "bank/sqlite.h"
#include "fixturebank.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kKills = 15;
constexpr int kQuestions = 80;

// Checked the way any SQLCipher client would: passphrase key in the bank format, then
// PRAGMA integrity_check.
QString integrity(const QString &path) {
    bank::sqlite::Database db(path, bank::sqlite::Database::Mode::ReadWrite);
    db.key(QByteArray(bank::kBankPassword));
    bank::applyBankFormat(db.handle());
    bank::sqlite::Statement check(db, u"PRAGMA integrity_check"_s);
    QStringList lines;
    while (check.step())
        lines.append(check.column(0).toString());
    return lines.join(u'\n');
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

private slots:
    void killedWriterLeavesSoundBank() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString bankPath = dir.filePath(u"aqc.dll"_s);
        QList<fixture::Question> questions;
        for (qint64 id = 1; id <= kQuestions; ++id) {
            fixture::Question q = fixture::choice(id, 1 + id % 8);
            q.question = QString(u"Q"_s + QString::number(id) + QString(200, u'题'));
            questions.append(q);
        }
        fixture::writeBank(bankPath, {{1, u"one"_s, 2}}, questions);
        const QString writer = QCoreApplication::applicationDirPath() + u"/bankwriter"_s;

        for (int kill = 0; kill < kKills; ++kill) {
            QProcess process;
            process.start(writer, {dir.path()});
            QVERIFY2(process.waitForStarted(), qPrintable(process.errorString()));
            // Killed only once it is storing; then at a random moment within a few rounds.
            while (!process.canReadLine())
                QVERIFY2(process.waitForReadyRead(20000), process.readAllStandardError());
            QThread::msleep(QRandomGenerator::global()->bounded(250));
            process.kill();
            QVERIFY(process.waitForFinished(20000));
            QCOMPARE(process.exitStatus(), QProcess::CrashExit);

            QCOMPARE(integrity(bankPath), u"ok"_s);
            bank::Connection connection;
            connection.setConnectionString(bank::BankConnectionString(dir.path(), u"\\aqc.dll"_s));
            connection.open();
            QVERIFY(!connection.isReadOnly());
            bank::RecordSet set;
            set.open(u"select id,state from shiti2012 order by id"_s, connection);
            QCOMPARE(set.recordCount(), kQuestions);
        }
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
