#pragma once

#include "sqlite.h"

#include <QCryptographicHash>
#include <QString>

#include <memory>

struct sqlite3;

namespace bank {

// How every bank of ours is encrypted, whichever SQLCipher the program is built on: SQLCipher 3's
// settings, which every SQLCipher from 3.0 on reads (4.x once told so, see applyBankFormat).
namespace bankformat {
inline constexpr int kPageSize = 1024;
inline constexpr int kKdfIterations = 64000;
// The key derivation is PBKDF2 over HMAC with this hash, and every page carries an HMAC with it.
inline constexpr QCryptographicHash::Algorithm kHash = QCryptographicHash::Sha1;
inline constexpr char kHashName[] = "SHA1"; // kHash as SQLCipher's settings name it
inline constexpr int kKeyBytes = 32;
inline constexpr int kSaltBytes = 16; // an SQLCipher file begins with its key salt
} // namespace bankformat

// The SQLCipher the program runs on, as it names itself ("3.4.1", "4.14.0 community"). The first
// call also quiets SQLCipher's own log, which the bank layer's errors replace.
QString cipherVersion();
int cipherMajorVersion(); // 3 or 4 (or later)

// Tells SQLCipher to read and write `db` in the bank format; called after the key and before
// the first statement.
void applyBankFormat(sqlite3 *db);

// Keys an empty database just created so that it is written in the bank format.
void keyNewBank(sqlite::Database &db, const QString &password);

// Opens the existing bank at `path` keyed with `password`: in the bank format, or failing that
// in the library's own default format where it differs (SQLCipher 4 and later: a bank another
// tool wrote with 4.x defaults). Never creates or alters the file. Throws Error: SQLITE_CANTOPEN
// when the file is missing, SQLITE_NOTADB naming the file (and the formats tried) when it is
// not a bank keyed with this password.
std::unique_ptr<sqlite::Database> openBankFile(const QString &path, const QString &password,
                                               sqlite::Database::Mode mode);

} // namespace bank
