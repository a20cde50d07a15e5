// The statistics page: per-chapter bars (questions practised, rate right), the mock exams'
// scores over time with the pass line, the readiness line, and saving the charts as a picture.
#pragma once

#include "progress/records.h"

#include <QWidget>

class QBarSet;
class QBarCategoryAxis;
class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QPushButton;
class QValueAxis;

namespace trainer {

class StatisticsPage : public QWidget {
    Q_OBJECT

public:
    explicit StatisticsPage(QWidget *parent = nullptr);

    // Redraws the page from the bank's chapters and the exams, newest first.
    void showStatistics(const QList<progress::ChapterStats> &chapters,
                        const QList<progress::ExamRecord> &newestFirst);

    // Both charts side by side as one PNG; false when it cannot be written.
    bool saveCharts(const QString &path) const;

    QWidget *charts() const { return m_charts; }

signals:
    // The learner's requests; the window asks where to save or read, and confirms a reset.
    void saveRequested();
    void exportRequested();
    void importRequested();
    void resetRequested();

private:
    QWidget *m_charts = nullptr;
    QChart *m_chapterChart = nullptr;
    QBarSet *m_practised = nullptr;
    QBarSet *m_rightRate = nullptr;
    QBarCategoryAxis *m_chapterAxis = nullptr;
    QChart *m_examChart = nullptr;
    QLineSeries *m_scores = nullptr;
    QLineSeries *m_passLine = nullptr;
    QValueAxis *m_examAxis = nullptr;
    QLabel *m_readiness = nullptr;
};

} // namespace trainer
