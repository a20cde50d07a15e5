#pragma once

#include "sqlite.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace bank {

// Keeps the keyed database handle of the last closed connection, with its page cache, so that
// the next open of the same, unchanged file with the same password costs what an open of a
// warm file costs instead of decrypting every page again. A file changed since (written by
// someone else, or another bank copied over it) is opened afresh.
namespace handlecache {

// Takes over the read-write handle of a connection that has just closed the file at path.
void park(const QString &path, const QString &password, std::unique_ptr<sqlite::Database> db);

// The parked handle for this file and password when the file is as it was parked; null
// otherwise (a handle for a changed file is dropped).
std::unique_ptr<sqlite::Database> take(const QString &path, const QString &password);

} // namespace handlecache

} // namespace bank
