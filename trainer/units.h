#pragma once

#include <QColor>
#include <QRect>

#include <cmath>

namespace trainer {

// Design arithmetic rounds to the nearest whole number, halves to the even neighbour.
inline int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// Window and control geometry is designed in twips: 15 twips per pixel at 96 dpi.
inline constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips) {
    return roundHalfEven(twips / kTwipsPerPixel);
}
inline double pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

inline QRect twipsRect(double left, double top, double width, double height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

// Colours are designed as 0x00BBGGRR values (red in the low byte).
inline QColor colorFromBgr(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline quint32 bgrFromColor(const QColor &color) {
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

} // namespace trainer
