#include "recordset.h"

#include "connectionimpl.h"
#include "core/guard.h"
#include "core/log.h"
#include "error.h"
#include "jetdialect.h"
#include "keysetrows.h"

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

// Field names are compared without regard to case, as Jet does. Readers tend to read the
// fields in their order, so the search starts at the column after the one found last.
int findColumn(const QStringList &names, const QString &name, int &hint) {
    const int n = int(names.size());
    for (int i = 0; i < n; ++i) {
        const int column = (hint + i) % n;
        if (names[column] == name) {
            hint = (column + 1) % n;
            return column;
        }
    }
    for (int column = 0; column < n; ++column) {
        if (names[column].compare(name, Qt::CaseInsensitive) == 0)
            return column;
    }
    return -1;
}

// A forward-only, read-only set: the query itself, stepped once per record.
struct ForwardRows {
    ForwardRows(sqlite::Database &db, const QString &sql) : query(db, sql) {
        for (int c = 0; c < query.columnCount(); ++c)
            columnNames.append(query.columnName(c));
        step();
        empty = atEnd;
    }

    void step() {
        atEnd = !query.step();
        current.clear();
        for (int c = 0; !atEnd && c < columnNames.size(); ++c)
            current.append(query.column(c));
    }

    void restart() {
        query.reset();
        step();
    }

    sqlite::Statement query;
    QStringList columnNames;
    QList<QVariant> current;
    bool atEnd = false;
    bool empty = false;
};

} // namespace

struct RecordSet::Impl {
    RecordSet *owner = nullptr;
    Connection::Impl *connection = nullptr; // null while closed
    std::unique_ptr<KeysetRows> keyset;     // a keyset set
    std::unique_ptr<ForwardRows> forward;   // or a forward-only one
    int stateColumn = -1;
    mutable int nextColumn = 0; // where the search for a field name starts
    // 0 before the first record, 1..count on a record, count + 1 after the last.
    int position = 0;
    std::optional<QVariant> pendingState;

    int count() const { return keyset->count(); }
    bool bof() const { return keyset ? count() == 0 || position < 1 : forward->empty; }
    bool eof() const { return keyset ? count() == 0 || position > count() : forward->atEnd; }
    const QStringList &columnNames() const {
        return keyset ? keyset->columnNames() : forward->columnNames;
    }

    void requireOpen() const {
        if (!connection)
            throw Error(SQLITE_MISUSE, u"Operation is not allowed when the object is closed"_s);
    }

    void requireKeyset(const QString &what) const {
        requireOpen();
        if (!keyset)
            unsupported(what);
    }

    void requireRecord() const {
        requireOpen();
        if (bof() || eof())
            throw Error(kNoCurrentRecord, kNoCurrentRecordMessage);
    }

    int columnIndex(const QString &name) const {
        const int index = findColumn(columnNames(), name, nextColumn);
        if (index < 0)
            throw Error(SQLITE_ERROR, u"Item cannot be found in the collection: "_s + name);
        return index;
    }

    QVariant currentField(int column) const {
        return keyset ? keyset->field(position, column) : forward->current[column];
    }

    // The deferred storing of an assignment: runs when the set leaves the record.
    void storePending() {
        if (!pendingState)
            return;
        sqlite::Database &db = connection->database();
        sqlite::Statement store(db, keyset->storeSql());
        store.bind(1, *pendingState);
        store.bind(2, keyset->key(position));
        store.step();
        if (db.changes() != 1)
            throw Error(kNoCurrentRecord, u"Row cannot be located for updating"_s);
        pendingState.reset();
    }

    void moveTo(int newPosition) {
        storePending();
        position = newPosition;
    }

    void release() {
        connection->openSets.removeAll(owner);
        connection = nullptr;
        keyset.reset();
        forward.reset();
        pendingState.reset();
        stateColumn = -1;
        position = 0;
    }
};

RecordSet::RecordSet() : d(std::make_unique<Impl>()) {
    d->owner = this;
}

RecordSet::~RecordSet() {
    core::tryStep(core::lcBank(), "closing the record set", [this] { close(); });
}

void RecordSet::open(const QString &jetSql, Connection &connection, Cursor cursor) {
    if (d->connection)
        throw Error(SQLITE_MISUSE, u"Operation is not allowed when the object is open"_s);
    Connection::Impl &owner = connection.impl();
    sqlite::Database &db = owner.database();
    const QString sql = translateJetSql(jetSql);
    if (cursor == Cursor::Keyset) {
        d->keyset = std::make_unique<KeysetRows>(db, sql);
        d->stateColumn = findColumn(d->keyset->columnNames(), u"state"_s, d->nextColumn);
        d->position = d->count() > 0 ? 1 : 0;
    } else {
        d->forward = std::make_unique<ForwardRows>(db, sql);
    }
    d->connection = &owner;
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
    return d->keyset ? d->count() : -1;
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
    d->requireKeyset(u"AbsolutePosition"_s);
    d->requireRecord();
    return d->position;
}

void RecordSet::setAbsolutePosition(int position) {
    d->requireKeyset(u"AbsolutePosition"_s);
    if (position < 1 || position > d->count())
        throw Error(kNoCurrentRecord, kNoCurrentRecordMessage);
    d->moveTo(position);
}

Bookmark RecordSet::bookmark() const {
    d->requireKeyset(u"Bookmark"_s);
    d->requireRecord();
    return d->position;
}

void RecordSet::setBookmark(Bookmark bookmark) {
    d->requireKeyset(u"Bookmark"_s);
    if (bookmark < 1 || bookmark > d->count())
        throw Error(SQLITE_RANGE, u"Not a bookmark of this record set"_s);
    d->moveTo(bookmark);
}

void RecordSet::moveFirst() {
    d->requireOpen();
    if (d->forward) {
        d->forward->restart(); // runs the query again
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
    if (d->forward)
        d->forward->step();
    else
        d->moveTo(d->position + 1);
}

void RecordSet::movePrevious() {
    d->requireKeyset(u"MovePrevious"_s);
    if (d->bof())
        throw Error(kNoCurrentRecord, kNoCurrentRecordMessage);
    d->moveTo(qMin(d->position, d->count() + 1) - 1);
}

QVariant RecordSet::field(const QString &name) const {
    d->requireRecord();
    const int column = d->columnIndex(name);
    return d->currentField(column);
}

void RecordSet::setField(const QString &name, const QVariant &value) {
    d->requireRecord();
    const int column = d->columnIndex(name);
    if (!d->keyset)
        unsupported(u"Assigning a field"_s);
    if (column != d->stateColumn)
        throw Error(SQLITE_READONLY, u"Field '"_s + name + u"' is not updatable"_s);
    d->keyset->assign(d->position, column, value); // the set sees its own assignment at once
    d->pendingState = value;
}

} // namespace bank
