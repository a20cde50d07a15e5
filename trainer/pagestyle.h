// The look the added pages share with the design's own: the orange group title, the green
// rounded buttons of the button pictures, the window's background colour.
#pragma once

#include <QGroupBox>
#include <QString>

class QPushButton;
class QWidget;

namespace trainer {

// A group box with an orange title, as "考试题目" on the question page. Painted so rather than
// by a palette, which would colour its contents too, or a style sheet, which costs the window's
// start a style engine.
class OrangeTitleBox : public QGroupBox {
public:
    OrangeTitleBox(const QString &title, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A group box titled like "考试题目" on the question page, filling parent.
QGroupBox *pageBox(const QString &title, QWidget *parent);

// A push button drawn like the design's green button pictures ("开始练习").
QPushButton *greenButton(const QString &caption, QWidget *parent);

} // namespace trainer
