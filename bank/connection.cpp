#include "connection.h"

#include "bankformat.h"
#include "connectionimpl.h"
#include "connectiontext.h"
#include "core/guard.h"
#include "core/log.h"
#include "error.h"
#include "handlecache.h"
#include "jetcache.h"
#include "jetdialect.h"
#include "jetfunctions.h"
#include "keyderivation.h"
#include "recordset.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

#include <sqlcipher/sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace bank {

namespace {

const QString kClosedMessage = u"Operation is not allowed when the object is closed"_s;

// The bank stays usable when it cannot be written: unqualified names resolve to the TEMP
// schema first, so every statement of the program reads and writes this copy instead.
void shadowQuestionTable(sqlite::Database &db) {
    db.exec(u"PRAGMA temp_store=MEMORY"_s);
    db.exec(u"create temp table shiti2012 as select * from main.shiti2012"_s);
}

} // namespace

sqlite::Database &Connection::Impl::database() {
    if (!db)
        throw Error(SQLITE_MISUSE, kClosedMessage);
    return *db;
}

Connection::Connection() : d(std::make_unique<Impl>()) {}

Connection::~Connection() {
    core::tryStep(core::lcBank(), "closing the connection", [this] { close(); });
}

void Connection::setConnectionString(const QString &text) {
    if (d->db)
        throw Error(SQLITE_MISUSE, u"Operation is not allowed when the object is open"_s);
    d->connectionString = text;
}

QString Connection::connectionString() const {
    return d->connectionString;
}

void Connection::open() {
    if (d->db)
        throw Error(SQLITE_MISUSE, u"Operation is not allowed when the object is open"_s);
    const ConnectionText text = parseConnectionText(d->connectionString);
    // A Jet bank is opened as its SQLCipher copy; every write goes to the copy.
    const QString file = bankFileToOpen(text.dataSource, text.password);
    const bool wantWrite = !text.readOnly && QFileInfo(QFileInfo(file).absolutePath()).isWritable();
    d->dataSource = file;
    d->password = text.password;
    if (wantWrite) {
        if (auto parked = handlecache::take(file, text.password)) {
            d->db = std::move(parked);
            return;
        }
    }
    auto db = openBankFile(file, text.password,
                           wantWrite ? sqlite::Database::Mode::ReadWrite
                                     : sqlite::Database::Mode::ReadOnly);
    registerJetFunctions(db->handle());
    db->exec(u"PRAGMA busy_timeout=2000"_s);
    // A record set reads each page twice (its keys at open, its records as it reaches them):
    // room for the whole bank keeps the second read from decrypting the page again.
    db->exec(u"PRAGMA cache_size=-131072"_s);
    // A read-write open of a file we may not write falls back to read-only by itself.
    const bool shadowed = !wantWrite || sqlite3_db_readonly(db->handle(), "main") == 1;
    if (shadowed)
        shadowQuestionTable(*db);
    d->db = std::move(db);
    d->shadowed = shadowed;
}

void Connection::close() {
    if (!d->db)
        return;
    std::optional<Error> firstFailure;
    while (!d->openSets.isEmpty()) {
        RecordSet *set = d->openSets.constLast();
        try {
            set->close(); // stores its pending assignment and leaves openSets
        } catch (const Error &error) {
            if (!firstFailure)
                firstFailure = error;
        }
        d->openSets.removeAll(set);
    }
    // The next open of the same file may take the handle up again; a handle with a TEMP copy
    // of the questions is not carried over.
    if (!firstFailure && !d->shadowed)
        handlecache::park(d->dataSource, d->password, std::move(d->db));
    d->db.reset();
    d->shadowed = false;
    if (firstFailure)
        throw *firstFailure;
}

bool Connection::isOpen() const {
    return d->db != nullptr;
}

bool Connection::isReadOnly() const {
    return d->shadowed;
}

void Connection::execute(const QString &jetSql) {
    sqlite::Statement statement(d->database(), translateJetSql(jetSql));
    while (statement.step()) {
    }
}

Connection::Impl &Connection::impl() const {
    return *d;
}

} // namespace bank
