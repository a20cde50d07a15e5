#include "pagestyle.h"

#include <QPushButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

OrangeTitleBox::OrangeTitleBox(const QString &title, QWidget *parent) : QGroupBox(title, parent) {}

void OrangeTitleBox::paintEvent(QPaintEvent *) {
    const QColor orange(255, 128, 0);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.textColor = orange;                             // the styles that take it from here
    option.palette.setColor(QPalette::WindowText, orange); // and those that take the palette's
    QStylePainter(this).drawComplexControl(QStyle::CC_GroupBox, option);
}

QGroupBox *pageBox(const QString &title, QWidget *parent) {
    auto *box = new OrangeTitleBox(title, parent);
    auto *layout = new QVBoxLayout(parent);
    layout->setContentsMargins(13, 4, 13, 4);
    layout->addWidget(box);
    return box;
}

QPushButton *greenButton(const QString &caption, QWidget *parent) {
    auto *button = new QPushButton(caption, parent);
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumSize(88, 32);
    button->setStyleSheet(
        u"QPushButton { color: white; font-weight: bold; border: 1px solid rgb(46, 125, 50);"
        " border-radius: 6px; padding: 4px 14px; background: qlineargradient(x1:0, y1:0, x2:0,"
        " y2:1, stop:0 rgb(129, 199, 132), stop:0.5 rgb(67, 160, 71), stop:1 rgb(46, 125, 50)); }"
        " QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 rgb(165, 214, 167), stop:0.5 rgb(76, 175, 80), stop:1 rgb(56, 142, 60)); }"
        " QPushButton:focus { border: 1px solid rgb(255, 128, 0); }"_s);
    return button;
}

} // namespace trainer
