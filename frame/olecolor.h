#pragma once

#include "core/color.h"

#include <QColor>
#include <QtGlobal>

namespace frame {

// A colour as the design keeps it: 0x00BBGGRR, or 0x80000000 | index for a system colour.
using OleColor = qint32;

inline constexpr OleColor SystemButtonFace = static_cast<OleColor>(0x8000000F);
inline constexpr OleColor White = 0x00FFFFFF;

constexpr OleColor RGB(int red, int green, int blue) {
    return static_cast<OleColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

constexpr int redOf(OleColor c) {
    return c & 0xFF;
}
constexpr int greenOf(OleColor c) {
    return (c / 256) & 0xFF;
}
constexpr int blueOf(OleColor c) {
    return (c / 65536) & 0xFF;
}

// For painting a plain (already translated) colour.
inline QColor toQColor(OleColor c) {
    return core::colorFromBgr(static_cast<quint32>(c));
}

inline OleColor fromQColor(const QColor &c) {
    return static_cast<OleColor>(core::bgrFromColor(c));
}

} // namespace frame
