#include "readiness.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace progress {

QString readinessLine(const QList<ExamRecord> &newestFirst) {
    const auto taken = newestFirst.size();
    if (taken < kReadinessExams)
        return u"已完成 %1 次模拟考试，再考 %2 次即可看出是否准备好。"_s.arg(taken).arg(
            kReadinessExams - taken);
    const auto passed =
        std::count_if(newestFirst.cbegin(), newestFirst.cbegin() + kReadinessExams,
                      [](const ExamRecord &exam) { return exam.score >= kPassScore; });
    if (passed == kReadinessExams)
        return u"最近 %1 次模拟考试均达到 %2 分，可以准备正式考试了。"_s.arg(kReadinessExams)
            .arg(kPassScore);
    return u"最近 %1 次模拟考试中有 %2 次达到 %3 分，还需继续练习。"_s.arg(kReadinessExams)
        .arg(passed)
        .arg(kPassScore);
}

} // namespace progress
