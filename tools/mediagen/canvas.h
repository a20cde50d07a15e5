// Shared drawing helpers of the media generator: canvases, fonts, text and saving.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <functional>

namespace mediagen {

// A transparent ARGB canvas of the given size.
QImage newCanvas(QSize size);

// Antialiased lines, text and smooth scaling: every drawing starts with this.
void prepare(QPainter &p);

// The installed CJK font, sized in pixels so drawings do not depend on the screen.
QFont cjkFont(qreal pixelSize, bool bold = false);

// A condensed bold sans for the digits and letters on signs and lamps.
QFont signFont(qreal pixelSize);

// True when both fonts above are the installed families and not stand-ins; otherwise names
// the missing family in missing.
bool fontsInstalled(QString *missing);

// Text centred in a rectangle, in one colour.
void drawCentredText(QPainter &p, const QRectF &box, const QString &text, const QFont &font,
                     const QColor &colour);

// Text with a soft dark halo so it stays readable over any background.
void drawOutlinedText(QPainter &p, const QRectF &box, const QString &text, const QFont &font,
                      const QColor &fill, const QColor &outline, qreal outlineWidth);

// A soft round light fading from colour at its centre to nothing at radius (lamps, beams).
void glow(QPainter &p, QPointF at, qreal radius, const QColor &colour);

// Writes the image as PNG, creating its folder; false when writing fails.
bool savePng(const QImage &image, const QString &path);

// A colour between a and b; f = 0 gives a, f = 1 gives b.
QColor mix(const QColor &a, const QColor &b, qreal f);

// A rounded rectangle filled with a vertical gradient from top to bottom.
void fillVerticalGradient(QPainter &p, const QRectF &box, const QColor &top, const QColor &bottom,
                          qreal radius = 0);

// Paints what draw paints half hidden in fog or dust: the body fades by veil (0 to 1) while the
// light its lamps add (draw called with lit) still shines through. Drawn without a transform,
// over the whole canvas.
void throughHaze(QPainter &p, qreal veil, const std::function<void(QPainter &, bool lit)> &draw);

} // namespace mediagen
