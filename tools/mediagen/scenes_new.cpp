// Scenes of new-energy cars, driver assistance, harsh weather, mountain and country roads, and
// an urban expressway.
#include "canvas.h"
#include "drawers.h"
#include "roads_ahead.h"
#include "sideview.h"
#include "topview.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

const side::Perspective kRoad{QPointF(250, 92), 210, -60, 520};
const QColor kDaySkyTop(0x6f, 0xae, 0xe6);
const QColor kDaySkyLow(0xcf, 0xe7, 0xf7);
const QColor kEvGreen(0x2e, 0xa0, 0x5a);

// The same scatter every run, so drops and stones stay where they were.
class Scatter {
public:
    explicit Scatter(quint32 seed) : m_state(seed) {}
    qreal next(qreal lo, qreal hi) {
        m_state = m_state * 1664525u + 1013904223u;
        return lo + (hi - lo) * ((m_state >> 8) & 0xFFFF) / 65535.0;
    }

private:
    quint32 m_state;
};

// A side-view car park: sky, a low building and the paved ground with bay lines.
void carPark(QPainter &p) {
    side::sky(p, QRectF(0, 0, 480, 120), kDaySkyTop, kDaySkyLow);
    side::cloud(p, QPointF(80, 26), 16, QColor(255, 255, 255, 220));
    p.fillRect(QRectF(0, 70, 480, 52), QColor(0xd8, 0xd2, 0xc4));
    for (qreal x = 14; x < 480; x += 46)
        p.fillRect(QRectF(x, 80, 30, 18), QColor(0x9c, 0xc0, 0xdc));
    fillVerticalGradient(p, QRectF(0, 120, 480, 90), QColor(0x8a, 0x8e, 0x92),
                         QColor(0x6a, 0x6e, 0x72));
    p.setPen(QPen(QColor(0xf0, 0xf0, 0xea), 3));
    for (qreal x : {70.0, 430.0})
        p.drawLine(QPointF(x, 150), QPointF(x - 40, 210));
    p.setPen(Qt::NoPen);
}

void evCharging(QPainter &p) {
    carPark(p);
    // The canopy over the bay with its sign.
    p.fillRect(QRectF(20, 30, 440, 12), QColor(0xe8, 0xec, 0xee));
    p.fillRect(QRectF(20, 42, 440, 4), kEvGreen);
    p.fillRect(QRectF(440, 42, 8, 108), QColor(0xb0, 0xb6, 0xbc));
    p.fillRect(QRectF(180, 10, 120, 24), kEvGreen);
    drawCentredText(p, QRectF(180, 10, 120, 24), u"充电站"_s, cjkFont(16, true), Qt::white);
    side::carSide(p, QPointF(220, 186), 210, QColor(0xee, 0xee, 0xee), false);
    // The charging post, its screen and the cable into the car's port.
    const QRectF post(360, 92, 46, 96);
    fillVerticalGradient(p, post, QColor(0xf6, 0xf8, 0xf8), QColor(0xc8, 0xd0, 0xd4), 6);
    p.setBrush(kEvGreen);
    p.drawRect(QRectF(post.left(), post.top() + 60, post.width(), 8));
    p.setBrush(QColor(0x1c, 0x3c, 0x5c));
    p.drawRoundedRect(QRectF(post.left() + 8, post.top() + 10, 30, 22), 3, 3);
    QPainterPath bolt;
    bolt.moveTo(post.left() + 25, post.top() + 13);
    bolt.lineTo(post.left() + 17, post.top() + 23);
    bolt.lineTo(post.left() + 23, post.top() + 23);
    bolt.lineTo(post.left() + 19, post.top() + 30);
    bolt.lineTo(post.left() + 29, post.top() + 19);
    bolt.lineTo(post.left() + 23, post.top() + 19);
    bolt.closeSubpath();
    p.setBrush(QColor(0x5c, 0xe0, 0x8c));
    p.drawPath(bolt);
    QPainterPath cable;
    cable.moveTo(post.left() + 6, post.top() + 50);
    cable.cubicTo(330, 190, 320, 120, 314, 142);
    p.setPen(QPen(QColor(0x22, 0x22, 0x24), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x34));
    p.drawRoundedRect(QRectF(306, 136, 14, 12), 3, 3);
    glow(p, QPointF(313, 142), 10, QColor(80, 230, 140, 200));
}

