#include "sqlite.h"

#include "error.h"
#include "utf8.h"

#include <sqlcipher/sqlite3.h>

#include <cctype>

using namespace Qt::Literals::StringLiterals;

namespace bank::sqlite {

Database::Database(const QString &path, Mode mode) {
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case Mode::ReadOnly:
        flags |= SQLITE_OPEN_READONLY;
        break;
    case Mode::ReadWrite:
        flags |= SQLITE_OPEN_READWRITE;
        break;
    case Mode::Create:
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        break;
    }
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message =
            m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(m_db);
        m_db = nullptr;
        throw Error(rc, message + u": "_s + path);
    }
    sqlite3_extended_result_codes(m_db, 0);
}

Database::~Database() {
    sqlite3_close_v2(m_db);
}

void Database::key(const QByteArray &keySpec) {
    const int rc = sqlite3_key(m_db, keySpec.constData(), int(keySpec.size()));
    if (rc != SQLITE_OK)
        fail(rc);
}

void Database::exec(const QString &sql) {
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
}

qint64 Database::changes() const {
    return sqlite3_changes(m_db);
}

void Database::fail(int code) const {
    throw Error(code, QString::fromUtf8(sqlite3_errmsg(m_db)));
}

Statement::Statement(Database &db, const QString &sql) : m_db(db) {
    const QByteArray text = sql.toUtf8();
    const char *tail = nullptr;
    const int rc =
        sqlite3_prepare_v2(db.handle(), text.constData(), int(text.size()), &m_stmt, &tail);
    if (rc != SQLITE_OK)
        fail(rc);
    // A second statement behind the first would be silently dropped (or, pasted in, smuggled).
    for (; tail && *tail; ++tail) {
        if (!std::isspace(static_cast<unsigned char>(*tail)) && *tail != ';') {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
            throw Error(SQLITE_ERROR, u"Characters found after end of SQL statement"_s);
        }
    }
    if (!m_stmt) // only blanks or comments
        throw Error(SQLITE_ERROR, u"Empty SQL statement"_s);
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

void Statement::bind(int index, const QVariant &value) {
    int rc;
    if (!value.isValid()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong ||
               value.typeId() == QMetaType::UInt || value.typeId() == QMetaType::ULongLong) {
        rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
    } else {
        const QByteArray text = value.toString().toUtf8();
        rc = sqlite3_bind_text(m_stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK)
        fail(rc);
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(rc);
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

QVariant Statement::column(int column) const {
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return qint64(sqlite3_column_int64(m_stmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_stmt, column);
    default:
        return fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column)),
                        sqlite3_column_bytes(m_stmt, column));
    }
}

qint64 Statement::columnInt64(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

Statement::RawValue Statement::columnRaw(int column) const {
    sqlite3_value *value = sqlite3_column_value(m_stmt, column);
    RawValue raw{sqlite3_value_type(value), 0, 0, {}};
    if (raw.type == SQLITE_INTEGER) {
        raw.integer = sqlite3_value_int64(value);
    } else if (raw.type == SQLITE_FLOAT) {
        raw.real = sqlite3_value_double(value);
    } else if (raw.type != SQLITE_NULL) {
        // sqlite3_value_blob gives text unconverted (UTF-8 here) as well as blobs.
        const void *data = sqlite3_value_blob(value);
        raw.bytes = {static_cast<const char *>(data), sqlite3_value_bytes(value)};
    }
    return raw;
}

void Statement::fail(int code) const {
    throw Error(code, QString::fromUtf8(sqlite3_errmsg(m_db.handle())));
}

Transaction::Transaction(Database &db) : m_db(db) {
    m_db.exec(u"BEGIN"_s);
}

Transaction::~Transaction() {
    if (m_open)
        sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
    m_db.exec(u"COMMIT"_s);
    m_open = false;
}

} // namespace bank::sqlite
