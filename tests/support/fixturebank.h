#pragma once

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

// Writes a bank with exactly these rows at path, keyed with the editions' password in
// passphrase form (replaces an existing file).
void writeBank(const QString &path, const QList<Chapter> &chapters,
               const QList<Question> &questions);

// A four-option single-answer question with stem "Q<id>", options "<id>A".."<id>D".
Question choice(qint64 id, qint64 chapter, const QString &ans = QStringLiteral("1"));

} // namespace fixture
