// The statistics page: per-chapter bars (questions practised, rate right), the mock exams'
// scores over time with the pass line, the readiness line, and saving the charts as a picture.
#pragma once

#include "progress/records.h"
#include "progresscharts.h"

#include <QWidget>

#include <memory>

class QLabel;

namespace trainer {

class StatisticsPage : public QWidget {
    Q_OBJECT

public:
    explicit StatisticsPage(QWidget *parent = nullptr);
    ~StatisticsPage() override;

    // Redraws the page from the bank's chapters and the exams, newest first.
    void showStatistics(const QList<progress::ChapterStats> &chapters,
                        const QList<progress::ExamRecord> &newestFirst);

    // Both charts side by side as one PNG; false when it cannot be written (or there are no
    // charts: their module could not be loaded).
    bool saveCharts(const QString &path) const;

    QWidget *charts() const { return m_charts ? m_charts->widget() : nullptr; }

signals:
    // The learner's requests; the window asks where to save or read, and confirms a reset.
    void saveRequested();
    void exportRequested();
    void importRequested();
    void resetRequested();

private:
    std::unique_ptr<ProgressCharts> m_charts;
    QLabel *m_readiness = nullptr;
};

} // namespace trainer
