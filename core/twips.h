#pragma once

#include <QRect>

#include <cmath>

namespace core {

// Design arithmetic rounds halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// Window geometry is kept in twips: 15 to a pixel at 96 dots per inch. Fractions of a twip (a
// box 1.2 heights below the last, a picture centred by halves) last until the final rounding.
inline constexpr int TwipsPerPixel = 15;

inline int pixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

inline int twipsToPixels(double twips) {
    return roundHalfEven(twips / TwipsPerPixel);
}

inline QRect twipsRect(double left, double top, double width, double height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace core
