#pragma once

#include <QColor>

namespace core {

// Colours are designed as 0x00BBGGRR values (red in the low byte).
inline QColor colorFromBgr(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline quint32 bgrFromColor(const QColor &color) {
    return quint32(color.red() & 0xFF) | (quint32(color.green() & 0xFF) << 8) |
           (quint32(color.blue() & 0xFF) << 16);
}

} // namespace core
