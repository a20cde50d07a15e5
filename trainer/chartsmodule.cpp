// The safedrive-charts module: the statistics page's charts on Qt Charts, behind ProgressCharts.
#include "progress/readiness.h"
#include "progresscharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QValueAxis>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

namespace {

QChartView *chartView(QChart *chart, QWidget *parent) {
    chart->setAnimationOptions(QChart::NoAnimation); // the page must draw at once
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto *view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

QValueAxis *percentAxis(const QString &title) {
    auto *axis = new QValueAxis;
    axis->setRange(0, 100);
    axis->setTickCount(6);
    axis->setLabelFormat(u"%d"_s);
    axis->setTitleText(title);
    return axis;
}

class QtProgressCharts : public ProgressCharts {
public:
    explicit QtProgressCharts(QWidget *parent);
    QWidget *widget() const override { return m_charts; }
    void show(const QList<progress::ChapterStats> &chapters,
              const QList<progress::ExamRecord> &newestFirst) override;

private:
    // All owned by the widget's charts.
    QWidget *m_charts = nullptr;
    QChart *m_chapterChart = nullptr;
    QBarSet *m_practised = nullptr;
    QBarSet *m_rightRate = nullptr;
    QBarCategoryAxis *m_chapterAxis = nullptr;
    QChart *m_examChart = nullptr;
    QLineSeries *m_scores = nullptr;
    QLineSeries *m_passLine = nullptr;
    QValueAxis *m_examAxis = nullptr;
};

QtProgressCharts::QtProgressCharts(QWidget *parent) : m_charts(new QWidget(parent)) {
    m_charts->setObjectName(u"statisticsCharts"_s);
    auto *charts = new QHBoxLayout(m_charts);
    charts->setContentsMargins(0, 0, 0, 0);

    m_practised = new QBarSet(u"已练题目比例 %"_s);
    m_practised->setColor(QColor(0x1e, 0x88, 0xe5));
    m_rightRate = new QBarSet(u"正确率 %"_s);
    m_rightRate->setColor(QColor(0x43, 0xa0, 0x47));
    auto *bars = new QBarSeries;
    bars->append({m_practised, m_rightRate});
    m_chapterChart = new QChart;
    m_chapterChart->setTitle(u"各章节掌握情况"_s);
    m_chapterChart->addSeries(bars);
    m_chapterAxis = new QBarCategoryAxis;
    m_chapterAxis->setTitleText(u"章节"_s);
    m_chapterChart->addAxis(m_chapterAxis, Qt::AlignBottom);
    bars->attachAxis(m_chapterAxis);
    QValueAxis *barValues = percentAxis(QString());
    m_chapterChart->addAxis(barValues, Qt::AlignLeft);
    bars->attachAxis(barValues);
    charts->addWidget(chartView(m_chapterChart, m_charts), 1);

    m_scores = new QLineSeries;
    m_scores->setName(u"模拟考试成绩"_s);
    m_scores->setPointsVisible(true);
    m_passLine = new QLineSeries;
    m_passLine->setName(u"及格线 %1 分"_s.arg(progress::kPassScore));
    m_passLine->setPen(QPen(QColor(0xe5, 0x39, 0x35), 1.5, Qt::DashLine));
    m_examChart = new QChart;
    m_examChart->setTitle(u"模拟考试成绩"_s);
    m_examChart->addSeries(m_scores);
    m_examChart->addSeries(m_passLine);
    m_examAxis = new QValueAxis;
    m_examAxis->setLabelFormat(u"%d"_s);
    m_examAxis->setTitleText(u"第几次考试"_s);
    m_examChart->addAxis(m_examAxis, Qt::AlignBottom);
    QValueAxis *scoreAxis = percentAxis(u"分数"_s);
    m_examChart->addAxis(scoreAxis, Qt::AlignLeft);
    for (QLineSeries *series : {m_scores, m_passLine}) {
        series->attachAxis(m_examAxis);
        series->attachAxis(scoreAxis);
    }
    charts->addWidget(chartView(m_examChart, m_charts), 1);
}

void QtProgressCharts::show(const QList<progress::ChapterStats> &chapters,
                            const QList<progress::ExamRecord> &newestFirst) {
    QStringList names;
    QList<qreal> practised, rightRate;
    for (const progress::ChapterStats &chapter : chapters) {
        names << QString::number(chapter.chapter);
        practised << (chapter.total ? 100.0 * chapter.answered / chapter.total : 0.0);
        rightRate << (chapter.answers ? 100.0 * chapter.rights / chapter.answers : 0.0);
    }
    m_chapterAxis->setCategories(names);
    m_practised->remove(0, m_practised->count());
    m_practised->append(practised);
    m_rightRate->remove(0, m_rightRate->count());
    m_rightRate->append(rightRate);

    QList<QPointF> scores;
    for (qsizetype i = newestFirst.size() - 1, n = 1; i >= 0; --i, ++n)
        scores.append(QPointF(qreal(n), newestFirst[i].score));
    m_scores->replace(scores);
    const qreal last = std::max<qreal>(scores.size(), 2);
    m_passLine->replace({QPointF(1, progress::kPassScore), QPointF(last, progress::kPassScore)});
    m_examAxis->setRange(1, last);
    m_examAxis->setTickCount(int(std::min<qreal>(last, 11)));
}

} // namespace

} // namespace trainer

extern "C" Q_DECL_EXPORT trainer::ProgressCharts *safedrive_createProgressCharts(QWidget *parent) {
    return new trainer::QtProgressCharts(parent);
}
