#pragma once

#include <QString>

namespace trainer {

// The letters "A" to "D" that occur anywhere in text, each once, in the order A, B, C, D;
// every other character is dropped. Case-sensitive.
QString SortAnswerLetters(const QString &text);

// The right answer of a question as the learner sees it: the option digits of `ans`
// ("1" to "4") turned into letters and put in the order A to D ("31" gives "AC").
QString RightAnswerLetters(const QString &ans);

} // namespace trainer
