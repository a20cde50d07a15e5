// Each edition's start page (the picture behind the five transparent mode buttons), its
// program icon, the resource file that compiles both into the edition's program, and the
// icon again at the sizes a desktop's icon theme asks for.
#include "canvas.h"
#include "outputs.h"
#include "sideview.h"
#include "sign_shapes.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainterPath>
#include <QTextStream>

#include <cmath>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

constexpr QSize kStartSize{979, 625};

struct Edition {
    const char *folder;
    QString title;
    QColor dark, mid, pale;
    void (*vehicle)(QPainter &p, const QRectF &stage);
};

// Design geometry is in twips, 15 to the pixel, rounded half to even.
int pixels(int twips) {
    return int(std::nearbyint(twips / 15.0));
}

// The mode buttons lie in Frame1 at Top 950; the picture itself sits 75 twips down in Frame1.
QRect modeButton(int index) {
    static constexpr int kLefts[] = {190, 3090, 5970, 8860, 11750};
    return QRect(pixels(kLefts[index]), pixels(950) - pixels(75), pixels(2730), pixels(555));
}

void lightVehicle(QPainter &p, const QRectF &stage) {
    side::tree(p, QPointF(stage.left() + 70, stage.bottom() - 92), 90);
    side::carSide(p, QPointF(stage.center().x() + 10, stage.bottom() - 70), 270,
                  QColor(0x1f, 0x7a, 0xd1));
}

void heavyVehicle(QPainter &p, const QRectF &stage) {
    side::busSide(p, QPointF(stage.center().x() + 24, stage.bottom() - 88), 230,
                  QColor(0xf2, 0xf2, 0xee), false);
    side::lorrySide(p, QPointF(stage.center().x() - 12, stage.bottom() - 58), 210,
                    QColor(0xc8, 0x64, 0x1e), 46, QColor(0x2e, 0x6d, 0xb4));
}

void modeButtons(QPainter &p, const Edition &edition) {
    static const QString kCaptions[] = {u"顺序练习"_s, u"章节练习"_s, u"动画练习"_s, u"多选练习"_s,
                                        u"模拟考试"_s};
    for (int i = 0; i < 5; ++i) {
        const QRectF box = QRectF(modeButton(i)).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawRoundedRect(box.translated(0, 2), 12, 12);
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        fill.setColorAt(0, edition.mid.lighter(150));
        fill.setColorAt(0.5, edition.mid);
        fill.setColorAt(1, edition.dark);
        p.setPen(QPen(edition.dark.darker(130), 1));
        p.setBrush(fill);
        p.drawRoundedRect(box, 12, 12);
        QLinearGradient shine(box.topLeft(), box.center());
        shine.setColorAt(0, QColor(255, 255, 255, 150));
        shine.setColorAt(1, QColor(255, 255, 255, 20));
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        p.drawRoundedRect(box.adjusted(4, 2, -4, -box.height() / 2), 9, 9);
        drawCentredText(p, box.translated(0, 1), kCaptions[i], cjkFont(21, true),
                        QColor(0, 0, 0, 120));
        drawCentredText(p, box, kCaptions[i], cjkFont(21, true), Qt::white);
    }
}

void descriptions(QPainter &p, const Edition &edition, const QRectF &area) {
    static const std::pair<QString, QString> kLines[] = {
        {u"顺序练习"_s, u"按题库顺序逐题练习，答完立即显示对错和正确答案。"_s},
        {u"章节练习"_s, u"勾选一个或几个章节，集中练习所选章节的题目。"_s},
        {u"动画练习"_s, u"观看交通情景动画，判断正确的安全文明驾驶做法。"_s},
        {u"多选练习"_s, u"专门练习多项选择题，选好全部答案后按“确定”。"_s},
        {u"模拟考试"_s, u"按考试比例随机组卷，限时30分钟，交卷后评分。"_s},
    };
    drawCentredText(p, QRectF(area.left(), area.top(), 150, 34), u"功能说明"_s, cjkFont(22, true),
                    edition.dark);
    p.fillRect(QRectF(area.left() + 14, area.top() + 36, 120, 3), edition.mid);
    for (int i = 0; i < 5; ++i) {
        const qreal y = area.top() + 62 + i * 62;
        p.setPen(Qt::NoPen);
        p.setBrush(edition.mid);
        p.drawEllipse(QPointF(area.left() + 28, y + 15), 15, 15);
        drawCentredText(p, QRectF(area.left() + 13, y, 30, 30), QString::number(i + 1),
                        signFont(17), Qt::white);
        p.setFont(cjkFont(19, true));
        p.setPen(edition.dark);
        p.drawText(QRectF(area.left() + 54, y, 110, 30), Qt::AlignVCenter | Qt::AlignLeft,
                   kLines[i].first);
        p.setFont(cjkFont(17));
        p.setPen(QColor(0x33, 0x37, 0x3d));
        p.drawText(QRectF(area.left() + 150, y, area.width() - 150, 30),
                   Qt::AlignVCenter | Qt::AlignLeft, kLines[i].second);
    }
}

// The program icon, drawn on a 64-unit grid and scaled, so every size is drawn rather than
// resampled.
QImage icon(const Edition &edition, int size = 64);

