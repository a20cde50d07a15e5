#include "frame/canvas.h"

#include "core/twips.h"
#include "frame/errorhook.h"

#include <algorithm>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace frame {

using core::roundHalfEven;

namespace {
QRgb toRgb(OleColor c) {
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

// The gradients split a colour this way (blue through the masked byte).
struct Channels {
    double red, green, blue;
};
Channels gradientChannels(OleColor c) {
    return {static_cast<double>(c & 0xFF), static_cast<double>((c / 256) & 0xFF),
            static_cast<double>((c & 0xFF0000) / 65536)};
}

void requireExtent(int n) {
    if (n == 0)
        throw FrameError(errors::DivisionByZero, u"Division by zero"_s);
}
} // namespace

void FrameCanvas::plot(int x, int y, QRgb rgb) {
    if (x < 0 || y < 0 || x >= m_surface->width() || y >= m_surface->height())
        return;
    m_surface->row(y)[x] = rgb;
    const QRect rows = m_surface->rowsOf(y);
    m_dirty |= QRect(x, rows.y(), 1, rows.height());
}

void FrameCanvas::horizontalRun(int x1, int x2, int y, QRgb rgb) {
    // x2 is excluded; clipped to the image.
    const int from = std::max(x1, 0);
    const int to = std::min(x2, m_surface->width());
    if (y < 0 || y >= m_surface->height() || from >= to)
        return;
    QRgb *row = m_surface->row(y);
    std::fill(row + from, row + to, rgb);
    const QRect rows = m_surface->rowsOf(y);
    m_dirty |= QRect(from, rows.y(), to - from, rows.height());
}

// Bresenham from (x1, y1) up to but not including (x2, y2), as the platform's LineTo.
void FrameCanvas::lineTo(int x1, int y1, int x2, int y2, QRgb rgb) {
    if (y1 == y2) {
        if (x1 <= x2)
            horizontalRun(x1, x2, y1, rgb);
        else
            horizontalRun(x2 + 1, x1 + 1, y1, rgb);
        return;
    }
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1, y = y1;
    while (x != x2 || y != y2) {
        plot(x, y, rgb);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

QRect FrameCanvas::takeDirtyRect() {
    return std::exchange(m_dirty, QRect());
}

void FrameCanvas::APILineEx(int X1, int Y1, int X2, int Y2, OleColor colour) {
    guarded("APILineEx", [&] { lineTo(X1, Y1, X2, Y2, toRgb(colour)); });
}

void FrameCanvas::ApiRectangle(int X, int Y, int W, int H, OleColor colour) {
    guarded("ApiRectangle", [&] {
        const QRgb rgb = toRgb(colour);
        lineTo(X, Y, X + W, Y, rgb);
        lineTo(X + W, Y, X + W, Y + H, rgb);
        lineTo(X + W, Y + H, X, Y + H, rgb);
        lineTo(X, Y + H, X, Y, rgb);
    });
}

void FrameCanvas::SetPixel(int x, int y, OleColor colour) {
    plot(x, y, toRgb(colour));
}

void FrameCanvas::DrawGradientEx(OleColor colourA, OleColor colourB, int X, int Y, int P3, int P4,
                                 bool vertical) {
    guarded("DrawGradientEx", [&] {
        const Channels a = gradientChannels(colourA), b = gradientChannels(colourB);
        const int n = vertical ? P4 : P3;
        requireExtent(n);
        const double stepRed = (b.red - a.red) / n, stepGreen = (b.green - a.green) / n,
                     stepBlue = (b.blue - a.blue) / n;
        for (int i = 1; i <= n - 1; ++i) {
            const OleColor c =
                RGB(roundHalfEven(a.red + stepRed * i), roundHalfEven(a.green + stepGreen * i),
                    roundHalfEven(a.blue + stepBlue * i));
            if (vertical)
                lineTo(X, Y + i, P3, Y + i, toRgb(c));
            else
                lineTo(X + i, Y, X + i, P4, toRgb(c));
        }
    });
}

void FrameCanvas::DrawGradCilinder(OleColor colour1, OleColor colour2, Box box, bool vertical,
                                   double ratio) {
    guarded("DrawGradCilinder", [&] {
        const double r = ratio > 1 ? ratio : 1.01;
        const auto [X, Y, W, H] = box;
        if (vertical) {
            DrawGradientEx(colour1, colour2, X, Y, X + W, roundHalfEven(H / r), true);
            DrawGradientEx(colour2, colour1, X, roundHalfEven(H / r + Y - 1), X + W,
                           roundHalfEven((r - 1) * H / r + 1), true);
        } else {
            DrawGradientEx(colour1, colour2, X, Y, roundHalfEven(W / r), Y + H, false);
            DrawGradientEx(colour2, colour1, roundHalfEven(W / r + X - 1), Y,
                           roundHalfEven((r - 1) * W / r + 1), Y + H, false);
        }
    });
}

void FrameCanvas::DrawGradientInRectangle(OleColor colour1, OleColor colour2, Box box, qint32 kind,
                                          bool outline, OleColor outlineColour, double ratio) {
    guarded("DrawGradientInRectangle", [&] {
        const auto [X, Y, W, H] = box;
        switch (kind) {
        case gkLinearVertical:
            DrawGradientEx(colour2, colour1, X, Y, X + W, H, true);
            break;
        case gkLinearHorizontal:
            DrawGradientEx(colour2, colour1, X, Y, W, Y + H, false);
            break;
        case gkCylinderVertical:
            DrawGradCilinder(colour1, colour2, box, true, ratio);
            break;
        case gkCylinderHorizontal:
            DrawGradCilinder(colour1, colour2, box, false, ratio);
            break;
        default:
            break;
        }
        if (outline)
            ApiRectangle(X, Y, W, H, outlineColour);
    });
}

void FrameCanvas::PaintShpInBar(OleColor colour1, OleColor colour2, int barHeight) {
    guarded("PaintShpInBar", [&] {
        const auto x0 = static_cast<qint16>(roundHalfEven((m_surface->width() - 18 - 16) / 2.0));
        const auto y0 = static_cast<qint16>(roundHalfEven((barHeight - 2) / 2.0));
        for (int i = 0; i <= 8; ++i) {
            ApiRectangle(x0 + 4 * i + 1, y0 + 1, 1, 1, colour1);
            ApiRectangle(x0 + 4 * i, y0, 1, 1, colour2);
        }
    });
}

OleColor MixColors(OleColor colour1, OleColor colour2) {
    const auto mix = [](int a, int b) { return roundHalfEven((a + b) / 2.0); };
    return RGB(mix(redOf(colour1), redOf(colour2)), mix(greenOf(colour1), greenOf(colour2)),
               mix(blueOf(colour1), blueOf(colour2)));
}

} // namespace frame
