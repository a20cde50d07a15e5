#include "canvas.h"

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

QImage newCanvas(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter &p) {
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
}

QFont cjkFont(qreal pixelSize, bool bold) {
    QFont font(u"WenQuanYi Micro Hei"_s);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont signFont(qreal pixelSize) {
    QFont font(u"DejaVu Sans"_s);
    font.setStretch(QFont::Condensed);
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

bool fontsInstalled(QString *missing) {
    for (const QFont &font : {cjkFont(20), signFont(20)})
        if (QFontInfo(font).family() != font.family()) {
            *missing = font.family();
            return false;
        }
    return true;
}

void drawCentredText(QPainter &p, const QRectF &box, const QString &text, const QFont &font,
                     const QColor &colour) {
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

void drawOutlinedText(QPainter &p, const QRectF &box, const QString &text, const QFont &font,
                      const QColor &fill, const QColor &outline, qreal outlineWidth) {
    // Lay the text out as a path so the halo follows the glyphs exactly.
    QPainterPath path;
    const QFontMetricsF metrics(font);
    const QRectF bounds = metrics.boundingRect(text);
    const qreal x = box.center().x() - metrics.horizontalAdvance(text) / 2;
    const qreal y = box.center().y() - bounds.center().y();
    path.addText(QPointF(x, y), font, text);
    p.save();
    p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

bool savePng(const QImage &image, const QString &path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, "PNG");
}

QColor mix(const QColor &a, const QColor &b, qreal f) {
    const auto lerp = [f](qreal x, qreal y) { return x + (y - x) * f; };
    return QColor::fromRgbF(float(lerp(a.redF(), b.redF())), float(lerp(a.greenF(), b.greenF())),
                            float(lerp(a.blueF(), b.blueF())), float(lerp(a.alphaF(), b.alphaF())));
}

void fillVerticalGradient(QPainter &p, const QRectF &box, const QColor &top, const QColor &bottom,
                          qreal radius) {
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRoundedRect(box, radius, radius);
    p.restore();
}

void glow(QPainter &p, QPointF at, qreal radius, const QColor &colour) {
    QRadialGradient g(at, radius);
    g.setColorAt(0, colour);
    QColor edge = colour;
    edge.setAlpha(0);
    g.setColorAt(1, edge);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(at, radius, radius);
}

void throughHaze(QPainter &p, qreal veil, const std::function<void(QPainter &, bool lit)> &draw) {
    // The layers cover the whole canvas, drawn without a transform like the scenes themselves.
    const QSize size(p.device()->width(), p.device()->height());
    const auto layer = [&](bool lit, const QColor &ground) {
        QImage image = newCanvas(size);
        image.fill(ground);
        QPainter painter(&image);
        prepare(painter);
        draw(painter, lit);
        return image;
    };
    p.save();
    p.setOpacity(1 - veil);
    p.drawImage(0, 0, layer(false, Qt::transparent));
    p.restore();
    // On black, what the lamps add over the unlit vehicle is their light alone; it carries
    // through the haze and adds to what is there.
    QImage light = layer(true, Qt::black);
    {
        QPainter difference(&light);
        difference.setCompositionMode(QPainter::CompositionMode_Difference);
        difference.drawImage(0, 0, layer(false, Qt::black));
    }
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.drawImage(0, 0, light);
    p.restore();
}

} // namespace mediagen