QImage startPage(const Edition &edition) {
    QImage image = newCanvas(kStartSize);
    QPainter p(&image);
    prepare(p);
    const QRectF whole(QPointF(0, 0), QSizeF(kStartSize));
    fillVerticalGradient(p, whole, edition.pale, Qt::white);
    QLinearGradient band(0, 0, 979, 0);
    band.setColorAt(0, edition.dark);
    band.setColorAt(1, edition.mid);
    p.fillRect(QRectF(0, 0, 979, 54), band);
    p.fillRect(QRectF(0, 54, 979, 2), edition.pale.darker(130));
    // The program's icon at the left of the title band.
    p.drawImage(QRectF(28, 5, 44, 44), icon(edition));
    drawOutlinedText(p, QRectF(0, 4, 979, 46), edition.title, cjkFont(30, true), Qt::white,
                     edition.dark.darker(150), 3);
    modeButtons(p, edition);
    // Below the buttons: a calm card with the descriptions and the edition's vehicle.
    const QRectF card(24, 118, 931, 470);
    p.setPen(QPen(edition.pale.darker(120), 1));
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRoundedRect(card, 18, 18);
    descriptions(p, edition, QRectF(card.left() + 26, card.top() + 34, 560, 400));
    const QRectF stage(card.right() - 330, card.top() + 60, 300, 340);
    p.save();
    QPainterPath round;
    round.addEllipse(stage.center(), 150, 150);
    p.setClipPath(round);
    side::sky(p, stage, edition.pale.darker(108), Qt::white);
    side::hills(p, 979, stage.bottom() - 110, 40, edition.pale.darker(125), 3);
    p.fillRect(QRectF(stage.left(), stage.bottom() - 112, stage.width(), 112),
               QColor(0x5d, 0x62, 0x66));
    p.fillRect(QRectF(stage.left(), stage.bottom() - 90, stage.width(), 4),
               QColor(0xf2, 0xc2, 0x1b));
    edition.vehicle(p, stage);
    p.restore();
    p.setPen(QPen(edition.mid, 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(stage.center(), 150, 150);
    drawCentredText(p, QRectF(0, 594, 979, 26), u"安全文明驾驶　从我做起"_s, cjkFont(16),
                    edition.dark);
    return image;
}

QImage icon(const Edition &edition, int size) {
    QImage image = newCanvas(QSize(size, size));
    QPainter p(&image);
    prepare(p);
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient fill(0, 0, 0, 64);
    fill.setColorAt(0, edition.mid.lighter(130));
    fill.setColorAt(1, edition.dark);
    p.setPen(QPen(edition.dark.darker(140), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1.5, 1.5, 61, 61), 13, 13);
    // Below 32 pixels the ring would blur into the vehicle: the vehicle alone fills the tile.
    const bool small = size < 32;
    if (!small) {
        p.setPen(QPen(Qt::white, 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(32, 32), 24, 24);
    }
    if (QString::fromLatin1(edition.folder) == u"heavy"_s)
        sign::lorryProfile(p, small ? QRectF(5, 13, 54, 38) : QRectF(12, 20, 40, 24), Qt::white,
                           edition.dark);
    else
        sign::carRear(p, small ? QRectF(9, 9, 46, 46) : QRectF(16, 18, 32, 30), Qt::white,
                      edition.dark);
    return image;
}

bool writeText(const QString &path, const QString &text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) > 0;
}

} // namespace

bool writeArtwork(const QString &root) {
    const Edition editions[] = {
        {"light", u"小型汽车科目四安全文明驾驶模拟考试"_s, QColor(0x0d, 0x4f, 0x8b),
         QColor(0x1f, 0x7a, 0xd1), QColor(0xe6, 0xf0, 0xfb), lightVehicle},
        {"heavy", u"大型客货车科目四安全文明驾驶模拟考试"_s, QColor(0x7a, 0x35, 0x10),
         QColor(0xc8, 0x64, 0x1e), QColor(0xfb, 0xef, 0xe2), heavyVehicle},
    };
    // The sizes of the hicolor theme's fixed-size folders that desktops look in first.
    static constexpr int kThemeSizes[] = {16, 24, 32, 48, 64, 128, 256};
    bool ok = true;
    for (const auto &edition : editions) {
        const QString name = QString::fromLatin1(edition.folder);
        for (const int size : kThemeSizes) {
            const QString themed = u"/packaging/icons/%1x%1/safedrive-"_s.arg(size) + name;
            ok = savePng(icon(edition, size), root + themed + u".png"_s) && ok;
        }
        const QString folder = root + u"/editions/"_s + name + u"/art"_s;
        ok = savePng(startPage(edition), folder + u"/start.png"_s) && ok;
        ok = savePng(icon(edition), folder + u"/icon.png"_s) && ok;
        ok =
            writeText(
                folder + u"/art.qrc"_s,
                u"<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/edition\">\n"
                "    <file>start.png</file>\n    <file>icon.png</file>\n</qresource>\n</RCC>\n"_s) &&
            ok;
    }
    QTextStream(stdout) << (ok ? "artwork written\n" : "writing artwork failed\n");
    return ok;
}

} // namespace mediagen