void smokePuff(QPainter &p, QPointF at, qreal r, int alpha) {
    QRadialGradient puff(at, r);
    puff.setColorAt(0, QColor(0x70, 0x72, 0x76, alpha));
    puff.setColorAt(1, QColor(0x90, 0x92, 0x96, 0));
    p.setBrush(puff);
    p.drawEllipse(at, r, r);
}

void evBatterySmoke(QPainter &p) {
    side::sky(p, QRectF(0, 0, 480, 120), kDaySkyTop, kDaySkyLow);
    side::hills(p, 480, 120, 30, QColor(0x86, 0xa9, 0x78), 4);
    p.fillRect(QRectF(0, 118, 480, 40), QColor(0x5d, 0x62, 0x66));
    top::dashedLine(p, 136, 0, 480, 30, 24, 2.5, top::kLineWhite);
    p.fillRect(QRectF(0, 156, 480, 54), QColor(0x9c, 0xb8, 0x74));
    p.fillRect(QRectF(0, 152, 480, 5), QColor(0xe6, 0xe2, 0xd8));
    side::carSide(p, QPointF(190, 156), 190, QColor(0x2e, 0x8b, 0xc0), true,
                  side::Lamps{side::Beam::Off, false, false, true});
    // Smoke pours from the battery pack under the floor and rises round the car.
    p.setPen(Qt::NoPen);
    Scatter s(5);
    for (int i = 0; i < 26; ++i) {
        const qreal rise = s.next(0, 1);
        smokePuff(p, QPointF(s.next(130, 250) + rise * 50, 150 - rise * 130), 14 + rise * 26,
                  int(200 - rise * 90));
    }
    p.setBrush(QColor(0xff, 0x8c, 0x1a, 180));
    p.drawEllipse(QPointF(190, 150), 40, 3);
    side::person(p, QPointF(420, 196), 70, QColor(0xe6, 0x7e, 0x22), 0, false);
    side::person(p, QPointF(452, 200), 64, QColor(0x34, 0x98, 0xdb), 0, false);
}

