#include "jetreader.h"

#include "jeterror.h"
#include "jetformat.h"

#include <QFile>

#include <vector>

#include <mdbtools.h>
#include <sqlcipher/sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace bank {

namespace {

constexpr qint64 kPageSize = 4096;  // Jet 4.0
constexpr int kOffsetMask = 0x1fff; // a row offset without its flags
// Room for one value as UTF-8: a memo of 65,535 Chinese characters takes 196,605 bytes.
constexpr int kBindBytes = 1 << 20;

// Texts arrive as UTF-8 whatever the environment asks of the library (MDB_ICONV).
void decodeToUtf8(MdbHandle *mdb) {
    if (mdb->iconv_in != iconv_t(-1))
        iconv_close(mdb->iconv_in);
    mdb->iconv_in = iconv_open("UTF-8", "UCS-2LE");
}

MdbColumn *columnAt(MdbTableDef *table, unsigned int i) {
    return static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
}

} // namespace

qsizetype JetTable::column(const QString &name) const {
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

struct JetReader::Handle {
    MdbHandle *mdb = nullptr;
    qint64 pageCount = 0;
    ~Handle() {
        if (mdb)
            mdb_close(mdb);
    }
};

JetReader::JetReader(const QString &path) : m_path(path), d(std::make_unique<Handle>()) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(SQLITE_CANTOPEN, u"Could not find file '"_s + path + u"'"_s);
    const JetFormat format = jetFormat(file.read(kPageSize));
    if (format != JetFormat::Jet4)
        throw jetError(JetProblem::Format, path, describe(format));
    const qint64 size = file.size();
    if (size % kPageSize != 0)
        throw jetError(JetProblem::Damaged, path,
                       u"it ends inside page %1"_s.arg(size / kPageSize));
    d->pageCount = size / kPageSize;
    d->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!d->mdb)
        throw jetError(JetProblem::Damaged, path, u"its header cannot be read"_s);
    decodeToUtf8(d->mdb);
    mdb_set_bind_size(d->mdb, kBindBytes);
    if (!mdb_read_catalog(d->mdb, MDB_TABLE))
        throw jetError(JetProblem::Damaged, path, u"its catalogue cannot be read"_s);
}

JetReader::~JetReader() = default;

QStringList JetReader::tableNames() const {
    QStringList names;
    for (unsigned int i = 0; i < d->mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(d->mdb->catalog, i));
        if (mdb_is_user_table(entry))
            names.append(QString::fromUtf8(entry->object_name));
    }
    return names;
}

namespace {

// Reads one table's rows, telling Null from the empty text by the row's own Null mask.
class TableReader {
public:
    TableReader(MdbHandle *mdb, MdbTableDef *table, qint64 pageCount, const QString &path)
        : m_mdb(mdb), m_table(table), m_pageCount(pageCount), m_path(path),
          m_bound(table->num_cols, QByteArray(kBindBytes, '\0')), m_lengths(table->num_cols),
          m_fields(table->num_cols) {
        for (unsigned int i = 0; i < table->num_cols; ++i)
            mdb_bind_column(table, int(i) + 1, m_bound[i].data(), &m_lengths[i]);
    }

