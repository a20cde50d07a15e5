#include "storefile.h"

#include "bank/error.h"
#include "bank/sqlite.h"
#include "schema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace progress {

namespace {

constexpr int kSqliteError = 1;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;
// Long enough for a second copy's write to finish, short enough never to freeze a click.
constexpr int kBusyTimeoutMs = 250;

QString readOnlyProblem(const QString &path) {
    return u"学习记录文件 %1 无法写入，本次学习进度不会被记录。"_s.arg(
        QDir::toNativeSeparators(path));
}

// Reads the version before anything is written, so a newer store is never touched.
std::unique_ptr<bank::sqlite::Database> openAndCheck(const QString &path, QString *problem) {
    auto db = std::make_unique<bank::sqlite::Database>(path, bank::sqlite::Database::Mode::Create);
    db->exec(u"pragma busy_timeout = %1"_s.arg(kBusyTimeoutMs));
    // Reading the schema reads the first page. A damaged one fails as not a database, as
    // corrupt, or as a plain error ("unsupported file format"): all mean the content is bad.
    try {
        bank::sqlite::Statement(*db, u"select count(*) from sqlite_master"_s).step();
    } catch (const bank::Error &error) {
        if (error.number() != kSqliteError)
            throw;
        throw bank::Error(kSqliteCorrupt, error.description());
    }
    const int version = schemaVersion(*db);
    if (version > currentSchemaVersion()) {
        *problem = u"学习记录文件 %1 由较新版本的 SafeDrive 写入，本程序不会改动它；"
                   "本次学习进度不会被记录。"_s.arg(QDir::toNativeSeparators(path));
        return nullptr;
    }
    db->exec(u"pragma journal_mode = wal"_s);
    db->exec(u"pragma synchronous = normal"_s);
    db->exec(u"pragma foreign_keys = on"_s);
    migrate(*db);
    return db;
}

} // namespace

bool isCorruption(int sqliteCode) {
    return sqliteCode == kSqliteCorrupt || sqliteCode == kSqliteNotADatabase;
}

QString setCorruptFileAside(const QString &path) {
    const QString aside =
        path + u".corrupt-"_s + QDateTime::currentDateTime().toString(u"yyyyMMdd-hhmmss"_s);
    if (QFile::exists(aside) || !QFile::rename(path, aside))
        return {};
    for (const QString &suffix : {u"-wal"_s, u"-shm"_s})
        if (QFile::exists(path + suffix))
            QFile::rename(path + suffix, aside + suffix);
    return aside;
}

OpenedStore openStoreFile(const QString &path) {
    OpenedStore opened;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        opened.problem = readOnlyProblem(path);
        return opened;
    }
    auto lock = std::make_unique<QLockFile>(path + u".lock"_s);
    lock->setStaleLockTime(0); // a lock is stale only when its process is gone
    if (!lock->tryLock(0)) {
        opened.problem = lock->error() == QLockFile::LockFailedError
                             ? u"另一个正在运行的 SafeDrive 正在记录学习进度，"
                               "本窗口的学习进度不会被记录。"_s
                             : readOnlyProblem(path);
        return opened;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            opened.db = openAndCheck(path, &opened.problem);
            if (opened.db)
                opened.lock = std::move(lock);
            return opened;
        } catch (const bank::Error &error) {
            opened.db.reset();
            if (!isCorruption(error.number()) || attempt > 0) {
                opened.problem = readOnlyProblem(path);
                return opened;
            }
            opened.setAside = setCorruptFileAside(path);
            if (opened.setAside.isEmpty()) {
                opened.problem = readOnlyProblem(path);
                return opened;
            }
        }
    }
    return opened;
}

} // namespace progress
