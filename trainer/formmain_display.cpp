// Question display: the question the session shows, step by step, and the looping clip.
#include "formmain.h"

#include "clipplayer.h"
#include "core/guard.h"
#include "core/log.h"
#include "core/twips.h"
#include "forecolor.h"
#include "imagebutton.h"
#include "legend.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

using core::pixelsToTwips;
using core::twipsToPixels;

void FormMain::ShowQuestion(const Question &question, const AnswerLine &line) {
    // Clear the marks and the media.
    lblMyAnswer->hide();
    imgOK->hide();
    imgErr->hide();
    imgDone->hide();
    lblMyAnswer->clear();
    lblRightAnswer->clear();
    imgTitlePic->clear();
    wmp->setUrl(QString());

    showStemAndNumber(question);
    showOptions(question);
    imgDone->setVisible(question.showsConfirm());
    // From the picture on, every step may fail on its own.
    showPicture(question);
    showClip(question);
    showAnswerLine(line);
}

void FormMain::showStemAndNumber(const Question &question) {
    {
        const QSignalBlocker writingTheNumber(txtCurrent); // no jump from our own writing
        txtCurrent->setText(QString::number(question.position));
    }
    lblTitle->setText(question.title());
    lblTitle->setToolTip(question.title());
}

void FormMain::showOptions(const Question &question) {
    // The text starts afresh for every question, also when option A is missing.
    lblAnswer->show();
    for (size_t i = 0; i < imgAnswer.size(); ++i)
        imgAnswer[i]->setVisible(!question.options[i].isEmpty());
    lblAnswer->setText(question.optionLines());
    lblAnswer->setToolTip(lblAnswer->text());
}

void FormMain::showPicture(const Question &question) {
    const auto step = [](const char *name, auto &&body) {
        core::tryStep(core::lcTrainer(), name, body);
    };
    if (!question.hasPicture) {
        step("hiding the picture", [&] { imgTitlePic->hide(); });
        return;
    }
    step("placing the picture", [&] { imgTitlePic->move(0, 0); });
    step("loading the picture", [&] {
        const QPixmap picture =
            question.picturePath.isEmpty() ? QPixmap() : QPixmap(question.picturePath);
        imgTitlePic->setPixmap(picture);
        imgTitlePic->resize(picture.size());
    });
    step("centring the picture", [&] {
        const double left =
            (pixelsToTwips(FrameBack->width()) - pixelsToTwips(imgTitlePic->width())) / 2.0;
        imgTitlePic->move(twipsToPixels(left), 0);
    });
    step("showing the picture", [&] { imgTitlePic->show(); });
}

void FormMain::showClip(const Question &question) {
    const auto step = [](const char *name, auto &&body) {
        core::tryStep(core::lcTrainer(), name, body);
    };
    if (question.hasClip) { // a question with both shows the clip
        step("hiding the picture area", [&] { FrameBack->hide(); });
        step("PlayClip", [&] { PlayClip(question.clipPath); });
    } else {
        step("showing the picture area", [&] { FrameBack->show(); });
        step("hiding the player", [&] { wmp->hide(); });
    }
}

void FormMain::showAnswerLine(const AnswerLine &line) {
    lblMyAnswer->setText(line.mine);
    setForeColor(lblMyAnswer, line.mineRight ? foreColor(lblRightAnswer) : kRed);
    lblMyAnswer->setVisible(line.mineShown);
    lblRightAnswer->setText(line.right);
    lblRightAnswer->setVisible(line.rightShown);
    if (line.mark != AnswerLine::Mark::None) {
        QLabel *mark = line.mark == AnswerLine::Mark::Right ? imgOK : imgErr;
        mark->show();
        mark->raise();
    }
}

void FormMain::ClearQuestion() {
    lblTitle->clear();
    lblTitle->setToolTip(QString());
    lblAnswer->clear();
    lblAnswer->setToolTip(QString());
    for (ImageButton *button : imgAnswer)
        button->hide();
    imgDone->hide();
    imgTitlePic->clear();
    wmp->setUrl(QString());
    wmp->hide();
    FrameBack->show();
    lblMyAnswer->clear();
    lblMyAnswer->hide();
    lblRightAnswer->clear();
    lblRightAnswer->hide();
    imgOK->hide();
    imgErr->hide();
}

void FormMain::PlayClip(const QString &path) {
    const auto step = [](const char *name, auto &&body) {
        core::tryStep(core::lcTrainer(), name, body);
    };
    step("showing the player", [&] { wmp->show(); });
    step("setting the clip", [&] { wmp->setUrl(path); });
    step("stretching the clip", [&] { wmp->setStretchToFit(true); });
    step("playing the clip", [&] { wmp->play(); });
}

void FormMain::wmp_PlayStateChange(int NewState) {
    if (NewState == ClipPlayer::Stopped)
        wmp->play();
}

} // namespace trainer
