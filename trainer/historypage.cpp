#include "historypage.h"

#include "core/color.h"
#include "legend.h"
#include "pagestyle.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

QString timeUsed(const progress::ExamRecord &exam) {
    const qint64 seconds = std::max<qint64>(0, exam.started.secsTo(exam.ended));
    return u"%1:%2"_s.arg(seconds / 60, 2, 10, QChar(u'0')).arg(seconds % 60, 2, 10, QChar(u'0'));
}

HistoryPage::HistoryPage(QWidget *parent) : QWidget(parent) {
    setObjectName(u"pageHistory"_s);
    QGroupBox *box = pageBox(u"考试记录"_s, this);
    auto *layout = new QVBoxLayout(box);

    m_table = new QTableWidget(0, 4, box);
    m_table->setObjectName(u"tblExams"_s);
    m_table->setHorizontalHeaderLabels({u"考试时间"_s, u"得分"_s, u"用时"_s, u"结果"_s});
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_table, &QTableWidget::cellActivated, this, &HistoryPage::openCurrent);
    layout->addWidget(m_table, 2);

    auto *bottom = new QHBoxLayout;
    auto *hint = new QLabel(u"双击一次考试或按“查看试卷”，可查看当时的试卷和答案。"_s, box);
    bottom->addWidget(hint, 1);
    QPushButton *open = greenButton(u"查看试卷"_s, box);
    open->setObjectName(u"cmdOpenExam"_s);
    connect(open, &QPushButton::clicked, this, &HistoryPage::openCurrent);
    bottom->addWidget(open);
    layout->addLayout(bottom);

    m_paper = new QTableWidget(0, 4, box);
    m_paper->setObjectName(u"tblPaper"_s);
    m_paper->setHorizontalHeaderLabels({u"题号"_s, u"题目"_s, u"您的答案"_s, u"正确答案"_s});
    m_paper->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_paper->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_paper->verticalHeader()->hide();
    m_paper->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_paper->hide();
    layout->addWidget(m_paper, 3);
}

void HistoryPage::showPaper(const progress::ExamRecord &exam,
                            const QHash<qint64, PaperLine> &lines) {
    m_paper->setRowCount(int(exam.items.size()));
    for (int row = 0; row < exam.items.size(); ++row) {
        const progress::ExamItem &item = exam.items[row];
        const PaperLine line = lines.value(item.question.identity.bankId);
        const QString cells[] = {QString::number(row + 1), line.stem, item.given, line.right};
        for (int column = 0; column < 4; ++column) {
            auto *cell = new QTableWidgetItem(cells[column]);
            if (column != 1)
                cell->setTextAlignment(Qt::AlignCenter);
            m_paper->setItem(row, column, cell);
        }
        m_paper->item(row, 0)->setBackground(
            core::colorFromBgr(legendColor(item.right ? Swatch::Right : Swatch::Wrong)));
    }
    m_paper->show();
}

void HistoryPage::showExams(const QList<progress::ExamRecord> &newestFirst) {
    m_table->setRowCount(int(newestFirst.size()));
    for (int row = 0; row < newestFirst.size(); ++row) {
        const progress::ExamRecord &exam = newestFirst[row];
        const QString cells[] = {exam.started.toString(u"yyyy-MM-dd hh:mm"_s),
                                 QString::number(exam.score), timeUsed(exam),
                                 exam.passed ? u"合格"_s : u"不合格"_s};
        for (int column = 0; column < 4; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignCenter);
            item->setData(Qt::UserRole, exam.id);
            if (column == 3)
                item->setForeground(exam.passed ? QColor(0, 128, 0) : QColor(255, 0, 0));
            m_table->setItem(row, column, item);
        }
    }
    if (!newestFirst.isEmpty())
        m_table->selectRow(0);
}

void HistoryPage::openCurrent() {
    const QTableWidgetItem *item = m_table->item(m_table->currentRow(), 0);
    if (item)
        emit examChosen(item->data(Qt::UserRole).toLongLong());
}

} // namespace trainer
