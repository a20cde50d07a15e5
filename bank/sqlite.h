#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace bank::sqlite {

// An open SQLCipher database file. Throws bank::Error (SQLite's code, its message) on failure.
class Database {
public:
    enum class Mode { ReadOnly, ReadWrite, Create };

    // Never creates the file unless mode is Create.
    Database(const QString &path, Mode mode);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Keys the database: a passphrase, or a raw key spec "x'<hex>'" (see SQLCipher's PRAGMA key).
    void key(const QByteArray &keySpec);
    void exec(const QString &sql);
    qint64 changes() const;
    sqlite3 *handle() const { return m_db; }

private:
    [[noreturn]] void fail(int code) const;
    sqlite3 *m_db = nullptr;
};

// One prepared statement (text after it other than `;` and blanks is refused); finalised by
// its destructor.
class Statement {
public:
    Statement(Database &db, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // 1-based parameter index. An invalid QVariant binds Null; integers bind as integers,
    // everything else as text.
    void bind(int index, const QVariant &value);
    bool step(); // true while it yields a row
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    // An invalid QVariant for Null, qint64 for integers, double for reals, QString for text.
    QVariant column(int column) const;
    qint64 columnInt64(int column) const;
    // The value as SQLite holds it, for readers that keep it without converting it.
    struct RawValue {
        int type;             // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB, SQLITE_NULL
        qint64 integer;       // for SQLITE_INTEGER
        double real;          // for SQLITE_FLOAT
        QByteArrayView bytes; // text (UTF-8) or blob, valid until the next step or reset
    };
    RawValue columnRaw(int column) const;

private:
    [[noreturn]] void fail(int code) const;
    Database &m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

// Begins at construction; rolls back at destruction unless committed. The destructor never throws.
class Transaction {
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Database &m_db;
    bool m_open = true;
};

} // namespace bank::sqlite
