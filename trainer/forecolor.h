#pragma once

#include "core/color.h"

#include <QWidget>

namespace trainer {

// The text colours of the window: red (the clock, a wrong answer), green (the right answer).
inline constexpr quint32 kRed = 0x0000FF;
inline constexpr quint32 kGreen = 0x008000;

// The text colour of a label, as a 0x00BBGGRR value.
inline quint32 foreColor(const QWidget *widget) {
    return core::bgrFromColor(widget->palette().color(QPalette::WindowText));
}

inline void setForeColor(QWidget *widget, quint32 bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, core::colorFromBgr(bgr));
    widget->setPalette(palette);
}

} // namespace trainer
