// Question display: the current record on the question page, and the looping clip.
#include "formmain.h"

#include "answers.h"
#include "bank/error.h"
#include "bank/mediapath.h"
#include "clipplayer.h"
#include "forecolor.h"
#include "formmain_fields.h"
#include "imagebutton.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

namespace {

constexpr quint32 kRed = 0x0000FF;

} // namespace

void FormMain::ShowQuestion() {
    const bank::RecordSet &record = *rsSet;

    lblMyAnswer->hide();
    imgOK->hide();
    imgErr->hide();
    imgDone->hide();
    lblMyAnswer->clear();
    lblRightAnswer->clear();

    imgTitlePic->clear();
    wmp->setUrl(QString());

    const int position = record.absolutePosition();
    bSettingNo = true;
    txtCurrent->setText(QString::number(position));
    bSettingNo = false;

    const QString title = QString::number(position) + u'.' + fieldText(record, u"question"_s);
    lblTitle->setText(title);
    lblTitle->setToolTip(title);

    // Options A to C end with a line break, D does not. The text starts afresh for every
    // question, also when option A is missing.
    lblAnswer->show();
    static const char *const prefixes[] = {"A、", "B、", "C、", "D、"};
    QString options;
    for (int i = 0; i < 4; ++i) {
        const QString field = u"ans"_s + QString::number(i + 1);
        const bool exists = fieldPresent(record, field);
        if (exists) {
            options += QString::fromUtf8(prefixes[i]) + fieldText(record, field);
            if (i < 3)
                options += u"\r\n"_s;
        }
        imgAnswer[i]->setVisible(exists);
    }
    lblAnswer->setText(options);
    lblAnswer->setToolTip(options);

    imgDone->setVisible(fieldNumber(record, u"txbz"_s) == 2.0);

    // From the picture on, every step may fail on its own.
    if (fieldPresent(record, u"bmp"_s)) {
        bank::tryStep([&] { imgTitlePic->move(0, 0); });
        bank::tryStep([&] {
            const auto path = bank::mediaFilePath(m_programFolder, m_edition.pictureFolder,
                                                  fieldText(record, u"bmp"_s));
            const QPixmap picture = path ? QPixmap(*path) : QPixmap();
            imgTitlePic->setPixmap(picture);
            imgTitlePic->resize(picture.size());
        });
        bank::tryStep([&] {
            const double left =
                (pixelsToTwips(FrameBack->width()) - pixelsToTwips(imgTitlePic->width())) / 2;
            imgTitlePic->move(twipsToPixels(left), 0);
        });
        bank::tryStep([&] { imgTitlePic->show(); });
    } else {
        bank::tryStep([&] { imgTitlePic->hide(); });
    }

    if (fieldPresent(record, u"flash"_s)) {
        bank::tryStep([&] { FrameBack->hide(); });
        bank::tryStep([&] {
            const auto path = bank::mediaFilePath(m_programFolder, m_edition.clipFolder,
                                                  fieldText(record, u"flash"_s));
            PlayClip(path.value_or(QString()));
        });
    } else {
        bank::tryStep([&] { FrameBack->show(); });
        bank::tryStep([&] { wmp->hide(); });
    }

    bank::tryStep([&] {
        const QString state = fieldText(record, u"state"_s);
        if (examMode()) {
            lblMyAnswer->setText(state);
            setForeColor(lblMyAnswer, kRed);
            lblMyAnswer->show();
            lblRightAnswer->hide(); // nothing may reveal the right answer during an exam
            return;
        }
        lblRightAnswer->setVisible(bHandedIn);
        lblRightAnswer->setText(RightAnswerLetters(fieldText(record, u"ans"_s)));
        if (!state.isEmpty()) {
            lblRightAnswer->show();
            lblMyAnswer->show();
            lblMyAnswer->setText(state);
            if (lblRightAnswer->text() == lblMyAnswer->text()) {
                setForeColor(lblMyAnswer, foreColor(lblRightAnswer));
                imgOK->show();
            } else {
                setForeColor(lblMyAnswer, kRed);
                imgErr->show();
            }
        }
    });
}

void FormMain::PlayClip(const QString &path) {
    bank::tryStep([&] { wmp->show(); });
    bank::tryStep([&] { wmp->setUrl(path); });
    bank::tryStep([&] { wmp->setStretchToFit(true); });
    bank::tryStep([&] { wmp->play(); });
}

void FormMain::wmp_PlayStateChange(int NewState) {
    if (NewState == ClipPlayer::Stopped)
        wmp->play();
}

} // namespace trainer
