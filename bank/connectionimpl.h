#pragma once

#include "connection.h"
#include "sqlite.h"

#include <QList>

#include <memory>

namespace bank {

class RecordSet;

// What a Connection holds while open; shared with the record sets opened on it.
struct Connection::Impl {
    QString connectionString;
    std::unique_ptr<sqlite::Database> db;
    // The file (or its folder) cannot be written: shiti2012 is a TEMP copy for this run.
    bool shadowed = false;
    // The file and password it was opened with, for the handle cache.
    QString dataSource;
    QString password;
    // Sets to close before the database goes away.
    QList<RecordSet *> openSets;

    sqlite::Database &database(); // throws Error when the connection is closed
};

} // namespace bank
