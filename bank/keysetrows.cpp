#include "keysetrows.h"

#include "error.h"
#include "utf8.h"

#include <QHash>

#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <bit>

using namespace Qt::Literals::StringLiterals;

namespace bank {

namespace {

constexpr int kBlockSize = 128;
constexpr quint8 kDeleted = 0; // not one of SQLite's types

} // namespace

struct KeysetRows::Cell {
    qint64 value = 0;   // an integer, a double's bits, or where the text starts in m_text
    quint32 length = 0; // of the text
    quint8 type = kDeleted;
};

KeysetRows::KeysetRows(sqlite::Database &db, const QString &sqliteSelect)
    : m_db(db), m_query(keysetQuery(sqliteSelect, kBlockSize)) {
    const sqlite::Statement &records = prepared(m_byRange, m_query.byRange);
    for (int c = 1; c < records.columnCount(); ++c)
        m_columnNames.append(records.columnName(c));
    sqlite::Statement keys(db, m_query.keys);
    while (keys.step())
        m_keys.append(keys.columnInt64(0));
}

KeysetRows::~KeysetRows() = default;

KeysetRows::Cell *KeysetRows::cells(int position) {
    const int start = position - (position - 1) % kBlockSize;
    if (start != m_blockStart)
        readBlock(start);
    Cell *record = m_cells.data() + (position - start) * m_columnNames.size();
    if (record->type == kDeleted)
        throw Error(3021, u"The current record has been deleted"_s);
    return record;
}

QVariant KeysetRows::field(int position, int column) {
    const Cell &cell = cells(position)[column];
    switch (cell.type) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return cell.value;
    case SQLITE_FLOAT:
        return std::bit_cast<double>(cell.value);
    default:
        return fromUtf8(m_text.data() + cell.value, cell.length);
    }
}

void KeysetRows::assign(int position, int column, const QVariant &value) {
    Cell &cell = cells(position)[column];
    cell.length = 0;
    if (!value.isValid()) {
        cell.type = SQLITE_NULL;
    } else if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int) {
        cell.type = SQLITE_INTEGER;
        cell.value = value.toLongLong();
    } else {
        const QByteArray text = value.toString().toUtf8();
        cell.type = SQLITE_TEXT;
        cell.value = qint64(m_text.size());
        cell.length = quint32(text.size());
        m_text.insert(m_text.end(), text.cbegin(), text.cend());
    }
}

sqlite::Statement &KeysetRows::prepared(std::unique_ptr<sqlite::Statement> &slot,
                                        const QString &sql) {
    if (!slot)
        slot = std::make_unique<sqlite::Statement>(m_db, sql);
    slot->reset(); // also after a failed read
    return *slot;
}

void KeysetRows::readBlock(int start) {
    m_blockStart = 0;
    const int size = qMin(kBlockSize, count() - start + 1);
    const qsizetype columns = m_columnNames.size();
    const auto first = m_keys.cbegin() + (start - 1);
    const auto [low, high] = std::minmax_element(first, first + size);
    QHash<qint64, int> offsetOfKey;
    offsetOfKey.reserve(size);
    for (int i = 0; i < size; ++i)
        offsetOfKey.insert(key(start + i), i);

    // Keys close together (a set in id order) are read by one walk along the table; keys
    // scattered over it (an exam paper) one by one.
    const bool dense = *high - *low < 2 * qint64(kBlockSize);
    sqlite::Statement &records =
        dense ? prepared(m_byRange, m_query.byRange) : prepared(m_byKeys, m_query.byKeys);
    if (dense) {
        records.bind(1, *low);
        records.bind(2, *high);
    } else {
        for (int i = 0; i < kBlockSize; ++i) // Null, matching no row, after the last key
            records.bind(i + 1, i < size ? QVariant(key(start + i)) : QVariant());
    }
    m_cells.assign(size * columns, Cell{}); // a record not found again stays deleted
    m_text.clear();                         // keeps its room for the next block
    while (records.step()) {
        const auto offset = offsetOfKey.constFind(records.columnInt64(0));
        if (offset == offsetOfKey.cend())
            continue; // a row between the keys that is not in the set
        Cell *record = m_cells.data() + *offset * columns;
        for (int c = 0; c < columns; ++c) {
            Cell &cell = record[c];
            const sqlite::Statement::RawValue raw = records.columnRaw(c + 1);
            cell.type = quint8(raw.type);
            if (raw.type == SQLITE_INTEGER) {
                cell.value = raw.integer;
            } else if (raw.type == SQLITE_FLOAT) {
                cell.value = std::bit_cast<qint64>(raw.real);
            } else if (raw.type != SQLITE_NULL) {
                cell.value = qint64(m_text.size());
                cell.length = quint32(raw.bytes.size());
                m_text.insert(m_text.end(), raw.bytes.begin(), raw.bytes.end());
            }
        }
    }
    records.reset();
    m_blockStart = start;
}

} // namespace bank
