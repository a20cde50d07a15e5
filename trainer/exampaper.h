#pragma once

#include "idlist.h"

#include <QString>

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
// by ","; throws std::out_of_range when the chapter holds fewer than count of them.
QString PickChapterIds(bank::Connection &connection, qint16 chapter, qint16 count,
                       ShuffleRandom &random);

// Five ids drawn without repetition from the multi-answer questions of chapters 1 to 7, each
// followed by ","; throws when there are fewer than five.
QString PickMultiAnswerIds(bank::Connection &connection, ShuffleRandom &random);

// Draws a paper on the open connection and opens it in the closed rsSet: the 45 chapter
// questions shuffled, then the five multi-answer questions. Each step runs with errors ignored:
// a chapter short of its quota drops out and the paper is shorter.
void DrawExamPaper(bank::Connection &cnBank, bank::RecordSet &rsSet, ShuffleRandom &random);

// Reopens the connection from connectionString, empties `state` of the whole bank, then draws
// and opens the paper in rsSet.
void ComposeExamPaper(bank::Connection &cnBank, bank::RecordSet &rsSet,
                      const QString &connectionString, ShuffleRandom &random);

} // namespace trainer
