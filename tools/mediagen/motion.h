// Small timing helpers for clips: easing, ranges of the loop phase and blinking lamps.
#pragma once

#include <QPointF>

#include <algorithm>
#include <cmath>

namespace mediagen::motion {

inline double clamp01(double x) {
    return std::clamp(x, 0.0, 1.0);
}

// 0 before a, 1 after b, a smooth S-curve between.
inline double ease(double a, double b, double t) {
    const double x = clamp01((t - a) / (b - a));
    return x * x * (3 - 2 * x);
}

inline double lerp(double a, double b, double f) {
    return a + (b - a) * f;
}

inline QPointF lerp(QPointF a, QPointF b, double f) {
    return a + (b - a) * f;
}

// True during the lit half of a lamp flashing at hz, with the clip lasting seconds.
inline bool blink(double t, double seconds, double hz) {
    return std::fmod(t * seconds * hz, 1.0) < 0.5;
}

// Distance covered by phase t at the relative speed(s), 0 <= s <= t, in units of full speed
// times the whole loop: integrate(1, s -> 1) is 1.
template <typename Speed> double integrate(double t, Speed speed) {
    const int steps = 200;
    double distance = 0;
    for (int i = 0; i < steps; ++i)
        distance += speed(t * (i + 0.5) / steps) * t / steps;
    return distance;
}

// Position at phase t when moving from a to b over the loop at the relative speed(s).
template <typename Speed> double travel(double a, double b, double t, Speed speed) {
    return lerp(a, b, integrate(t, speed) / integrate(1, speed));
}

} // namespace mediagen::motion
