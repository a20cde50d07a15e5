#pragma once

#include "units.h"

#include <QWidget>

namespace trainer {

// The text colour of a label, as a 0x00BBGGRR value.
inline quint32 foreColor(const QWidget *widget) {
    return bgrFromColor(widget->palette().color(QPalette::WindowText));
}

inline void setForeColor(QWidget *widget, quint32 bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colorFromBgr(bgr));
    widget->setPalette(palette);
}

} // namespace trainer
