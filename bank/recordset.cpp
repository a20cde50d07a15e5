#include "recordset.h"

#include "connectionimpl.h"
#include "error.h"
#include "jetdialect.h"
#include "keysetquery.h"

#include <QHash>
#include <QList>

#include <sqlcipher/sqlite3.h>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace bank {

namespace {

constexpr int kNoCurrentRecord = 3021; // the number Jet gives this failure
const QString kNoCurrentRecordMessage =
    u"Either BOF or EOF is True, or the current record has been deleted"_s;

[[noreturn]] void unsupported(const QString &what) {
    throw Error(SQLITE_MISUSE, what + u" is not allowed on a forward-only record set"_s);
}

// Field names are compared without regard to case, as Jet does.
int findColumn(const QStringList &names, const QString &name) {
    const qsizetype exact = names.indexOf(name);
    if (exact >= 0)
        return int(exact);
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

} // namespace

struct RecordSet::Impl {
    RecordSet *owner = nullptr;
    Connection::Impl *connection = nullptr; // null while closed
    Cursor cursor = Cursor::Keyset;
    // Keyset: the rowids of the set in its order; `row` reads one record by rowid.
    // Forward-only: `row` is the query itself, stepped once per record.
    QList<qint64> keys;
    std::unique_ptr<sqlite::Statement> row;
    QString storeSql;
    QStringList columnNames;
    int stateColumn = -1;
    // Keyset: 0 before the first record, 1..count on a record, count + 1 after the last.
    int position = 0;
    bool forwardAtEnd = false;
    bool forwardEmpty = false;
    mutable QList<QVariant> current; // the current record, read on first use
    mutable bool currentLoaded = false;
    std::optional<QVariant> pendingState;

    int count() const { return int(keys.size()); }
    bool keyset() const { return cursor == Cursor::Keyset; }
    bool bof() const { return keyset() ? count() == 0 || position < 1 : forwardEmpty; }
    bool eof() const { return keyset() ? count() == 0 || position > count() : forwardAtEnd; }

    void requireOpen() const {
        if (!connection)
            throw Error(SQLITE_MISUSE, u"Operation is not allowed when the object is closed"_s);
    }

    void requireRecord() const {
        requireOpen();
        if (bof() || eof())
            throw Error(kNoCurrentRecord, kNoCurrentRecordMessage);
    }

    int columnIndex(const QString &name) const {
        const int index = findColumn(columnNames, name);
        if (index < 0)
            throw Error(SQLITE_ERROR, u"Item cannot be found in the collection: "_s + name);
        return index;
    }

    void readCurrentRow() const {
        current.clear();
        for (int c = 0; c < columnNames.size(); ++c)
            current.append(row->column(c));
        currentLoaded = true;
    }

    void loadCurrent() const {
        if (currentLoaded)
            return;
        row->bind(1, keys[position - 1]);
        const bool found = row->step();
        if (found)
            readCurrentRow();
        row->reset();
        if (!found)
            throw Error(kNoCurrentRecord, kNoCurrentRecordMessage);
        if (pendingState)
            current[stateColumn] = *pendingState;
    }

    // The deferred storing of an assignment: runs when the set leaves the record.
    void storePending() {
        if (!pendingState)
            return;
        sqlite::Database &db = connection->database();
        sqlite::Statement store(db, storeSql);
        store.bind(1, *pendingState);
        store.bind(2, keys[position - 1]);
        store.step();
        if (db.changes() != 1)
            throw Error(kNoCurrentRecord, u"Row cannot be located for updating"_s);
        pendingState.reset();
    }

    void moveTo(int newPosition) {
        storePending();
        position = newPosition;
        currentLoaded = false;
    }

    void stepForward() {
        forwardAtEnd = !row->step();
        if (!forwardAtEnd)
            readCurrentRow();
    }

    void prepareRow(sqlite::Database &db, const QString &sql) {
        row = std::make_unique<sqlite::Statement>(db, sql);
        for (int c = 0; c < row->columnCount(); ++c)
            columnNames.append(row->columnName(c));
    }

    void openKeyset(sqlite::Database &db, const QString &sql) {
        const KeysetQuery query = keysetQuery(sql);
        prepareRow(db, query.row);
        stateColumn = findColumn(columnNames, u"state"_s);
        sqlite::Statement keyQuery(db, query.keys);
        while (keyQuery.step())
            keys.append(keyQuery.column(0).toLongLong());
        storeSql = query.store;
        position = keys.isEmpty() ? 0 : 1;
    }

