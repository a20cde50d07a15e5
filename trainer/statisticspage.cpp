#include "statisticspage.h"

#include "moduleloader.h"
#include "pagestyle.h"
#include "progress/readiness.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

StatisticsPage::StatisticsPage(QWidget *parent) : QWidget(parent) {
    setObjectName(u"pageStatistics"_s);
    QGroupBox *box = pageBox(u"学习统计"_s, this);
    auto *layout = new QVBoxLayout(box);

    if (const auto create = reinterpret_cast<CreateProgressCharts>(
            moduleEntry("safedrive-charts", kCreateProgressCharts))) {
        m_charts.reset(create(box));
        layout->addWidget(m_charts->widget(), 1);
    } else {
        auto *missing = new QLabel(u"无法显示图表。"_s, box);
        missing->setAlignment(Qt::AlignCenter);
        layout->addWidget(missing, 1);
    }

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

StatisticsPage::~StatisticsPage() = default;

void StatisticsPage::showStatistics(const QList<progress::ChapterStats> &chapters,
                                    const QList<progress::ExamRecord> &newestFirst) {
    if (m_charts)
        m_charts->show(chapters, newestFirst);
    m_readiness->setText(progress::readinessLine(newestFirst));
}

bool StatisticsPage::saveCharts(const QString &path) const {
    return m_charts && m_charts->widget()->grab().save(path, "PNG");
}

} // namespace trainer
