// The controls of the trainer window: the four views, their controls and geometry in twips.
#include "formmain.h"

#include "clipplayer.h"
#include "core/color.h"
#include "core/guard.h"
#include "core/log.h"
#include "core/twips.h"
#include "forecolor.h"
#include "imagebutton.h"
#include "pagestyle.h"
#include "picturebox.h"
#include "shippedframe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

using core::twipsRect;
using core::twipsToPixels;

namespace {

constexpr quint32 kOrange = 0x0080FF;

void place(QWidget *widget, double left, double top, double width, double height) {
    widget->setGeometry(twipsRect(left, top, width, height));
}

template <class Widget> Widget *named(Widget *widget, const QString &name) {
    widget->setObjectName(name);
    return widget;
}

QString indexed(const QString &name, int index) {
    return name + u'(' + QString::number(index) + u')';
}

QWidget *borderlessFrame(QWidget *parent, const QString &name) {
    auto *frame = named(new QWidget(parent), name);
    frame->setAutoFillBackground(true);
    return frame;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text) {
    auto *l = named(new QLabel(text, parent), name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

ImageButton *imageButton(QWidget *parent, const QString &name, const QString &resource,
                         const QString &caption) {
    return named(new ImageButton(resource, caption, parent), name);
}

} // namespace

void FormMain::createControls() {
    resize(twipsToPixels(14790), twipsToPixels(10005));
    // The skinned frame fills the window and holds every other control.
    ruZuvoz1 = wearShippedFrame(this, ShippedWindow::FormMain);

    createChapterPage(); // first, so that it lies behind the start page
    createStartPage();
    createQuestionPage();
    createExamPanel();
}

void FormMain::createStartPage() {
    Frame1 = borderlessFrame(ruZuvoz1, u"Frame1"_s);
    place(Frame1, 60, 540, 14650, 9360);

    imgBack = named(new QLabel(Frame1), u"imgBack"_s);
    place(imgBack, 0, 75, 14685, 9375);

    // Click areas over the mode buttons drawn in the start picture, named as drawn there.
    const double navLefts[] = {190, 3090, 5970, 8860, 11750};
    const QString navCaptions[] = {u"顺序练习"_s, u"章节练习"_s, u"动画练习"_s, u"多选练习"_s,
                                   u"模拟考试"_s};
    for (int i = 0; i < 5; ++i) {
        imgNav[i] = imageButton(Frame1, indexed(u"imgNav"_s, i), QString(), navCaptions[i]);
        place(imgNav[i], navLefts[i], 950, 2730, 555);
    }

    FR0 = borderlessFrame(Frame1, u"FR0"_s);
    place(FR0, 0, 1500, 14800, 7800);
    FR0->hide();
}

void FormMain::createQuestionPage() {
    FR01 = named(new OrangeTitleBox(u"考试题目"_s, FR0), u"FR01"_s);
    place(FR01, 200, 60, 14250, 7650);

    lbl[0] = label(FR01, u"lbl(0)"_s, u"共计"_s);
    place(lbl[0], 300, 330, 600, 300);
    lblAll = label(FR01, u"lblAll"_s, u"xxxx"_s);
    place(lblAll, 900, 330, 1500, 300);
    lbl[1] = label(FR01, u"lbl(1)"_s, u"转到第                    题"_s);
    place(lbl[1], 2600, 330, 3600, 300);
    txtCurrent = named(new QLineEdit(u"0"_s, FR01), u"txtCurrent"_s);
    // The study keys (digits, arrows) belong to the question until the box is clicked.
    txtCurrent->setFocusPolicy(Qt::ClickFocus);
    place(txtCurrent, 3250, 290, 900, 360);
    lblTime = label(FR01, u"lblTime"_s, u"30:00"_s);
    place(lblTime, 11000, 290, 1200, 360);
    setForeColor(lblTime, kRed);
    lblTime->setFont(QFont(u"Tahoma"_s, 12, QFont::Bold));
    lblTime->hide();
    imgCommit = imageButton(FR01, u"imgCommit"_s, u":/assets/buttons/commit.png"_s, u"交卷"_s);
    place(imgCommit, 12500, 220, 1320, 480);
    imgCommit->hide();

    lblTitle = label(FR01, u"lblTitle"_s, QString());
    place(lblTitle, 255, 825, 13680, 1065);
    lblTitle->setWordWrap(true);
    lblTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTitle->setFont(QFont(u"Tahoma"_s, 12));

    lblAnswer = label(FR01, u"lblAnswer"_s, QString());
    place(lblAnswer, 240, 2100, 5940, 2925);
    lblAnswer->setWordWrap(true);
    lblAnswer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblAnswer->setFont(QFont(u"Tahoma"_s, 11));

    FrameBack = named(new QWidget(FR01), u"FrameBack"_s);
    place(FrameBack, 6500, 1890, 7470, 3200);
    imgTitlePic = named(new QLabel(FrameBack), u"imgTitlePic"_s);
    place(imgTitlePic, 0, 0, 7470, 3200);
    wmp = named(new ClipPlayer(FR01), u"wmp"_s);
    place(wmp, 6480, 1900, 7425, 3255);
    wmp->hide();

    for (int i = 0; i < 4; ++i) {
        const QString letter(QChar(u'A' + i));
        imgAnswer[i] =
            imageButton(FR01, indexed(u"imgAnswer"_s, i),
                        u":/assets/buttons/answer_"_s + letter.toLower() + u".png"_s, letter);
        place(imgAnswer[i], 240 + i * 1080, 5150, 960, 480);
    }
    imgDone = imageButton(FR01, u"imgDone"_s, u":/assets/buttons/done.png"_s, u"确定"_s);
    place(imgDone, 4560, 5150, 1320, 480);
    imgDone->hide();

    lbl[2] = label(FR01, u"lbl(2)"_s, u"您的答案:______________       正确答案是:"_s);
    place(lbl[2], 6500, 5240, 5400, 330);
    const QFontMetrics metrics(lbl[2]->font());
    const int answerLeft = lbl[2]->x() + metrics.horizontalAdvance(u"您的答案:"_s);
    const int rightLeft = lbl[2]->x() + metrics.horizontalAdvance(lbl[2]->text()) + 4;
    lblMyAnswer = label(FR01, u"lblMyAnswer"_s, QString());
    lblMyAnswer->setGeometry(answerLeft + 6, lbl[2]->y() - 4, 90, 24);
    lblMyAnswer->setFont(QFont(u"Tahoma"_s, 12, QFont::Bold));
    setForeColor(lblMyAnswer, kRed);
    lblRightAnswer = label(FR01, u"lblRightAnswer"_s, QString());
    lblRightAnswer->setGeometry(rightLeft, lbl[2]->y() - 4, 60, 24);
    lblRightAnswer->setFont(QFont(u"Tahoma"_s, 12, QFont::Bold));
    setForeColor(lblRightAnswer, kGreen);
    for (QLabel **mark : {&imgOK, &imgErr}) {
        const bool ok = mark == &imgOK;
        *mark = label(FR01, ok ? u"imgOK"_s : u"imgErr"_s, QString());
        (*mark)->setPixmap(QPixmap(ok ? u":/assets/marks/ok.png"_s : u":/assets/marks/err.png"_s));
        (*mark)->setGeometry(rightLeft + 64, lbl[2]->y() + 2, 18, 18);
        (*mark)->hide();
    }

    cboJump = named(new QComboBox(FR01), u"cboJump"_s);
    cboJump->setFocusPolicy(Qt::ClickFocus); // its arrows would swallow the study keys
    cboJump->addItems({u"自动"_s, u"手动"_s});
    place(cboJump, 300, 5900, 1100, 360);
    lbl[3] = label(FR01, u"lbl(3)"_s, u"跳转到下一题"_s);
    place(lbl[3], 1500, 5930, 1800, 300);
    imgPre = imageButton(FR01, u"imgPre"_s, u":/assets/buttons/previous.png"_s, u"上一题"_s);
    place(imgPre, 9600, 5800, 1320, 480);
    imgNext = imageButton(FR01, u"imgNext"_s, u":/assets/buttons/next.png"_s, u"下一题"_s);
    place(imgNext, 11200, 5800, 1320, 480);
}

void FormMain::createExamPanel() {
    Fr4 = borderlessFrame(FR01, u"Fr4"_s);
    place(Fr4, 240, 6350, 13700, 1120);
    Fr4->hide();

    auto *cell = named(new PictureBox(Fr4), u"optNum(0)"_s);
    place(cell, 120, 140, 535, 270);
    cell->setFont(QFont(u"Tahoma"_s, 8));
    optNum.append(cell);

    Frame2 = named(new QWidget(Fr4), u"Frame2"_s);
    place(Frame2, 0, 800, 13000, 345);
    Frame2->setEnabled(false);
    const double swatchLefts[] = {150, 1560, 3210, 4800, 6510};
    for (int i = 0; i < 5; ++i) {
        optE[i] = named(new PictureBox(Frame2), indexed(u"optE"_s, i));
        place(optE[i], swatchLefts[i], 40, 480, 270);
        // The legend caption beside swatch i is lbl(8 - i); it stays in the panel so that
        // the disabled legend frame does not grey it.
        lbl[8 - i] = label(Fr4, indexed(u"lbl"_s, 8 - i), QString());
        place(lbl[8 - i], swatchLefts[i] + 560, 800 + 40, 1000, 270);
    }
    const QString legend[] = {u"回答错误"_s, u"回答正确"_s, u"已答题"_s, u"当前答题"_s,
                              u"未答题"_s};
    for (int i = 4; i <= 8; ++i)
        lbl[i]->setText(legend[i - 4]);
}

void FormMain::createChapterPage() {
    Fr1 = borderlessFrame(ruZuvoz1, u"Fr1"_s);
    place(Fr1, 360, 2370, 14055, 7245);
    auto *box = named(new QCheckBox(u"章节"_s, Fr1), u"chkChapter(0)"_s);
    place(box, 510, 600, 8235, 405);
    chkChapter.append(box);
    imgSelect = imageButton(Fr1, u"imgSelect"_s, u":/assets/buttons/select.png"_s, u"开始练习"_s);
    place(imgSelect, 9000, 2000, 1800, 540);
}

QCheckBox *FormMain::chapterBox(int Index) {
    while (chkChapter.size() <= Index) {
        const QCheckBox *first = chkChapter[0];
        auto *box = named(new QCheckBox(Fr1), indexed(u"chkChapter"_s, int(chkChapter.size())));
        box->resize(first->size());
        box->setFont(first->font());
        box->hide();
        chkChapter.append(box);
    }
    return chkChapter[Index];
}

PictureBox *FormMain::LoadOptNum(int Index) {
    while (optNum.size() <= Index) {
        const PictureBox *first = optNum[0];
        const int index = int(optNum.size());
        auto *cell = named(new PictureBox(Fr4), indexed(u"optNum"_s, index));
        cell->resize(first->size());
        cell->setFont(first->font());
        cell->setCursor(first->cursor());
        cell->hide();
        connect(cell, &PictureBox::clicked, this, [this, index] {
            core::tryStep(core::lcTrainer(), "optNum_Click", [&] { optNum_Click(index); });
        });
        optNum.append(cell);
    }
    return optNum[Index];
}

} // namespace trainer
