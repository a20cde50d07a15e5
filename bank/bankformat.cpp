#include "bankformat.h"

#include "error.h"
#include "keyderivation.h"

#include <QFile>
#include <QFileInfo>

#include <sqlcipher/sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace bank {

namespace {

QByteArray readSalt(const QString &path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw Error(errors::FileNotFound, u"Could not find file '"_s + path + u"'"_s);
    const QByteArray salt = file.read(bankformat::kSaltBytes);
    if (salt.size() != bankformat::kSaltBytes)
        throw Error(errors::NotABank, u"Not a question bank: '"_s + path + u"'"_s);
    return salt;
}

// The database keyed with `keySpec`, or null when the key or format does not fit the file.
std::unique_ptr<sqlite::Database> tryOpen(const QString &path, sqlite::Database::Mode mode,
                                          const QByteArray &keySpec, bool bankFormat) {
    auto db = std::make_unique<sqlite::Database>(path, mode);
    db->key(keySpec);
    if (bankFormat)
        applyBankFormat(db->handle());
    try {
        db->exec(u"select count(*) from sqlite_master"_s); // a key that does not fit fails here
    } catch (const Error &error) {
        if (error.number() != SQLITE_NOTADB)
            throw;
        return nullptr;
    }
    return db;
}

} // namespace

QString cipherVersion() {
    static const QString version = [] {
        sqlite::Database db(u":memory:"_s, sqlite::Database::Mode::Create);
        // SQLCipher 4 writes its own log to stderr, among it every probe in a format that does
        // not fit; each failure reaches our caller as an Error naming the file instead.
        db.exec(u"PRAGMA cipher_log_level = NONE"_s);
        sqlite::Statement statement(db, u"PRAGMA cipher_version"_s);
        return statement.step() ? statement.column(0).toString() : QString();
    }();
    return version;
}

int cipherMajorVersion() {
    return cipherVersion().section(u'.', 0, 0).toInt();
}

void applyBankFormat(sqlite3 *db) {
    using namespace bankformat;
    QByteArray sql = "PRAGMA cipher_page_size = " + QByteArray::number(kPageSize) +
                     ";PRAGMA kdf_iter = " + QByteArray::number(kKdfIterations) + ';';
    // SQLCipher 3 has but one hash, ours; 4.x defaults to another.
    if (cipherMajorVersion() >= 4)
        sql += "PRAGMA cipher_hmac_algorithm = HMAC_" + QByteArray(kHashName) +
               ";PRAGMA cipher_kdf_algorithm = PBKDF2_HMAC_" + QByteArray(kHashName) + ';';
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw Error(rc, QString::fromUtf8(sqlite3_errmsg(db)));
}

void keyNewBank(sqlite::Database &db, const QString &password) {
    db.key(password.toUtf8());
    applyBankFormat(db.handle());
}

// The key does not open the file: a wrong password when the file looks like an encrypted
// database (whole pages, no plain SQLite header), otherwise not a bank at all.
Error keyRefused(const QString &path, const QString &tried) {
    QFile file(path);
    const bool readable = file.open(QIODevice::ReadOnly);
    const bool plainSqlite = readable && file.read(16) == QByteArrayLiteral("SQLite format 3\0");
    const bool wholePages = readable && file.size() >= 512 && file.size() % 512 == 0;
    if (wholePages && !plainSqlite)
        return Error(errors::WrongPassword,
                     u"Not a valid password: '%1' (tried %2)"_s.arg(path, tried));
    return Error(errors::NotABank, u"Not a question bank: '%1' (tried %2)"_s.arg(path, tried));
}

std::unique_ptr<sqlite::Database> openBankFile(const QString &path, const QString &password,
                                               sqlite::Database::Mode mode) {
    if (auto db = tryOpen(path, mode, rawKeySpec(password, readSalt(path)), true))
        return db;
    QString tried = u"the bank format (SQLCipher 3's settings)"_s;
    const bool defaultsDiffer = cipherMajorVersion() >= 4;
    // Without a password the library's defaults would read an unencrypted file.
    if (defaultsDiffer && !password.isEmpty()) {
        if (auto db = tryOpen(path, mode, password.toUtf8(), false))
            return db;
        tried += u" and SQLCipher %1's own defaults"_s.arg(cipherVersion());
    } else if (!defaultsDiffer) {
        tried += u", the only one SQLCipher %1 reads"_s.arg(cipherVersion());
    }
    throw keyRefused(path, tried);
}

} // namespace bank
