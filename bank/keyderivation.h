#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>

namespace bank {

// PBKDF2 (RFC 8018) with HMAC over hash: keyBytes bytes of key from password and salt.
QByteArray pbkdf2(QCryptographicHash::Algorithm hash, const QByteArray &password,
                  const QByteArray &salt, int iterations, int keyBytes);

// The raw key spec "x'<64 hex key><32 hex salt>'" that opens a bank keyed with this passphrase
// in the bank format (bankformat.h), for the file whose first bytes are salt. The derivation (tens
// of milliseconds) runs once per (password, salt) in a process; every later open of the same bank
// reuses the key.
QByteArray rawKeySpec(const QString &password, const QByteArray &salt);

// Starts the same derivation on a worker thread, so that the first open finds the key ready (or
// waits for the rest of the derivation instead of running a second one).
void deriveKeyAhead(const QString &password, const QByteArray &salt);

} // namespace bank
