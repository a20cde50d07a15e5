// A writer killed in the middle of its answers leaves a store that opens, checks clean, and
// whose book and totals agree with the answers it holds.
#include "bank/sqlite.h"
#include "storefixture.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestProgressKill : public QObject {
    Q_OBJECT
private slots:
    void storeSurvivesKills();
};

void TestProgressKill::storeSurvivesKills() {
    progresstest::StoreFolder folder;
    const QString writer = QCoreApplication::applicationDirPath() + u"/progresswriter"_s;
    for (int round = 0; round < 12; ++round) {
        QProcess process;
        process.start(writer, {folder.path()});
        QVERIFY(process.waitForReadyRead(10000));
        QTest::qWait(int(QRandomGenerator::global()->bounded(5, 60)));
        process.kill();
        QVERIFY(process.waitForFinished(10000));
    }
    {
        bank::sqlite::Database db(folder.path(), bank::sqlite::Database::Mode::ReadWrite);
        bank::sqlite::Statement check(db, u"pragma integrity_check"_s);
        QVERIFY(check.step());
        QCOMPARE(check.column(0).toString(), u"ok"_s);
        bank::sqlite::Statement totals(
            db, u"select (select count(*) from answer), (select sum(answered) from seen)"_s);
        totals.step();
        QVERIFY(totals.columnInt64(0) >= 12);
        QCOMPARE(totals.columnInt64(1), totals.columnInt64(0));
    }
    progress::ProgressStore store(folder.path());
    QVERIFY2(store.isRecording(), qPrintable(store.problem()));
    QList<progress::QuestionRef> bank;
    for (qint64 id = 1; id <= 40; ++id)
        bank.append({{id, progress::questionHash(QString::number(id), {}, u"1"_s)}, 1});
    store.setBankQuestions(bank);
    const QList<qint64> book = store.bookIds();
    store.setRightsToLeave(progress::ProgressStore::kDefaultRightsToLeave); // rebuilt from answers
    QCOMPARE(store.bookIds(), book);
}

QTEST_GUILESS_MAIN(TestProgressKill)
#include "tst_progresskill.moc"
