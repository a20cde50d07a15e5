#pragma once

#include "bank/schema.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

namespace fixture {

// One row of shiti2012; an invalid QVariant stores Null.
struct Question {
    qint64 id = 0;
    qint64 chapter = 1;
    QVariant type = QStringLiteral("1");
    QVariant question;
    QVariant ans1, ans2, ans3, ans4;
    QVariant ans;
    QVariant bmp, flash;
    QVariant state = QString();
};

// One row of zhangjie.
struct Chapter {
    qint64 id = 0;
    QString name;
    qint64 state = 2;
};

// How a fixture bank is keyed: in the bank format with the editions' password unless told
// otherwise; `settings` (PRAGMA statements) run after the bank format's and override them.
struct Keying {
    QString password = QLatin1String(bank::kBankPassword);
    QByteArray settings;
};

// SQLCipher 4's own default format, setting by setting: what a 4.x client writes unless told
// otherwise.
inline constexpr char kSqlcipher4Defaults[] =
    "PRAGMA cipher_page_size = 4096; PRAGMA kdf_iter = 256000; "
    "PRAGMA cipher_hmac_algorithm = HMAC_SHA512; PRAGMA cipher_kdf_algorithm = PBKDF2_HMAC_SHA512;";

// Writes a bank with exactly these rows at path, keyed in passphrase form (replaces an existing
// file).
void writeBank(const QString &path, const QList<Chapter> &chapters,
               const QList<Question> &questions, const Keying &keying = {});

// A four-option single-answer question with stem "Q<id>", options "<id>A".."<id>D".
Question choice(qint64 id, qint64 chapter, const QString &ans = QStringLiteral("1"));

} // namespace fixture
