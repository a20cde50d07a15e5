// What the progress store records and reports, as plain values.
#pragma once

#include "questionidentity.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace progress {

// A question as the store files it: who it is and which chapter counts it.
struct QuestionRef {
    QuestionIdentity identity;
    int chapter = 0;
};

struct AnswerRecord {
    QDateTime at;
    QString mode; // the study mode's short name, "exam" for answers judged at a hand-in
    QuestionRef question;
    QString given; // the learner's letters, "" when nothing was chosen
    bool right = false;
    qint64 spentMs = 0;
};

struct ExamItem {
    QuestionRef question;
    QString given;
    bool right = false;
};

struct ExamRecord {
    qint64 id = 0; // given by the store
    QDateTime started;
    QDateTime ended;
    int score = 0;
    bool passed = false;
    QList<ExamItem> items; // in paper order; empty in lists of exams
};

struct ChapterStats {
    int chapter = 0;
    int total = 0;    // questions of the chapter in the bank
    int answered = 0; // of those, answered at least once
    int answers = 0;  // answers given to them
    int rights = 0;   // right ones among those answers
};

struct Summary {
    int answered = 0; // questions of the bank answered at least once
    int total = 0;
    int bookSize = 0;
    std::optional<int> lastExamScore;
};

} // namespace progress
