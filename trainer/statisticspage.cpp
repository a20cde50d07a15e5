#include "statisticspage.h"

#include "pagestyle.h"
#include "progress/readiness.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
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

} // namespace

StatisticsPage::StatisticsPage(QWidget *parent) : QWidget(parent) {
    setObjectName(u"pageStatistics"_s);
    QGroupBox *box = pageBox(u"学习统计"_s, this);
    auto *layout = new QVBoxLayout(box);

    m_charts = new QWidget(box);
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
    layout->addWidget(m_charts, 1);

    auto *bottom = new QHBoxLayout;
    m_readiness = new QLabel(box);
    m_readiness->setObjectName(u"lblReadiness"_s);
    m_readiness->setTextFormat(Qt::PlainText);
    m_readiness->setFont(QFont(u"Tahoma"_s, 11, QFont::Bold));
    bottom->addWidget(m_readiness, 1);
    const struct {
        QString caption, name;
        void (StatisticsPage::*request)();
    } buttons[] = {{u"保存图表"_s, u"cmdSaveCharts"_s, &StatisticsPage::saveRequested},
                   {u"导出记录"_s, u"cmdExportProgress"_s, &StatisticsPage::exportRequested},
                   {u"导入记录"_s, u"cmdImportProgress"_s, &StatisticsPage::importRequested},
                   {u"清空记录"_s, u"cmdResetProgress"_s, &StatisticsPage::resetRequested}};
    for (const auto &button : buttons) {
        QPushButton *push = greenButton(button.caption, box);
        push->setObjectName(button.name);
        connect(push, &QPushButton::clicked, this, button.request);
        bottom->addWidget(push);
    }
    layout->addLayout(bottom);
}

void StatisticsPage::showStatistics(const QList<progress::ChapterStats> &chapters,
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

    m_readiness->setText(progress::readinessLine(newestFirst));
}

bool StatisticsPage::saveCharts(const QString &path) const {
    return m_charts->grab().save(path, "PNG");
}

} // namespace trainer
