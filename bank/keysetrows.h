#pragma once

#include "keysetquery.h"
#include "sqlite.h"

#include <QList>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

namespace bank {

// The records of a keyset record set: its keys (rowids) are read at open and fix membership
// and order; the records are read when the set enters their block of neighbouring positions
// (one statement per block rather than per record), so they are as fresh as that moment. A
// block keeps its values as the database gives them (UTF-8 text, numbers); they become
// QVariants only when a field is read.
class KeysetRows {
public:
    // `sqliteSelect` is a SELECT of one table; throws Error otherwise.
    KeysetRows(sqlite::Database &db, const QString &sqliteSelect);
    ~KeysetRows();

    int count() const { return int(m_keys.size()); }
    qint64 key(int position) const { return m_keys[position - 1]; }
    const QStringList &columnNames() const { return m_columnNames; }
    const QString &storeSql() const { return m_query.store; }

    // A field of the record at a 1-based position. Throws Error when the record has been
    // deleted since the set was opened.
    QVariant field(int position, int column);
    // The set's own assignment, seen at once (the caller stores it in the database).
    void assign(int position, int column, const QVariant &value);

private:
    struct Cell; // one field as the database gave it

    Cell *cells(int position);
    void readBlock(int start);
    sqlite::Statement &prepared(std::unique_ptr<sqlite::Statement> &slot, const QString &sql);

    sqlite::Database &m_db;
    KeysetQuery m_query;
    QStringList m_columnNames;
    QList<qint64> m_keys;
    std::unique_ptr<sqlite::Statement> m_byKeys, m_byRange; // prepared when first needed
    int m_blockStart = 0;      // first position of the block at hand; 0: none
    std::vector<Cell> m_cells; // the block's records, position by position
    std::vector<char> m_text;  // the texts the cells point into
};

} // namespace bank
