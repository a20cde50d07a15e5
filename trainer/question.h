#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace trainer {

// The question on show, as plain values read from its record.
struct Question {
    qint64 id = 0;
    qint64 chapter = 0;
    int position = 0; // 1-based number in the set
    QString type;     // txbz as stored: "1" single answer, "2" multi-answer, "3" animation
    QString stem;
    std::array<QString, 4> options; // A to D; empty when the option does not exist
    QString rightAnswer;            // letters A to D in that order ("AC")
    bool hasPicture = false;
    QString picturePath; // empty when the name would leave its folder
    bool hasClip = false;
    QString clipPath;
    QString answer; // the learner's recorded answer (state), empty when not answered

    bool isSingleAnswer() const; // types 1 and 3; every other type is built and confirmed
    bool showsConfirm() const;   // type 2
    QString title() const;       // "12.stem"
    QString optionLines() const; // "A、…\r\nB、…" as the option label shows them
};

// What the answer line shows: the learner's letters, the right letters and the mark.
struct AnswerLine {
    enum class Mark { None, Right, Wrong };
    QString mine;
    bool mineShown = false;
    bool mineRight = false; // green like the right answer, red otherwise
    QString right;
    bool rightShown = false;
    Mark mark = Mark::None;
};

// One question of a handed-in paper with the answer it was judged on.
struct JudgedQuestion {
    qint64 id = 0;
    qint64 chapter = 0;
    QString type;
    QString answer; // empty when not answered
    QString rightAnswer;
    bool right = false;
};

// The ten columns every question set reads by name, and the question's identity after them.
QString questionSelect(); // "select question,…,state,id,zhangjie from shiti2012 "

struct PaperResult {
    int score = 0;
    bool passed = false;
    QList<JudgedQuestion> questions; // in paper order
    QString scoreLine() const;       // "您的得分：90分！"
    QString verdictLine() const;
};

} // namespace trainer
