#pragma once

#include <QString>
#include <QVariant>

#include <memory>

namespace bank {

class Connection;

// 1-based position of a record inside the set it was read from.
using Bookmark = int;

// A record set over a SELECT: keyset semantics (membership and order fixed at open, a record's
// values read when the set reaches it), count known at open, BOF/EOF, 1-based absolute
// position, bookmarks, and deferred storing of `state`. Moving past either end is refused
// with Error, as are moves on an empty set. Closing the connection closes its sets.
class RecordSet {
public:
    enum class Cursor { Keyset, ForwardOnly };

    RecordSet();
    ~RecordSet(); // closes (and so stores a pending assignment); never throws
    RecordSet(const RecordSet &) = delete;
    RecordSet &operator=(const RecordSet &) = delete;

    // Keyset: a question set (writable `state`), a SELECT of one table; ForwardOnly: a read-only
    // id pool (no count: recordCount() is -1; no positions, bookmarks or moving back).
    void open(const QString &jetSql, Connection &connection, Cursor cursor = Cursor::Keyset);
    void close(); // stores a pending assignment; closing a closed set does nothing
    bool isOpen() const;

    int recordCount() const;
    bool bof() const;
    bool eof() const;
    int absolutePosition() const; // 1-based; throws Error at BOF/EOF
    void setAbsolutePosition(int position);

    Bookmark bookmark() const;
    void setBookmark(Bookmark bookmark);

    void moveFirst();
    void moveNext();
    void movePrevious();

    // A field of the current record by column name: an invalid QVariant for Null, else a
    // QString for text columns and a qint64 for numeric ones. Throws Error at BOF/EOF or for
    // an unknown column.
    QVariant field(const QString &name) const;
    // Assigns a field of the current record; stored when the set leaves the record or closes.
    void setField(const QString &name, const QVariant &value);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace bank
