#include "keyderivation.h"

#include "bankformat.h"

#include <QCryptographicHash>
#include <QHash>
#include <QMutex>
#include <QPasswordDigestor>

namespace bank {

namespace {

struct KeyCache {
    QMutex mutex;
    QHash<QByteArray, QByteArray> keys; // password (UTF-8) + salt -> derived key
};

KeyCache &keyCache() {
    static KeyCache cache;
    return cache;
}

} // namespace

QByteArray rawKeySpec(const QString &password, const QByteArray &salt) {
    const QByteArray passphrase = password.toUtf8();
    const QByteArray cacheKey = passphrase + '\0' + salt;
    KeyCache &cache = keyCache();
    QByteArray key;
    {
        QMutexLocker lock(&cache.mutex);
        key = cache.keys.value(cacheKey);
    }
    if (key.isEmpty()) {
        key = QPasswordDigestor::deriveKeyPbkdf2(bankformat::kHash, passphrase, salt,
                                                 bankformat::kKdfIterations, bankformat::kKeyBytes);
        QMutexLocker lock(&cache.mutex);
        cache.keys.insert(cacheKey, key);
    }
    return "x'" + key.toHex() + salt.toHex() + '\'';
}

} // namespace bank
