#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace banktool {

// One row of the chapter table `zhangjie`.
struct Chapter {
    qint64 id = 0;
    QString name;
    qint64 state = 0;

    friend bool operator==(const Chapter &, const Chapter &) = default;
};

// One row of `shiti2012`, held as the bank stores it: `bmp`/`flash` keep their leading "\",
// `type` is the `txbz` text, options A..D are `ans1`..`ans4` (nullopt for Null), the
// explanation and its basis are `jiexi` and `yiju`.
struct Question {
    qint64 id = 0;
    qint64 chapter = 0;
    QString type;
    QString question;
    std::optional<QString> options[4];
    QString answer;
    std::optional<QString> picture;
    std::optional<QString> clip;
    std::optional<QString> explanation;
    std::optional<QString> basis;

    friend bool operator==(const Question &, const Question &) = default;
};

struct Bank {
    QList<Chapter> chapters;
    QList<Question> questions;
    // Whether `shiti2012` has the columns `jiexi` and `yiju`: true for the banks this tool writes,
    // false for older banks and other tools' banks, which simply show no explanation.
    bool explained = true;

    friend bool operator==(const Bank &, const Bank &) = default;
};

// One thing wrong with a source or a bank: where it is ("question 12", "chapters[3]",
// "line 4, column 9") and what is wrong.
struct Problem {
    QString where;
    QString what;

    friend bool operator==(const Problem &, const Problem &) = default;
};

// "<file>: <where>: <what>", the one line the tool prints for a problem.
inline QString describe(const QString &file, const Problem &problem) {
    const QString where =
        problem.where.isEmpty() ? QString() : problem.where + QStringLiteral(": ");
    return file + QStringLiteral(": ") + where + problem.what;
}

} // namespace banktool