    QList<QVariantList> rows() {
        QList<QVariantList> rows;
        mdb_rewind_table(m_table);
        while (mdb_fetch_row(m_table)) {
            int start = 0;
            size_t size = 0;
            mdb_find_row(m_mdb, int(m_table->cur_row) - 1, &start, &size);
            mdb_crack_row(m_table, start & kOffsetMask, size, m_fields.data());
            QVariantList row;
            for (unsigned int i = 0; i < m_table->num_cols; ++i)
                row.append(value(i));
            rows.append(row);
        }
        if (rows.size() < qsizetype(m_table->num_rows))
            throw damaged(u"%1 of the %2 rows of table '%3' are readable"_s.arg(rows.size())
                              .arg(m_table->num_rows)
                              .arg(QString::fromUtf8(m_table->name)));
        return rows;
    }

private:
    QVariant value(unsigned int i) {
        const MdbColumn *column = columnAt(m_table, i);
        const bool isNull = m_fields[i].is_null;
        if (column->col_type == MDB_BOOL) // the Null bit holds a Yes/No value
            return qint64(isNull ? 0 : -1);
        if (isNull)
            return {};
        const int start = column->cur_value_start;
        switch (column->col_type) {
        case MDB_BYTE:
            return qint64(mdb_get_byte(m_mdb->pg_buf, start));
        case MDB_INT:
            return qint64(qint16(mdb_get_int16(m_mdb->pg_buf, start)));
        case MDB_LONGINT:
            return qint64(qint32(mdb_get_int32(m_mdb->pg_buf, start)));
        case MDB_FLOAT:
            return double(mdb_get_single(m_mdb->pg_buf, start));
        case MDB_DOUBLE:
            return mdb_get_double(m_mdb->pg_buf, start);
        case MDB_MEMO:
            checkLongValue(start, QString::fromUtf8(column->name));
            break;
        default:
            break;
        }
        if (m_lengths[i] >= kBindBytes - 1)
            throw jetError(JetProblem::ValueTooLong, m_path,
                           u"column '%1', more than %2 bytes"_s.arg(
                               QString::fromUtf8(column->name), QString::number(kBindBytes - 1)));
        return QString::fromUtf8(m_bound[i].constData(), m_lengths[i]);
    }

    // A memo kept on long-value pages: every page of its chain lies inside the file and the
    // pieces add up to its length (the library reads a missing page as an empty text).
    void checkLongValue(int start, const QString &column) {
        const auto header = quint32(mdb_get_int32(m_mdb->pg_buf, start));
        if (header & 0x80000000u) // held in the row itself
            return;
        const bool onePage = header & 0x40000000u;
        const quint32 length = header & 0x3fffffffu;
        auto place = quint32(mdb_get_int32(m_mdb->pg_buf, start + 4));
        quint32 found = 0;
        for (qint64 pages = 0; place != 0 && pages < m_pageCount; ++pages) {
            void *page = nullptr;
            int offset = 0;
            size_t size = 0;
            if (qint64(place >> 8) >= m_pageCount ||
                mdb_find_pg_row(m_mdb, int(place), &page, &offset, &size) != 0)
                break;
            if (onePage) {
                found = quint32(size);
                break;
            }
            found += quint32(size) - 4;
            place = quint32(mdb_get_int32(page, offset));
        }
        if (found != length)
            throw damaged(u"column '%1' lost part of a long text"_s.arg(column));
    }

    Error damaged(const QString &detail) const {
        return jetError(JetProblem::Damaged, m_path, detail);
    }

    MdbHandle *m_mdb;
    MdbTableDef *m_table;
    qint64 m_pageCount;
    QString m_path;
    std::vector<QByteArray> m_bound;
    std::vector<int> m_lengths;
    std::vector<MdbField> m_fields;
};

} // namespace

JetTable JetReader::table(const QString &name) const {
    MdbCatalogEntry *entry = nullptr;
    for (unsigned int i = 0; i < d->mdb->num_catalog && !entry; ++i) {
        auto *candidate = static_cast<MdbCatalogEntry *>(g_ptr_array_index(d->mdb->catalog, i));
        if (candidate->object_type == MDB_TABLE &&
            QString::fromUtf8(candidate->object_name).compare(name, Qt::CaseInsensitive) == 0)
            entry = candidate;
    }
    if (!entry)
        throw jetError(JetProblem::MissingTable, m_path, name);
    const auto damaged = [&](const QString &what) {
        return jetError(JetProblem::Damaged, m_path, what.arg(name));
    };
    if (qint64(entry->table_pg) >= d->pageCount)
        throw damaged(u"the definition of table '%1' lies beyond its end"_s);
    std::unique_ptr<MdbTableDef, void (*)(MdbTableDef *)> table(mdb_read_table(entry),
                                                                mdb_free_tabledef);
    if (!table || !mdb_read_columns(table.get()))
        throw damaged(u"the definition of table '%1' cannot be read"_s);
    JetTable result;
    for (unsigned int i = 0; i < table->num_cols; ++i)
        result.columns.append(QString::fromUtf8(columnAt(table.get(), i)->name));
    result.rows = TableReader(d->mdb, table.get(), d->pageCount, m_path).rows();
    return result;
}

} // namespace bank
