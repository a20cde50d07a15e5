#include "pagestyle.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

QGroupBox *pageBox(const QString &title, QWidget *parent) {
    auto *box = new QGroupBox(title, parent);
    box->setStyleSheet(u"QGroupBox::title { color: rgb(255, 128, 0); }"_s);
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
