#pragma once

#include "progress/records.h"

#include <QList>

class QWidget;

namespace trainer {

// The statistics page's two charts, per-chapter bars (questions practised, rate right) and the
// mock exams' scores over time with the pass line, drawn with Qt Charts in the module
// safedrive-charts (see moduleloader.h).
class ProgressCharts {
public:
    virtual ~ProgressCharts() = default;
    // Both charts side by side, a child of the parent given at creation.
    virtual QWidget *widget() const = 0;
    virtual void show(const QList<progress::ChapterStats> &chapters,
                      const QList<progress::ExamRecord> &newestFirst) = 0;
};

// The module's one entry point.
using CreateProgressCharts = ProgressCharts *(*)(QWidget *parent);
inline constexpr char kCreateProgressCharts[] = "safedrive_createProgressCharts";

} // namespace trainer
