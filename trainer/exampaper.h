#pragma once

#include "idlist.h"

#include <QString>

#include <exception>

namespace bank {
class Connection;
class RecordSet;
} // namespace bank

namespace trainer {

// Per-chapter quotas of an examination paper, in drawing order: questions not of type 2.
struct ChapterQuota {
    qint16 chapter;
    qint16 count;
};
inline constexpr ChapterQuota kExamChapterQuotas[] = {{1, 5}, {2, 10}, {3, 10}, {4, 5},
                                                      {5, 5}, {6, 5},  {7, 5}};
inline constexpr qint16 kExamMultiAnswerCount = 5;
inline constexpr int kExamQuestionCount = 50;

// count ids drawn without repetition from the chapter's questions not of type 2, each followed
// by ","; throws core::Error when the chapter holds fewer than count of them.
QString PickChapterIds(bank::Connection &connection, qint16 chapter, qint16 count,
                       ShuffleRandom &random);

// Five ids drawn without repetition from the multi-answer questions of chapters 1 to 7, each
// followed by ","; throws when there are fewer than five.
QString PickMultiAnswerIds(bank::Connection &connection, ShuffleRandom &random);

// Draws a paper on the open connection and opens it in the closed rsSet: the 45 chapter
// questions shuffled, then the five multi-answer questions. Each step runs with errors ignored:
// a chapter short of its quota drops out and the paper is shorter.
void DrawExamPaper(bank::Connection &cnBank, bank::RecordSet &rsSet, ShuffleRandom &random);

// Closes the connection (and the sets on it), opens it again from connectionString and, unless
// told not to, empties `state` of the whole bank: what every mode button does first. Each step
// may fail on its own; returns the first failure (null when the bank opened and was reset).
std::exception_ptr ReopenBank(bank::Connection &cnBank, const QString &connectionString,
                              bool resetAnswers = true);

// Reopens the bank, then draws and opens the paper in the closed rsSet; returns the failure of
// reopening the bank.
std::exception_ptr ComposeExamPaper(bank::Connection &cnBank, bank::RecordSet &rsSet,
                                    const QString &connectionString, ShuffleRandom &random);

} // namespace trainer
