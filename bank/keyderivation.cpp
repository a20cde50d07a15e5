#include "keyderivation.h"

#include "bankformat.h"

#include <QCryptographicHash>
#include <QHash>
#include <QMessageAuthenticationCode>
#include <QMutex>
#include <QSet>
#include <QThreadPool>
#include <QWaitCondition>

namespace bank {

namespace {

struct KeyCache {
    QMutex mutex;
    QHash<QByteArray, QByteArray> keys; // password (UTF-8) + salt -> derived key
    QSet<QByteArray> underway;          // being derived by another thread
    QWaitCondition derived;
};

KeyCache &keyCache() {
    static KeyCache cache;
    return cache;
}

} // namespace

QByteArray pbkdf2(QCryptographicHash::Algorithm hash, const QByteArray &password,
                  const QByteArray &salt, int iterations, int keyBytes) {
    QMessageAuthenticationCode mac(hash, password);
    QByteArray key;
    for (quint32 block = 1; key.size() < keyBytes; ++block) {
        const char index[] = {char(block >> 24), char(block >> 16), char(block >> 8), char(block)};
        mac.reset();
        mac.addData(salt);
        mac.addData(index, sizeof index);
        QByteArray u = mac.result(), t = u;
        for (int i = 1; i < iterations; ++i) {
            mac.reset();
            mac.addData(u);
            u = mac.result();
            for (qsizetype j = 0; j < t.size(); ++j)
                t[j] = char(t[j] ^ u[j]);
        }
        key += t;
    }
    key.truncate(keyBytes);
    return key;
}

QByteArray rawKeySpec(const QString &password, const QByteArray &salt) {
    const QByteArray passphrase = password.toUtf8();
    const QByteArray cacheKey = passphrase + '\0' + salt;
    KeyCache &cache = keyCache();
    QMutexLocker lock(&cache.mutex);
    // A derivation under way (a start-up one, say) is waited for, never run twice.
    while (cache.underway.contains(cacheKey))
        cache.derived.wait(&cache.mutex);
    QByteArray key = cache.keys.value(cacheKey);
    if (key.isEmpty()) {
        cache.underway.insert(cacheKey);
        lock.unlock();
        key = pbkdf2(bankformat::kHash, passphrase, salt, bankformat::kKdfIterations,
                     bankformat::kKeyBytes);
        lock.relock();
        cache.keys.insert(cacheKey, key);
        cache.underway.remove(cacheKey);
        cache.derived.wakeAll();
    }
    return "x'" + key.toHex() + salt.toHex() + '\'';
}

void deriveKeyAhead(const QString &password, const QByteArray &salt) {
    QThreadPool::globalInstance()->start([password, salt] { rawKeySpec(password, salt); });
}

} // namespace bank
