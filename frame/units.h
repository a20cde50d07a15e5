#pragma once

#include <cmath>

namespace frame {

// Design arithmetic rounds halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// Window geometry is kept in twips: 15 to a pixel at 96 dots per inch.
inline constexpr int TwipsPerPixel = 15;

inline int pixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

inline int twipsToPixels(int twips) {
    return roundHalfEven(static_cast<double>(twips) / TwipsPerPixel);
}

} // namespace frame
