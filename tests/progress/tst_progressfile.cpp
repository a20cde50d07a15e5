// The store's file: migrations from every earlier version, and every way the file can go bad
// (corrupt, newer, locked by a second copy, read-only) without losing what it holds.
#include "bank/sqlite.h"
#include "progress/schema.h"
#include "storefixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <unistd.h>

using namespace progress;
using namespace progresstest;
using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray fileHash(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// A store left at an older version: its steps applied by hand, with one answer in it.
void writeStoreAtVersion(const QString &path, int version) {
    bank::sqlite::Database db(path, bank::sqlite::Database::Mode::Create);
    for (int step = 0; step < version; ++step)
        for (const QString &sql : schemaSteps()[step])
            db.exec(sql);
    if (version >= 1) {
        const QuestionRef q = question(12, 2);
        db.exec(u"insert into question values(1, 12, '%1', 2)"_s.arg(q.identity.hash));
        db.exec(u"insert into answer values(1, 1700000000000, 'sequential', 1, 'B', 0, 900)"_s);
        db.exec(u"insert into seen values(1, 1, 0)"_s);
        db.exec(u"insert into book values(1, 0)"_s);
    }
    db.exec(u"pragma user_version = %1"_s.arg(version));
}

} // namespace

class TestProgressFile : public QObject {
    Q_OBJECT
private slots:
    void migratesFromEveryEarlierVersion_data();
    void migratesFromEveryEarlierVersion();
    void newerStoreIsLeftAlone();
    void corruptStoreIsSetAside_data();
    void corruptStoreIsSetAside();
    void secondCopyDoesNotRecord();
    void storeFailingInUseStopsOnce();
    void readOnlyStore();
};

void TestProgressFile::migratesFromEveryEarlierVersion_data() {
    QTest::addColumn<int>("version");
    for (int version = 0; version < currentSchemaVersion(); ++version)
        QTest::addRow("from version %d", version) << version;
}

void TestProgressFile::migratesFromEveryEarlierVersion() {
    QFETCH(int, version);
    StoreFolder folder;
    writeStoreAtVersion(folder.path(), version);
    {
        ProgressStore store(folder.path());
        QVERIFY2(store.isRecording(), qPrintable(store.problem()));
        const QuestionRef q = question(12, 2);
        store.setBankQuestions({q});
        QCOMPARE(store.bookIds(), version >= 1 ? QList<qint64>{12} : QList<qint64>{});
        store.recordAnswer(answer(q, true, 50));
        QCOMPARE(store.allData().answers.size(), version >= 1 ? 2 : 1);
    }
    bank::sqlite::Database db(folder.path(), bank::sqlite::Database::Mode::ReadOnly);
    QCOMPARE(schemaVersion(db), currentSchemaVersion());
    bank::sqlite::Statement indexes(
        db, u"select count(*) from sqlite_master where type = 'index' and name like '%_by_%'"_s);
    indexes.step();
    QCOMPARE(indexes.columnInt64(0), 2);
}

void TestProgressFile::newerStoreIsLeftAlone() {
    StoreFolder folder;
    writeStoreAtVersion(folder.path(), currentSchemaVersion());
    {
        bank::sqlite::Database db(folder.path(), bank::sqlite::Database::Mode::ReadWrite);
        db.exec(u"pragma user_version = %1"_s.arg(currentSchemaVersion() + 1));
    }
    const QByteArray before = fileHash(folder.path());
    {
        ProgressStore store(folder.path());
        QVERIFY(!store.isRecording());
        QVERIFY(store.problem().contains(u"较新版本"_s));
        store.recordAnswer(answer(question(1), false, 0)); // quietly not recorded
        QCOMPARE(store.summary().total, 0);
    }
    QCOMPARE(fileHash(folder.path()), before);
    QVERIFY(!QFile::exists(folder.path() + u"-wal"_s));
}

void TestProgressFile::corruptStoreIsSetAside_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not a database") << QByteArray("this is no store\n").repeated(200);
    QByteArray header("SQLite format 3\0", 16);
    QTest::newRow("damaged after its header") << header + QByteArray(8192, '\xa5');
}

void TestProgressFile::corruptStoreIsSetAside() {
    QFETCH(QByteArray, content);
    StoreFolder folder;
    {
        QFile file(folder.path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    ProgressStore store(folder.path());
    QVERIFY2(store.isRecording(), qPrintable(store.problem()));
    QVERIFY(store.setAsidePath().startsWith(folder.path() + u".corrupt-"_s));
    QFile aside(store.setAsidePath());
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), content); // kept as it was, never overwritten
    const QuestionRef q = question(1);
    store.setBankQuestions({q});
    store.recordAnswer(answer(q, false, 0));
    QCOMPARE(store.bookIds(), QList<qint64>{1});
}

void TestProgressFile::secondCopyDoesNotRecord() {
    StoreFolder folder;
    ProgressStore first(folder.path());
    QVERIFY(first.isRecording());
    ProgressStore second(folder.path());
    QVERIFY(!second.isRecording());
    QVERIFY(second.problem().contains(u"另一个正在运行的 SafeDrive"_s));
    const QuestionRef q = question(2);
    first.setBankQuestions({q});
    second.recordAnswer(answer(q, false, 0));
    first.recordAnswer(answer(q, true, 1));
    QCOMPARE(first.allData().answers.size(), 1);
}

void TestProgressFile::storeFailingInUseStopsOnce() {
    StoreFolder folder;
    ProgressStore store(folder.path());
    QSignalSpy stopped(&store, &ProgressStore::recordingStopped);
    const QuestionRef q = question(3);
    store.setBankQuestions({q});
    store.recordAnswer(answer(q, false, 0));
    {
        // Another program takes the write lock and keeps it.
        bank::sqlite::Database other(folder.path(), bank::sqlite::Database::Mode::ReadWrite);
        other.exec(u"begin exclusive"_s);
        store.recordAnswer(answer(q, true, 1));
        store.recordAnswer(answer(q, true, 2));
        other.exec(u"rollback"_s);
    }
    QCOMPARE(stopped.size(), 1);
    QVERIFY(!store.isRecording());
    QVERIFY(stopped[0][0].toString().contains(u"占用"_s));
    ProgressStore again(folder.path()); // the first answer is still there
    QCOMPARE(again.allData().answers.size(), 1);
}

void TestProgressFile::readOnlyStore() {
    StoreFolder folder;
    const QString sub = folder.dir.filePath(u"ro"_s);
    QVERIFY(QDir().mkpath(sub));
    const QString path = sub + u"/progress.db"_s;
    {
        ProgressStore store(path);
        const QuestionRef q = question(4);
        store.setBankQuestions({q});
        store.recordAnswer(answer(q, false, 0));
    }
    const QByteArray before = fileHash(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(sub,
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    if (geteuid() == 0) {
        QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("file permissions do not stop root; this case runs again as an ordinary user");
    }
    {
        ProgressStore store(path);
        QVERIFY(!store.isRecording());
        QVERIFY(store.problem().contains(u"无法写入"_s));
        store.recordAnswer(answer(question(4), true, 1));
    }
    QCOMPARE(fileHash(path), before);
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_GUILESS_MAIN(TestProgressFile)
#include "tst_progressfile.moc"
