// The shared button pictures, right/wrong marks and hand cursor in assets/, and the
// resource file that compiles them into the program.
#include "canvas.h"
#include "outputs.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainterPath>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

const QColor kAnswerBlue(0x2f, 0x7f, 0xd6);
const QColor kMoveTeal(0x1c, 0x95, 0x88);
const QColor kConfirmGreen(0x3a, 0x9e, 0x3a);
const QColor kHandInOrange(0xe0, 0x5a, 0x22);

// A rounded glossy button: a gradient body, a soft highlight on the upper half, white text.
QImage glossyButton(QSize size, const QString &caption, const QColor &base, qreal textPixels) {
    QImage image = newCanvas(size);
    QPainter p(&image);
    prepare(p);
    const QRectF body = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = size.height() * 0.32;
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, base.lighter(150));
    fill.setColorAt(0.5, base);
    fill.setColorAt(1, base.darker(125));
    p.setPen(QPen(base.darker(160), 1));
    p.setBrush(fill);
    p.drawRoundedRect(body, radius, radius);
    const QRectF gloss = body.adjusted(2, 1.5, -2, -body.height() * 0.5);
    QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
    shine.setColorAt(0, QColor(255, 255, 255, 170));
    shine.setColorAt(1, QColor(255, 255, 255, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(gloss, radius * 0.8, radius * 0.8);
    const QFont font = caption.size() == 1 ? signFont(textPixels) : cjkFont(textPixels, true);
    drawCentredText(p, body.translated(0, 1), caption, font, QColor(0, 0, 0, 110));
    drawCentredText(p, body, caption, font, Qt::white);
    return image;
}

QImage mark(bool right) {
    QImage image = newCanvas(QSize(18, 18));
    QPainter p(&image);
    prepare(p);
    const QColor colour = right ? QColor(0x1e, 0x9e, 0x3a) : QColor(0xe0, 0x1e, 0x1e);
    p.setPen(QPen(colour, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (right) {
        p.drawPolyline(QPolygonF{{QPointF(3, 9.5), QPointF(7.5, 14), QPointF(15, 4)}});
    } else {
        p.drawLine(QPointF(4, 4), QPointF(14, 14));
        p.drawLine(QPointF(14, 4), QPointF(4, 14));
    }
    return image;
}

// A pointing hand, index finger up; its tip is the hot spot at (12, 1).
QImage handCursor() {
    QImage image = newCanvas(QSize(32, 32));
    QPainter p(&image);
    prepare(p);
    QPainterPath hand;
    hand.moveTo(9.5, 4);
    hand.arcTo(QRectF(9.5, 1.5, 5, 5), 180, -180);
    hand.lineTo(14.5, 11.5);
    hand.arcTo(QRectF(14.5, 9.5, 4, 4), 180, -180);
    hand.lineTo(18.5, 12.5);
    hand.arcTo(QRectF(18.5, 10.5, 4, 4), 180, -180);
    hand.lineTo(22.5, 14.5);
    hand.arcTo(QRectF(22.5, 12.5, 4, 4), 180, -180);
    hand.lineTo(26.5, 23);
    hand.quadTo(26.5, 27.5, 23.5, 28.5);
    hand.lineTo(23.5, 30.5);
    hand.lineTo(11.5, 30.5);
    hand.lineTo(11.5, 28.5);
    hand.quadTo(8.5, 26, 6, 21.5);
    hand.lineTo(3.5, 17.5);
    hand.quadTo(3, 15.5, 5, 15.5);
    hand.quadTo(6.5, 15.5, 9.5, 19.5);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    for (const QLineF &crease :
         {QLineF(14.5, 12, 14.5, 17), QLineF(18.5, 13, 18.5, 17.5), QLineF(22.5, 15, 22.5, 18.5)})
        p.drawLine(crease);
    return image;
}

struct AssetFile {
    QString path; // relative to assets/
    QImage image;
};

std::vector<AssetFile> assetFiles() {
    std::vector<AssetFile> files;
    const QString letters = u"ABCD"_s;
    for (int i = 0; i < 4; ++i)
        files.push_back({u"buttons/answer_%1.png"_s.arg(letters[i].toLower()),
                         glossyButton(QSize(64, 32), letters.mid(i, 1), kAnswerBlue, 20)});
    files.push_back(
        {u"buttons/previous.png"_s, glossyButton(QSize(88, 32), u"上一题"_s, kMoveTeal, 16)});
    files.push_back(
        {u"buttons/next.png"_s, glossyButton(QSize(88, 32), u"下一题"_s, kMoveTeal, 16)});
    files.push_back(
        {u"buttons/done.png"_s, glossyButton(QSize(88, 32), u"确定"_s, kConfirmGreen, 16)});
    files.push_back(
        {u"buttons/commit.png"_s, glossyButton(QSize(88, 32), u"交卷"_s, kHandInOrange, 16)});
    files.push_back(
        {u"buttons/select.png"_s, glossyButton(QSize(120, 36), u"开始练习"_s, kConfirmGreen, 17)});
    files.push_back({u"marks/ok.png"_s, mark(true)});
    files.push_back({u"marks/err.png"_s, mark(false)});
    files.push_back({u"cursors/hand.png"_s, handCursor()});
    return files;
}

} // namespace

bool writeAssets(const QString &root) {
    QTextStream out(stdout);
    bool ok = true;
    QString qrc = u"<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n"_s;
    for (const auto &file : assetFiles()) {
        ok = savePng(file.image, root + u"/assets/"_s + file.path) && ok;
        qrc += u"    <file alias=\"assets/%1\">%1</file>\n"_s.arg(file.path);
    }
    qrc += u"</qresource>\n</RCC>\n"_s;
    QFile qrcFile(root + u"/assets/assets.qrc"_s);
    ok = qrcFile.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
         qrcFile.write(qrc.toUtf8()) > 0 && ok;
    out << (ok ? "assets written\n" : "writing assets failed\n");
    return ok;
}

} // namespace mediagen
