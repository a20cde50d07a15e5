// The statistics page's readiness line: whether the recent mock exams say the learner is ready.
#pragma once

#include "records.h"

namespace progress {

inline constexpr int kReadinessExams = 5;
inline constexpr int kPassScore = 90;

// One line in plain Chinese about the newest kReadinessExams exams (exams newest first).
QString readinessLine(const QList<ExamRecord> &newestFirst);

} // namespace progress