    void openForwardOnly(sqlite::Database &db, const QString &sql) {
        prepareRow(db, sql);
        stepForward();
        forwardEmpty = forwardAtEnd;
    }

    void release() {
        connection->openSets.removeAll(owner);
        connection = nullptr;
        row.reset();
        keys.clear();
        current.clear();
        currentLoaded = false;
        pendingState.reset();
        columnNames.clear();
        stateColumn = -1;
        position = 0;
        forwardAtEnd = forwardEmpty = false;
    }
};

RecordSet::RecordSet() : d(std::make_unique<Impl>()) {
    d->owner = this;
}

RecordSet::~RecordSet() {
    tryStep([this] { close(); });
}

void RecordSet::open(const QString &jetSql, Connection &connection, Cursor cursor) {
    if (d->connection)
        throw Error(SQLITE_MISUSE, u"Operation is not allowed when the object is open"_s);
    Connection::Impl &owner = connection.impl();
    sqlite::Database &db = owner.database();
    const QString sql = translateJetSql(jetSql);
    Impl fresh;
    fresh.owner = this;
    fresh.cursor = cursor;
    if (cursor == Cursor::Keyset)
        fresh.openKeyset(db, sql);
    else
        fresh.openForwardOnly(db, sql);
    fresh.connection = &owner;
    *d = std::move(fresh);
    owner.openSets.append(this);
}

void RecordSet::close() {
    if (!d->connection)
        return;
    try {
        d->storePending();
    } catch (...) {
        d->release();
        throw;
    }
    d->release();
}

bool RecordSet::isOpen() const {
    return d->connection != nullptr;
}

int RecordSet::recordCount() const {
    d->requireOpen();
    return d->keyset() ? d->count() : -1;
}

bool RecordSet::bof() const {
    d->requireOpen();
    return d->bof();
}

bool RecordSet::eof() const {
    d->requireOpen();
    return d->eof();
}

int RecordSet::absolutePosition() const {
    if (!d->keyset())
        unsupported(u"AbsolutePosition"_s);
    d->requireRecord();
    return d->position;
}

void RecordSet::setAbsolutePosition(int position) {
    d->requireOpen();
    if (!d->keyset())
        unsupported(u"AbsolutePosition"_s);
    if (position < 1 || position > d->count())
        throw Error(kNoCurrentRecord, kNoCurrentRecordMessage);
    d->moveTo(position);
}

Bookmark RecordSet::bookmark() const {
    if (!d->keyset())
        unsupported(u"Bookmark"_s);
    d->requireRecord();
    return d->position;
}

void RecordSet::setBookmark(Bookmark bookmark) {
    d->requireOpen();
    if (!d->keyset())
        unsupported(u"Bookmark"_s);
    if (bookmark < 1 || bookmark > d->count())
        throw Error(SQLITE_RANGE, u"Not a bookmark of this record set"_s);
    d->moveTo(bookmark);
}

void RecordSet::moveFirst() {
    d->requireOpen();
    if (!d->keyset()) {
        d->row->reset();
        d->stepForward();
        return;
    }
    if (d->count() == 0)
        throw Error(kNoCurrentRecord, kNoCurrentRecordMessage);
    d->moveTo(1);
}

void RecordSet::moveNext() {
    d->requireOpen();
    if (d->eof())
        throw Error(kNoCurrentRecord, kNoCurrentRecordMessage);
    if (!d->keyset()) {
        d->stepForward();
        return;
    }
    d->moveTo(d->position + 1);
}

void RecordSet::movePrevious() {
    d->requireOpen();
    if (!d->keyset())
        unsupported(u"MovePrevious"_s);
    if (d->bof())
        throw Error(kNoCurrentRecord, kNoCurrentRecordMessage);
    d->moveTo(qMin(d->position, d->count() + 1) - 1);
}

QVariant RecordSet::field(const QString &name) const {
    d->requireRecord();
    const int column = d->columnIndex(name);
    d->loadCurrent();
    return d->current[column];
}

void RecordSet::setField(const QString &name, const QVariant &value) {
    d->requireRecord();
    const int column = d->columnIndex(name);
    if (!d->keyset())
        unsupported(u"Assigning a field"_s);
    if (column != d->stateColumn)
        throw Error(SQLITE_READONLY, u"Field '"_s + name + u"' is not updatable"_s);
    d->loadCurrent();
    d->pendingState = value;
    d->current[column] = value;
}

} // namespace bank
