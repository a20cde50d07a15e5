// Answering and judging: the answer buttons and the confirmation of a multi-answer question.
#include "formmain.h"

#include "answers.h"
#include "forecolor.h"
#include "formmain_fields.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

namespace {

constexpr quint32 kRed = 0x0000FF;

QString letterOf(int Index) {
    return QString(QChar(u'A' + Index));
}

} // namespace

void FormMain::imgAnswer_Click(int Index) {
    if (!hasCurrentRecord())
        return;
    lblMyAnswer->show();
    const std::optional<double> type = fieldNumber(*rsSet, u"txbz"_s);
    if (type != 1.0 && type != 3.0) {
        // Building a multi-answer: toggle the letter; recorded only by imgDone.
        const QString letter = letterOf(Index);
        QString answer = lblMyAnswer->text();
        if (answer.contains(letter))
            answer.remove(letter);
        else
            answer += letter;
        lblMyAnswer->setText(SortAnswerLetters(answer));
        return;
    }

    lblMyAnswer->setText(letterOf(Index));
    rsSet->setField(u"state"_s, lblMyAnswer->text());
    if (bHandedIn || examMode()) {
        vCurBookmark = rsSet->bookmark();
        if (cboJump->currentIndex() == 0)
            imgNext_Click();
        return;
    }

    // Judged against this question's own right answer, whatever its ans holds.
    lblRightAnswer->show();
    lblRightAnswer->setText(RightAnswerLetters(fieldText(*rsSet, u"ans"_s)));
    JudgeShownAnswer();
}

void FormMain::imgDone_Click() {
    if (!hasCurrentRecord())
        return;
    if (examMode()) {
        rsSet->setField(u"state"_s, lblMyAnswer->text());
        if (cboJump->currentIndex() == 0)
            imgNext_Click();
        return;
    }
    lblRightAnswer->show();
    lblRightAnswer->setText(RightAnswerLetters(fieldText(*rsSet, u"ans"_s)));
    rsSet->setField(u"state"_s, lblMyAnswer->text());
    JudgeShownAnswer();
}

void FormMain::JudgeShownAnswer() {
    // A question without a right answer can never be answered right.
    if (lblRightAnswer->text().isEmpty() || lblMyAnswer->text() != lblRightAnswer->text()) {
        setForeColor(lblMyAnswer, kRed);
        imgErr->show();
        imgErr->raise();
        return; // a wrong answer never advances
    }
    setForeColor(lblMyAnswer, foreColor(lblRightAnswer));
    imgOK->show();
    imgOK->raise();
    if (cboJump->currentIndex() == 0)
        imgNext_Click();
}

} // namespace trainer
