// The exam history page: every recorded mock exam with its date, score, time used and result;
// opening one asks the window to show its paper read-only.
#pragma once

#include "progress/records.h"
#include "trainer/bankquestions.h"

#include <QWidget>

class QTableWidget;

namespace trainer {

class HistoryPage : public QWidget {
    Q_OBJECT

public:
    explicit HistoryPage(QWidget *parent = nullptr);

    void showExams(const QList<progress::ExamRecord> &newestFirst);
    // The paper of one exam, read-only: each question with the answer given, its cell coloured
    // right or wrong as the answer sheet was after the hand-in.
    void showPaper(const progress::ExamRecord &exam, const QHash<qint64, PaperLine> &lines);
    QTableWidget *table() const { return m_table; }
    QTableWidget *paper() const { return m_paper; }

signals:
    void examChosen(qint64 examId);

private:
    void openCurrent();
    QTableWidget *m_table = nullptr;
    QTableWidget *m_paper = nullptr;
};

// "mm:ss" of the time between an exam's start and end.
QString timeUsed(const progress::ExamRecord &exam);

} // namespace trainer
