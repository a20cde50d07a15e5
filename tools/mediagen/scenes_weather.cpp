// Scenes of bad weather and darkness, seen from the driver's seat down a straight road.
#include "canvas.h"
#include "drawers.h"
#include "rearviews.h"
#include "roads_ahead.h"
#include "sideview.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QRegion>
#include <QtMath>

#include <tuple>

namespace mediagen {

namespace {

using namespace side;

const Perspective kRoad{QPointF(250, 92), 210, -60, 520};
// From the slow lane of an expressway: u runs from the median kerb to the outer guardrail.
const Perspective kExpresswayView{QPointF(250, 92), 210, -70, 510};

// A small deterministic generator so every run draws the same drops and flakes.
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

void rainStreaks(QPainter &p, int count, quint32 seed) {
    Scatter s(seed);
    p.setPen(QPen(QColor(220, 230, 240, 110), 1.2));
    for (int i = 0; i < count; ++i) {
        const QPointF a(s.next(0, 500), s.next(-10, 210));
        const qreal len = s.next(8, 18);
        p.drawLine(a, a + QPointF(-len * 0.25, len));
    }
}

void rainRoad(QPainter &p, Subject subject) {
    sky(p, QRectF(0, 0, 480, 93), QColor(0x6b, 0x74, 0x7c), QColor(0xa4, 0xab, 0xb0));
    hills(p, 480, 93, 22, QColor(0x6f, 0x80, 0x7a), 2);
    road(p, kRoad, QColor(0x3a, 0x40, 0x46), QColor(0x5e, 0x7a, 0x52));
    // Wet asphalt mirrors the sky and the lamps of the car ahead.
    p.setPen(Qt::NoPen);
    QLinearGradient sheen(0, 95, 0, 210);
    sheen.setColorAt(0, QColor(200, 210, 220, 90));
    sheen.setColorAt(1, QColor(200, 210, 220, 0));
    p.setBrush(sheen);
    p.drawPolygon(QPolygonF{{kRoad.at(0.1, 1), kRoad.at(0.9, 1), kRoad.vanish}});
    const QPointF ahead = kRoad.at(0.7, 0.55);
    const qreal wide = widthFactor(subject);
    for (qreal dx : {-22 * wide, 22 * wide}) {
        QLinearGradient streak(0, ahead.y(), 0, ahead.y() + 60);
        streak.setColorAt(0, QColor(255, 60, 60, 150));
        streak.setColorAt(1, QColor(255, 60, 60, 0));
        p.setBrush(streak);
        p.drawRect(QRectF(ahead.x() + dx - 4, ahead.y(), 8, 60));
    }
    subjectRear(p, subject, ahead, 64, QColor(0x2e, 0x6d, 0xb4),
                Lamps{Beam::Off, false, true, false, true});
    // Spray thrown up behind the wheels.
    for (qreal dx : {-24 * wide, 24 * wide})
        for (int i = 0; i < 5; ++i) {
            QRadialGradient mist(ahead + QPointF(dx + i * (dx > 0 ? 4 : -4), -4 + i * 2),
                                 18 + i * 4);
            mist.setColorAt(0, QColor(235, 240, 245, 60));
            mist.setColorAt(1, QColor(235, 240, 245, 0));
            p.setBrush(mist);
            p.drawEllipse(ahead + QPointF(dx + i * (dx > 0 ? 4 : -4), -4 + i * 2), 18 + i * 4,
                          7 + i);
        }
    rainStreaks(p, 260, 7);
}

void fog(QPainter &p, Subject subject) {
    sky(p, QRectF(0, 0, 480, 93), QColor(0xb8, 0xbe, 0xc2), QColor(0xd4, 0xd8, 0xda));
    hills(p, 480, 93, 26, QColor(0x90, 0x9c, 0x98), 5);
    expressway(p, kExpresswayView, QColor(0x55, 0x5b, 0x60), QColor(0x6c, 0x86, 0x60));
    outerGuardrail(p, kExpresswayView);
    for (qreal s : {0.95, 0.6, 0.42, 0.32})
        tree(p, kExpresswayView.at(1.2, s), 120 * s);
    // Fog thickens with distance: a veil that is denser near the horizon.
    QLinearGradient veil(0, 0, 0, 210);
    veil.setColorAt(0, QColor(225, 228, 230, 250));
    veil.setColorAt(0.45, QColor(225, 228, 230, 235));
    veil.setColorAt(1, QColor(225, 228, 230, 110));
    p.fillRect(QRectF(0, 0, 480, 210), veil);
    const QPointF ahead = kExpresswayView.at(kSlowLane, 0.5);
    throughHaze(p, 0.55, [&](QPainter &layer, bool lit) {
        subjectRear(layer, subject, ahead, 58, QColor(0x55, 0x55, 0x5a),
                    lit ? Lamps{Beam::Off, true, false, false, true} : Lamps{});
    });
    p.fillRect(QRectF(0, 0, 480, 210), QColor(225, 228, 230, 40));
}

void snowIce(QPainter &p, Subject subject) {
    sky(p, QRectF(0, 0, 480, 93), QColor(0x9c, 0xb4, 0xcc), QColor(0xdc, 0xe6, 0xee));
    hills(p, 480, 93, 30, QColor(0xe8, 0xee, 0xf4), 1);
    road(p, kRoad, QColor(0x6a, 0x70, 0x78), QColor(0xee, 0xf2, 0xf6), 0, QColor(0xd8, 0xc0, 0x70));
    // Packed snow along the edges and glassy patches of ice.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf7, 0xfa));
    p.drawPolygon(
        QPolygonF{{kRoad.at(0, 1), kRoad.at(0.16, 1), kRoad.at(0.06, 0.02), kRoad.at(0, 0.02)}});
    p.drawPolygon(
        QPolygonF{{kRoad.at(1, 1), kRoad.at(0.86, 1), kRoad.at(0.95, 0.02), kRoad.at(1, 0.02)}});
    for (const auto &[u, s, r] :
         {std::tuple{0.35, 0.85, 40.0}, {0.66, 0.7, 30.0}, {0.3, 0.5, 18.0}}) {
        QRadialGradient ice(kRoad.at(u, s), r);
        ice.setColorAt(0, QColor(0xe4, 0xf2, 0xff, 230));
        ice.setColorAt(1, QColor(0xb4, 0xd2, 0xee, 60));
        p.setBrush(ice);
        p.drawEllipse(kRoad.at(u, s), r, r * 0.22);
    }
    for (qreal s : {0.9, 0.55, 0.38})
        tree(p, kRoad.at(1.2, s), 120 * s, QColor(0xdc, 0xe8, 0xec));
    tree(p, kRoad.at(-0.2, 0.6), 70, QColor(0xdc, 0xe8, 0xec));
    subjectRear(p, subject, kRoad.at(0.68, 0.5), 56, QColor(0xc0, 0x39, 0x2b),
                Lamps{Beam::Off, false, true, false, true});
    Scatter s(11);
    p.setBrush(QColor(255, 255, 255, 220));
    for (int i = 0; i < 160; ++i) {
        const qreal r = s.next(0.8, 2.4);
        p.drawEllipse(QPointF(s.next(0, 480), s.next(0, 210)), r, r);
    }
}

void nightMeeting(QPainter &p) {
    sky(p, QRectF(0, 0, 480, 93), QColor(0x0b, 0x12, 0x28), QColor(0x1e, 0x2a, 0x48));
    Scatter s(3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 240, 200));
    for (int i = 0; i < 50; ++i)
        p.drawEllipse(QPointF(s.next(0, 480), s.next(0, 80)), 0.9, 0.9);
    p.setBrush(QColor(0xf4, 0xf0, 0xd8));
    p.drawEllipse(QPointF(400, 26), 12, 12);
    hills(p, 480, 93, 20, QColor(0x14, 0x1c, 0x2a), 4);
    road(p, kRoad, QColor(0x22, 0x26, 0x2c), QColor(0x16, 0x22, 0x1a), 0, QColor(0x9a, 0x84, 0x30));
    // Our own dipped beam lights the right lane ahead.
    const QPointF poolCentre = kRoad.at(0.74, 0.8);
    QRadialGradient pool(poolCentre, 160);
    pool.setColorAt(0, QColor(255, 246, 210, 120));
    pool.setColorAt(1, QColor(255, 246, 210, 0));
    p.save();
    p.setClipRegion(QRegion(QPolygonF{{kRoad.at(0, 1), kRoad.at(1, 1), kRoad.vanish}}.toPolygon()));
    p.setBrush(pool);
    p.drawEllipse(poolCentre, 170, 60);
    p.restore();
    carFront(p, kRoad.at(0.27, 0.46), 60, QColor(0x50, 0x56, 0x60), Lamps{Beam::Low});
    carFront(p, kRoad.at(0.38, 0.2), 26, QColor(0x40, 0x44, 0x4a), Lamps{Beam::Low});
}

} // namespace

std::vector<PictureDrawer> weatherScenes() {
    return {
        {"scene_rain_road.png", kSceneSize, [](QPainter &p) { rainRoad(p, Subject::Car); }},
        {"scene_fog.png", kSceneSize, [](QPainter &p) { fog(p, Subject::Car); }},
        {"scene_snow_ice.png", kSceneSize, [](QPainter &p) { snowIce(p, Subject::Car); }},
        {"scene_night_meeting.png", kSceneSize, nightMeeting},
        {"scene_fog_truck.png", kSceneSize, [](QPainter &p) { fog(p, Subject::Lorry); }},
        {"scene_rain_truck.png", kSceneSize, [](QPainter &p) { rainRoad(p, Subject::Lorry); }},
        {"scene_snow_truck.png", kSceneSize, [](QPainter &p) { snowIce(p, Subject::Lorry); }},
    };
}

} // namespace mediagen
