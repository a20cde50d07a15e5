#include "handlecache.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <sqlcipher/sqlite3.h>

#include <optional>

namespace bank::handlecache {

namespace {

constexpr qint64 kHeadBytes = 40; // the salt and the encrypted start of the first page

// What tells one state of a file from another: a copy over it or a write by someone else
// changes its size, its times or its first bytes (salt, or the first page written anew).
struct FileStamp {
    qint64 size = -1;
    QDateTime modified;
    QDateTime metadataChanged;
    QByteArray head;
    bool operator==(const FileStamp &) const = default;
};

std::optional<FileStamp> stampOf(const QString &path) {
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return FileStamp{info.size(), info.lastModified(),
                     info.fileTime(QFileDevice::FileMetadataChangeTime), file.read(kHeadBytes)};
}

struct Parked {
    QString path;
    QString password;
    FileStamp stamp;
    std::unique_ptr<sqlite::Database> db;
};

struct Slot {
    QMutex mutex;
    std::optional<Parked> parked;
};

Slot &slot() {
    static Slot instance;
    return instance;
}

} // namespace

void park(const QString &path, const QString &password, std::unique_ptr<sqlite::Database> db) {
    // Only a handle at rest: no statement left open, no transaction under way.
    if (!db || sqlite3_get_autocommit(db->handle()) == 0 ||
        sqlite3_next_stmt(db->handle(), nullptr) != nullptr)
        return;
    std::optional<FileStamp> stamp = stampOf(path);
    if (!stamp)
        return;
    std::optional<Parked> previous;
    {
        QMutexLocker lock(&slot().mutex);
        previous = std::exchange(slot().parked, Parked{path, password, *stamp, std::move(db)});
    }
    // previous closes here, outside the lock
}

std::unique_ptr<sqlite::Database> take(const QString &path, const QString &password) {
    std::optional<Parked> parked;
    {
        QMutexLocker lock(&slot().mutex);
        parked = std::exchange(slot().parked, std::nullopt);
    }
    if (!parked || parked->path != path || parked->password != password ||
        stampOf(path) != parked->stamp)
        return nullptr;
    return std::move(parked->db);
}

} // namespace bank::handlecache
