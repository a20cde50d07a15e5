#pragma once

#include "frame/framesurface.h"
#include "frame/olecolor.h"

#include <QRect>

namespace frame {

// Gradient kinds of DrawGradientInRectangle.
enum GradientKind : qint32 {
    gkLinearVertical = 0,
    gkLinearHorizontal = 1,
    gkCylinderVertical = 2,
    gkCylinderHorizontal = 3,
};

// A box as the gradients read it: a position and an extent, not two corners.
struct Box {
    int X = 0;
    int Y = 0;
    int W = 0;
    int H = 0;
};

// The frame's own drawing primitives on its surface: one-pixel lines that exclude their end
// point, outlines, line-by-line gradients and grip dots, so every pixel can be read back.
// Each primitive reports its own failure to the frame's hook and draws nothing more.
class FrameCanvas {
public:
    explicit FrameCanvas(FrameSurface *surface) : m_surface(surface) {}

    void APILineEx(int X1, int Y1, int X2, int Y2, OleColor colour);
    void ApiRectangle(int X, int Y, int W, int H, OleColor colour);
    void DrawGradientEx(OleColor colourA, OleColor colourB, int X, int Y, int P3, int P4,
                        bool vertical);
    void DrawGradCilinder(OleColor colour1, OleColor colour2, Box box, bool vertical, double ratio);
    void DrawGradientInRectangle(OleColor colour1, OleColor colour2, Box box, qint32 kind,
                                 bool outline, OleColor outlineColour, double ratio);
    void PaintShpInBar(OleColor colour1, OleColor colour2, int barHeight);
    void SetPixel(int x, int y, OleColor colour);

    // The pixels touched since the last call, so a caller repaints only those.
    QRect takeDirtyRect();

private:
    void lineTo(int x1, int y1, int x2, int y2, QRgb rgb);
    void plot(int x, int y, QRgb rgb);
    void horizontalRun(int x1, int x2, int y, QRgb rgb);

    FrameSurface *m_surface;
    QRect m_dirty;
};

OleColor MixColors(OleColor colour1, OleColor colour2);

} // namespace frame
