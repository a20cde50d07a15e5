#pragma once

#include "frame/olecolor.h"
#include "frame/units.h"

#include <QColor>
#include <QRect>

namespace trainer {

using frame::roundHalfEven;

// The window's own design arithmetic keeps fractions of a twip (a box 1.2 heights below the
// last, a picture centred by halves) until the final rounding to pixels.
inline constexpr double kTwipsPerPixel = frame::TwipsPerPixel;

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
    return frame::toQColor(static_cast<frame::OleColor>(bgr));
}

inline quint32 bgrFromColor(const QColor &color) {
    return static_cast<quint32>(frame::fromQColor(color));
}

} // namespace trainer
