// The examination: start, paper, answer sheet, clock, hand-in and scoring.
#include "formmain.h"

#include "answers.h"
#include "bank/connectionstring.h"
#include "bank/error.h"
#include "dlgmsg.h"
#include "exampaper.h"
#include "formmain_fields.h"
#include "imagebutton.h"
#include "notices.h"
#include "picturebox.h"

#include <QLabel>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

namespace {

constexpr qint16 kExamSeconds = 1800;
constexpr int kSheetColumns = 25;
constexpr int kPassMark = 90;
constexpr qint16 kPointsPerQuestion = 2;

// Legend swatches that colour the sheet.
constexpr int kNotAnsweredSwatch = 0, kCurrentSwatch = 1, kRightSwatch = 3, kWrongSwatch = 4;

// The remaining time as the clock shows it, minutes and seconds with two digits each.
QString clockCaption(int remainingSeconds) {
    return u"%1:%2"_s.arg(remainingSeconds / 60, 2, 10, QChar(u'0'))
        .arg(remainingSeconds % 60, 2, 10, QChar(u'0'));
}

} // namespace

void FormMain::StartExam() {
    nExamSeconds = 0;
    lblTime->setText(clockCaption(kExamSeconds));
    lblTime->show();
    imgCommit->show();
    Timer1->start();

    ComposeExamPaper();
    LayOutAnswerSheet();
    SwitchPage(4);
    bank::tryStep([this] {
        if (hasCurrentRecord()) {
            TakeCell(0);
            vCurBookmark = rsSet->bookmark();
        }
    });
}

void FormMain::ComposeExamPaper() {
    if (!examRandom)
        examRandom = std::make_shared<ShuffleRandom>();
    if (!cnBank)
        cnBank = std::make_unique<bank::Connection>();
    bank::tryStep([this] {
        if (rsSet)
            rsSet->close();
    });
    rsSet = std::make_unique<bank::RecordSet>();
    vCurBookmark.reset(); // the old set's bookmarks mean nothing in the new paper
    trainer::ComposeExamPaper(*cnBank, *rsSet,
                              bank::BankConnectionString(m_programFolder, m_edition.bankFile),
                              *examRandom);
    bank::tryStep([this] { SetCountLabel(); });
    bank::tryStep([this] {
        if (hasCurrentRecord())
            ShowQuestion();
    });
    bank::tryStep([this] { vCurBookmark = rsSet->bookmark(); });
}

// Cells beyond a short paper's last question are hidden, so no cell leads off the paper.
void FormMain::LayOutAnswerSheet() {
    const int paperLength = rsSet && rsSet->isOpen() ? rsSet->recordCount() : 0;
    const PictureBox *first = optNum[0];
    for (int i = 0; i < kExamQuestionCount; ++i) {
        PictureBox *cell = LoadOptNum(i);
        if (i > 0) {
            cell->move(first->x() + (i % kSheetColumns) * first->width(),
                       first->y() + (i / kSheetColumns) * first->height());
        }
        cell->setBackColor(swatchColor(kNotAnsweredSwatch));
        DrawCellNumber(i);
        cell->setVisible(i < paperLength);
    }
    lngCellColor.fill(swatchColor(kNotAnsweredSwatch)); // no colour of an earlier paper returns
}

void FormMain::Timer1_Timer() {
    ++nExamSeconds;
    if (nExamSeconds < kExamSeconds) {
        lblTime->setText(clockCaption(kExamSeconds - nExamSeconds));
        return;
    }
    // Time is up: the paper is handed in as it stands, as in the real examination.
    Timer1->stop();
    notices().information(u"考试时间到!"_s, m_edition.windowTitle);
    HandIn();
}

void FormMain::imgCommit_Click() {
    if (!notices().question(u"你确定要交卷吗?"_s, u"交卷"_s))
        return;
    // The clock kept ticking while the question waited: time may have run out and handed the
    // paper in already.
    if (!examMode())
        return;
    HandIn();
}

void FormMain::HandIn() {
    imgCommit->hide();
    lblTime->hide();
    Timer1->stop();
    lblTime->setText(clockCaption(kExamSeconds));

    qint16 score = 0;
    if (rsSet && rsSet->isOpen() && rsSet->recordCount() > 0) {
        for (rsSet->moveFirst(); !rsSet->eof(); rsSet->moveNext()) {
            const QString state = fieldText(*rsSet, u"state"_s);
            const bool right = state == RightAnswerLetters(fieldText(*rsSet, u"ans"_s));
            const int cell = rsSet->absolutePosition() - 1;
            if (cell >= optNum.size())
                continue;
            optNum[cell]->setBackColor(swatchColor(
                state.isEmpty() ? kNotAnsweredSwatch : (right ? kRightSwatch : kWrongSwatch)));
            DrawCellNumber(cell);
            if (!state.isEmpty() && right)
                score += kPointsPerQuestion;
        }
    }
    for (qsizetype i = 0; i < qMin<qsizetype>(kExamQuestionCount, optNum.size()); ++i)
        lngCellColor[size_t(i)] = optNum[i]->backColor();

    bank::tryStep([this] {
        if (rsSet && rsSet->isOpen() && rsSet->recordCount() > 0) {
            rsSet->moveFirst(); // off the end of the judged set: the cell click needs a record
            optNum_Click(0);
            vCurBookmark = rsSet->bookmark();
        }
    });
    ShowResultDialog(u"您的得分："_s + QString::number(score) + u"分！"_s,
                     score >= kPassMark ? u"祝贺您通过考试！"_s : u"未能通过考试,还需多多练习"_s);
    bHandedIn = true;
}

void FormMain::ShowResultDialog(const QString &line1, const QString &line2) {
    DlgMsg dialog(m_edition.windowTitle);
    dialog.str1 = line1;
    dialog.str2 = line2;
    dialog.exec();
}

} // namespace trainer