void adasWarning(QPainter &p) {
    // Through the windscreen: the car drifts onto the lane line.
    const side::Perspective view{QPointF(300, 70), 140, -260, 620};
    side::sky(p, QRectF(0, 0, 480, 71), kDaySkyTop, kDaySkyLow);
    side::hills(p, 480, 71, 18, QColor(0x7f, 0xa8, 0x6e), 2);
    side::expressway(p, view, QColor(0x5d, 0x62, 0x66), QColor(0x6f, 0x9a, 0x55));
    side::outerGuardrail(p, view);
    side::carRear(p, view.at(side::kFastLane, 0.35), 40, QColor(0x7f, 0x8c, 0x8d));
    // Dashboard, steering wheel and the cluster with its warning.
    QPainterPath dash;
    dash.moveTo(0, 120);
    dash.quadTo(240, 96, 480, 120);
    dash.lineTo(480, 210);
    dash.lineTo(0, 210);
    dash.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x26, 0x28, 0x2c));
    p.drawPath(dash);
    const QRectF cluster(120, 120, 240, 84);
    fillVerticalGradient(p, cluster, QColor(0x10, 0x12, 0x16), QColor(0x1c, 0x1e, 0x24), 26);
    p.setPen(QPen(QColor(0x6c, 0xb4, 0xe8), 3));
    p.setBrush(Qt::NoBrush);
    for (qreal x : {160.0, 320.0})
        p.drawArc(QRectF(x - 32, 132, 64, 64), -30 * 16, 240 * 16);
    const QColor warn(0xff, 0xb0, 0x1a);
    // The lane-departure symbol: a car between lane lines, the left one crossed.
    p.save();
    p.translate(0, -10);
    p.setPen(QPen(warn, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(218, 178), QPointF(226, 136));
    p.setPen(QPen(QColor(0x90, 0x96, 0x9c), 4, Qt::DashLine, Qt::FlatCap));
    p.drawLine(QPointF(262, 178), QPointF(254, 136));
    p.setPen(Qt::NoPen);
    p.setBrush(warn);
    p.drawRoundedRect(QRectF(222, 144, 18, 26), 5, 5);
    glow(p, QPointF(232, 160), 30, QColor(255, 176, 26, 70));
    drawCentredText(p, QRectF(196, 178, 88, 22), u"车道偏离"_s, cjkFont(14, true), warn);
    p.restore();
    p.setPen(QPen(QColor(0x14, 0x14, 0x16), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(120, 198, 240, 120), 30 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
}

// A road ahead under a tinted veil, the car in front showing only its lamps.
void hazyRoad(QPainter &p, const QColor &skyTop, const QColor &skyLow, const QColor &veil,
              qreal veilStrength) {
    side::sky(p, QRectF(0, 0, 480, 93), skyTop, skyLow);
    side::hills(p, 480, 93, 24, mix(skyLow, QColor(0x60, 0x60, 0x50), 0.4), 6);
    side::road(p, kRoad, QColor(0x5d, 0x5c, 0x58), QColor(0xa0, 0x90, 0x68));
    for (qreal s : {0.95, 0.6, 0.42})
        side::tree(p, kRoad.at(1.15, s), 120 * s, QColor(0x6a, 0x70, 0x40));
    QLinearGradient haze(0, 0, 0, 210);
    QColor dense = veil, thin = veil;
    dense.setAlpha(245);
    thin.setAlpha(int(255 * veilStrength));
    haze.setColorAt(0, dense);
    haze.setColorAt(0.45, dense);
    haze.setColorAt(1, thin);
    p.fillRect(QRectF(0, 0, 480, 210), haze);
    throughHaze(p, 0.5, [](QPainter &layer, bool lit) {
        side::carRear(layer, kRoad.at(0.7, 0.5), 58, QColor(0x55, 0x55, 0x5a),
                      lit ? side::Lamps{side::Beam::Off, true, false, true, true} : side::Lamps{});
    });
}

void sandstorm(QPainter &p) {
    hazyRoad(p, QColor(0xb8, 0x8a, 0x4a), QColor(0xd8, 0xb0, 0x70), QColor(0xc8, 0x9a, 0x58), 0.45);
    // Streaks of blown sand across the picture.
    Scatter s(9);
    p.setPen(QPen(QColor(0xe0, 0xbc, 0x80, 120), 1.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 120; ++i) {
        const QPointF a(s.next(-20, 480), s.next(0, 210));
        p.drawLine(a, a + QPointF(s.next(14, 30), s.next(-2, 2)));
    }
}

void hail(QPainter &p) {
    side::sky(p, QRectF(0, 0, 480, 93), QColor(0x44, 0x4c, 0x58), QColor(0x7c, 0x86, 0x90));
    side::hills(p, 480, 93, 22, QColor(0x4f, 0x66, 0x58), 2);
    side::road(p, kRoad, QColor(0x44, 0x4a, 0x50), QColor(0x58, 0x74, 0x50));
    side::carRear(p, kRoad.at(0.7, 0.55), 64, QColor(0x2e, 0x6d, 0xb4),
                  side::Lamps{side::Beam::Off, false, true, true, true});
    Scatter s(21);
    p.setPen(Qt::NoPen);
    // Stones lying on the road grow with nearness; falling ones streak down.
    for (int i = 0; i < 140; ++i) {
        const qreal depth = s.next(0.05, 1), u = s.next(-0.1, 1.1);
        const qreal r = 0.6 + depth * 2.6;
        p.setBrush(QColor(0xf4, 0xf8, 0xfc, 230));
        p.drawEllipse(kRoad.at(u, depth), r, r * 0.7);
    }
    for (int i = 0; i < 90; ++i) {
        const QPointF at(s.next(0, 480), s.next(0, 200));
        const qreal r = s.next(1.6, 3.8);
        p.setPen(QPen(QColor(255, 255, 255, 80), r * 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(-r * 0.8, -r * 4));
        p.setPen(QPen(QColor(0xa0, 0xb0, 0xc0), 0.8));
        p.setBrush(QColor(0xf6, 0xfa, 0xff));
        p.drawEllipse(at, r, r);
    }
    p.setPen(Qt::NoPen);
}

void landslide(QPainter &p) {
    side::sky(p, QRectF(0, 0, 480, 93), QColor(0x8c, 0x9c, 0xac), QColor(0xc8, 0xd0, 0xd6));
    side::road(p, kRoad, QColor(0x5d, 0x62, 0x66), QColor(0x6f, 0x8a, 0x55));
    // The mountainside on the left has slid: a scar, then mud and rock across the road.
    QPainterPath slope;
    slope.moveTo(0, 210);
    slope.lineTo(0, 0);
    slope.lineTo(150, 0);
    slope.cubicTo(200, 40, 230, 70, 240, 92);
    slope.lineTo(kRoad.at(-0.02, 0.6));
    slope.lineTo(kRoad.at(-0.02, 1));
    slope.closeSubpath();
    QLinearGradient rock(0, 0, 240, 0);
    rock.setColorAt(0, QColor(0x5e, 0x6e, 0x48));
    rock.setColorAt(1, QColor(0x7a, 0x86, 0x58));
    p.setBrush(rock);
    p.drawPath(slope);
    QPainterPath scar;
    scar.moveTo(110, 0);
    scar.cubicTo(150, 40, 170, 70, 190, 110);
    scar.lineTo(120, 150);
    scar.cubicTo(90, 90, 80, 40, 60, 0);
    scar.closeSubpath();
    p.setBrush(QColor(0x8a, 0x6a, 0x44));
    p.drawPath(scar);
    QPainterPath mud;
    mud.moveTo(120, 150);
    mud.cubicTo(170, 112, 230, 108, 300, 118);
    mud.cubicTo(340, 124, 360, 136, 330, 146);
    mud.cubicTo(280, 160, 200, 168, 120, 170);
    mud.closeSubpath();
    QLinearGradient earth(0, 108, 0, 170);
    earth.setColorAt(0, QColor(0x9a, 0x74, 0x48));
    earth.setColorAt(1, QColor(0x6e, 0x50, 0x30));
    p.setBrush(earth);
    p.drawPath(mud);
    Scatter s(13);
    for (int i = 0; i < 26; ++i) {
        const QPointF at(s.next(130, 330), s.next(116, 160));
        const qreal r = s.next(3, 9);
        p.setBrush(QColor(0x70, 0x68, 0x60).lighter(int(s.next(90, 140))));
        p.drawEllipse(at, r * 1.3, r);
    }
    for (int i = 0; i < 6; ++i) {
        const QPointF at(s.next(100, 190), s.next(20, 100));
        p.setBrush(QColor(0x6a, 0x60, 0x58));
        p.drawEllipse(at, 5, 4);
    }
    const QPointF foot = kRoad.at(1.02, 0.55);
    p.fillRect(QRectF(foot.x() - 2.5, foot.y() - 80, 5, 80), QColor(0x8a, 0x8e, 0x92));
    paintPicture(p, "sign_falling_rocks.png", QRectF(foot.x() - 26, foot.y() - 112, 52, 52));
    side::carRear(p, kRoad.at(0.72, 0.86), 96, QColor(0xc0, 0x39, 0x2b),
                  side::Lamps{side::Beam::Off, false, true, true, true});
}

// A farmer's tricycle from behind: cargo box, two rear wheels, the rider's back.
void farmTricycle(QPainter &p, QPointF base, qreal w) {
    p.save();
    p.translate(base);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QPointF(0, 0), w * 0.55, w * 0.05);
    p.setBrush(QColor(0x1e, 0x1e, 0x22));
    for (qreal x : {-w * 0.46, w * 0.32})
        p.drawRoundedRect(QRectF(x, -w * 0.3, w * 0.14, w * 0.3), 3, 3);
    p.setBrush(QColor(0x2e, 0x5c, 0xa8));
    p.drawRect(QRectF(-w / 2, -w * 0.62, w, w * 0.36));
    p.setBrush(QColor(0x4a, 0x7e, 0xc8));
    p.drawRect(QRectF(-w / 2, -w * 0.62, w, w * 0.05));
    p.setBrush(QColor(0x3a, 0x8a, 0x4a));
    p.drawEllipse(QPointF(-w * 0.18, -w * 0.64), w * 0.2, w * 0.1);
    p.drawEllipse(QPointF(w * 0.14, -w * 0.66), w * 0.22, w * 0.12);
    p.setBrush(QColor(0x8a, 0x5a, 0x3a));
    p.drawRoundedRect(QRectF(-w * 0.13, -w * 1.02, w * 0.26, w * 0.3), 6, 6);
    p.setBrush(QColor(0x2b, 0x21, 0x1b));
    p.drawEllipse(QPointF(0, -w * 1.1), w * 0.1, w * 0.11);
    p.restore();
}

void ruralRoad(QPainter &p) {
    side::sky(p, QRectF(0, 0, 480, 93), kDaySkyTop, kDaySkyLow);
    side::hills(p, 480, 93, 24, QColor(0x86, 0xa9, 0x78), 8);
    // Fields either side of a narrow road with no lines at all.
    fillVerticalGradient(p, QRectF(0, 92, 480, 118), QColor(0xb8, 0xc8, 0x5c),
                         QColor(0x8a, 0xa8, 0x48));
    const side::Perspective view{QPointF(250, 92), 210, 60, 420};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x78, 0x78, 0x74));
    p.drawPolygon(QPolygonF{{view.at(0, 1), view.at(1, 1), view.vanish}});
    for (const auto &[x, w] : {std::pair{60.0, 70.0}, {150.0, 56.0}, {350.0, 64.0}}) {
        p.setBrush(QColor(0xf2, 0xee, 0xe4));
        p.drawRect(QRectF(x, 62, w, 30));
        p.setBrush(QColor(0x9a, 0x3c, 0x2c));
        p.drawPolygon(
            QPolygonF{{QPointF(x - 6, 64), QPointF(x + w / 2, 48), QPointF(x + w + 6, 64)}});
        p.setBrush(QColor(0x6a, 0x50, 0x3a));
        p.drawRect(QRectF(x + w / 2 - 5, 76, 10, 16));
    }
    for (qreal s : {0.9, 0.55})
        side::tree(p, view.at(-0.3, s), 130 * s);
    side::tree(p, view.at(1.4, 0.7), 90);
    farmTricycle(p, view.at(0.62, 0.5), 60);
    side::person(p, view.at(0.12, 0.86), 84, QColor(0xc0, 0x39, 0x2b), 0.3, false);
    side::person(p, view.at(0.3, 0.6), 50, QColor(0x34, 0x98, 0xdb), 0.7, true);
    side::carFront(p, view.at(0.3, 0.3), 30, QColor(0xee, 0xee, 0xee));
}

void urbanExpressway(QPainter &p) {
    using namespace top;
    const QRectF canvas(0, 0, 480, 210);
    horizontalRoad(p, canvas, 6, 204);
    // Service roads at the edges, green strips, then the main road's four lanes and its median.
    const QColor strip(0x6f, 0xa8, 0x52);
    for (const QRectF &band : {QRectF(0, 42, 480, 14), QRectF(0, 154, 480, 14)})
        p.fillRect(band, strip);
    p.fillRect(QRectF(0, 101, 480, 8), QColor(0xc8, 0xcc, 0xd0));
    for (qreal y : {98.0, 112.0})
        solidLine(p, y, 0, 480, 2.5, kLineYellow);
    for (qreal y : {59.0, 151.0})
        solidLine(p, y, 0, 480, 2.5, kLineWhite);
    dashedLine(p, 80, 0, 480, 30, 30, 2.5, kLineWhite);
    dashedLine(p, 130, 0, 480, 30, 30, 2.5, kLineWhite);
    dashedLine(p, 24, 0, 480, 20, 20, 2.5, kLineWhite);
    dashedLine(p, 186, 0, 480, 20, 20, 2.5, kLineWhite);
    // An exit gap to the service road on the near side, an entrance back further on.
    p.setBrush(kAsphalt);
    p.drawPolygon(
        QPolygonF{{QPointF(90, 154), QPointF(170, 154), QPointF(200, 168), QPointF(140, 168)}});
    p.drawPolygon(
        QPolygonF{{QPointF(300, 168), QPointF(360, 168), QPointF(400, 154), QPointF(320, 154)}});
    p.fillRect(QRectF(90, 152, 80, 4), kAsphalt);
    p.fillRect(QRectF(320, 152, 80, 4), kAsphalt);
    const QFont font = cjkFont(14, true);
    drawOutlinedText(p, QRectF(20, 154, 60, 14), u"出口"_s, font, Qt::white, QColor(0, 80, 40), 3);
    drawOutlinedText(p, QRectF(410, 154, 60, 14), u"入口"_s, font, Qt::white, QColor(0, 80, 40), 3);
    drawOutlinedText(p, QRectF(200, 112, 80, 16), u"主路"_s, font, Qt::white, QColor(0, 0, 0, 140),
                     3);
    drawOutlinedText(p, QRectF(200, 170, 80, 16), u"辅路"_s, font, Qt::white, QColor(0, 0, 0, 140),
                     3);
    car(p, QPointF(160, 162), 25, QColor(0x2e, 0x6d, 0xb4),
        Lights{Beam::Off, false, false, false, false, true});
    car(p, QPointF(60, 140), 0, QColor(0xee, 0xee, 0xee));
    car(p, QPointF(290, 118), 0, QColor(0xc0, 0x39, 0x2b));
    lorry(p, QPointF(380, 140), 0, QColor(0x27, 0xae, 0x60), 90);
    car(p, QPointF(420, 186), 0, QColor(0x7f, 0x8c, 0x8d));
    car(p, QPointF(120, 70), 180, QColor(0x34, 0x34, 0x34));
    car(p, QPointF(330, 90), 180, QColor(0xf3, 0x9c, 0x12));
    car(p, QPointF(250, 24), 180, QColor(0x16, 0xa0, 0x85));
}

} // namespace

std::vector<PictureDrawer> moreScenes() {
    return {
        {"scene_ev_charging.png", kSceneSize, evCharging},
        {"scene_ev_battery_smoke.png", kSceneSize, evBatterySmoke},
        {"scene_adas_warning.png", kSceneSize, adasWarning},
        {"scene_sandstorm.png", kSceneSize, sandstorm},
        {"scene_hail.png", kSceneSize, hail},
        {"scene_landslide.png", kSceneSize, landslide},
        {"scene_rural_road.png", kSceneSize, ruralRoad},
        {"scene_urban_expressway.png", kSceneSize, urbanExpressway},
    };
}

} // namespace mediagen
