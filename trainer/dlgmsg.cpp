#include "dlgmsg.h"

#include "core/color.h"
#include "core/twips.h"
#include "fonts.h"
#include "shippedframe.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

using core::colorFromBgr;
using core::roundHalfEven;
using core::twipsRect;

namespace {

constexpr quint32 kFaceColor = 0xF0F0F0;
constexpr quint32 kTextColor = 0x0000FF;

// The lines' design font, "宋体", drawn with an installed CJK serif (or the CJK font we ship).
QFont lineFont() {
    installFontSubstitutions();
    QFont font(u"宋体"_s);
    font.setPointSizeF(20.25);
    font.setWeight(QFont::Normal);
    return font;
}

void paintBackground(QWidget *widget, quint32 bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colorFromBgr(bgr));
    palette.setColor(QPalette::Button, colorFromBgr(bgr));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

DlgMsg::DlgMsg(const QString &title) : QDialog(nullptr) {
    setObjectName(u"DlgMsg"_s);
    setWindowTitle(title);
    setModal(true);
    createFrame();
    createControls();
    connect(cmd, &QPushButton::clicked, this, &DlgMsg::cmd_Click);
}

// The one place that frames the dialog: frameless, its client area inside the skinned frame.
void DlgMsg::createFrame() {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    resize(twipsRect(0, 0, 5400, 2895).size());
    ruZuvoz1 = wearShippedFrame(this, ShippedWindow::DlgMsg);
}

void DlgMsg::createControls() {
    Frame1 = new QWidget(ruZuvoz1);
    Frame1->setObjectName(u"Frame1"_s);
    Frame1->setGeometry(twipsRect(60, 660, 5265, 2055));
    paintBackground(Frame1, kFaceColor);

    const QFont font = lineFont();
    const auto makeLine = [&](const QString &name, double top) {
        auto *label = new QLabel(Frame1);
        label->setObjectName(name);
        label->setFont(font);
        label->setTextFormat(Qt::PlainText);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colorFromBgr(kTextColor));
        label->setPalette(palette);
        label->setGeometry(twipsRect(0, top, 0, 405));
        return label;
    };
    lblLabel1 = makeLine(u"lblLabel1"_s, 60);
    lblLabel2 = makeLine(u"lblLabel2"_s, 690);

    cmd = new QPushButton(u"确定"_s, Frame1);
    cmd->setObjectName(u"cmd"_s);
    cmd->setGeometry(twipsRect(1950, 1560, 1215, 375));
    paintBackground(cmd, kFaceColor);
    cmd->setDefault(true);
}

// A line takes the width of its text and is centred in Frame1; a line wider than the frame gets
// a negative left and is cut on both sides.
void DlgMsg::placeLine(QLabel *label, const QString &text) {
    label->setText(text);
    const int width = label->sizeHint().width();
    label->setGeometry(roundHalfEven((Frame1->width() - width) / 2.0), label->y(), width,
                       label->height());
}

void DlgMsg::Form_Load() {
    placeLine(lblLabel1, str1);
    placeLine(lblLabel2, str2);
}

void DlgMsg::cmd_Click() {
    accept();
}

int DlgMsg::exec() {
    Form_Load();
    return QDialog::exec();
}

} // namespace trainer
