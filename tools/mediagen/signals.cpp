// Signal lights over a town junction and a lane-controlled road (lamps after GB 14886).
#include "canvas.h"
#include "drawers.h"
#include "roads_ahead.h"
#include "signal_heads.h"

namespace mediagen {

namespace {

using namespace signal;
using side::Perspective;

const QColor kPole(0x6c, 0x72, 0x78);
const QColor kLineWhite(0xf0, 0xf0, 0xea);
const QColor kCentreYellow(0xf2, 0xc2, 0x1b);

// Three lanes towards a junction (u 0 to 1), the oncoming lanes to the left.
const Perspective kApproach{QPointF(240, 112), 210, -60, 540};

void junctionApproach(QPainter &p, qreal stopS) {
    side::townStreet(p, kApproach, -0.75, 1);
    side::laneLine(p, kApproach, -0.012, 0.006, false, kCentreYellow);
    side::laneLine(p, kApproach, 0.012, 0.006, false, kCentreYellow);
    for (qreal u : {1 / 3.0, 2 / 3.0})
        side::laneLine(p, kApproach, u, 0.006, false, kLineWhite);
    side::laneLine(p, kApproach, -0.375, 0.006, true, kLineWhite);
    // The stop line, and the junction's cross street beyond it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x64, 0x69, 0x6e));
    p.drawRect(QRectF(0, kApproach.at(0, stopS * 0.82).y(), 480,
                      kApproach.at(0, stopS - 0.02).y() - kApproach.at(0, stopS * 0.82).y()));
    p.setBrush(kLineWhite);
    p.drawPolygon(QPolygonF{{kApproach.at(0.02, stopS), kApproach.at(1, stopS),
                             kApproach.at(1, stopS - 0.012), kApproach.at(0.02, stopS - 0.012)}});
}

// A signal arm from a pole on the right across to x0 at height y.
void mastArm(QPainter &p, qreal x0, qreal y) {
    p.setPen(Qt::NoPen);
    p.setBrush(kPole);
    p.drawRect(QRectF(452, y - 4, 10, 214 - y));
    p.drawRect(QRectF(x0, y - 4, 462 - x0, 8));
    p.setPen(QPen(kPole, 3));
    p.drawLine(QPointF(452, y + 40), QPointF(380, y));
    p.setPen(Qt::NoPen);
}

void leftArrowRed(QPainter &p) {
    junctionApproach(p, 0.62);
    side::laneArrow(p, kApproach, 1 / 6.0, 0.82, true);
    for (qreal u : {0.5, 5 / 6.0})
        side::laneArrow(p, kApproach, u, 0.82, false);
    // Left-turners wait at the line while the straight lanes move.
    side::carRear(p, kApproach.at(1 / 6.0, 0.68), 64, QColor(0xc0, 0x39, 0x2b),
                  side::Lamps{side::Beam::Off, false, true});
    side::carRear(p, kApproach.at(0.5, 0.42), 36, QColor(0xee, 0xee, 0xee));
    mastArm(p, 40, 22);
    head(p, QPointF(64, 26), 38,
         {{kRed, Face::LeftArrow, true}, {kAmber, Face::LeftArrow}, {kGreen, Face::LeftArrow}});
    head(p, QPointF(246, 26), 38, {{kRed}, {kAmber}, {kGreen, Face::Round, true}});
}

void laneControl(QPainter &p) {
    const Perspective view{QPointF(240, 104), 210, -40, 520};
    side::townStreet(p, view, -0.6, 1);
    side::laneLine(p, view, -0.012, 0.006, false, kCentreYellow);
    side::laneLine(p, view, 0.012, 0.006, false, kCentreYellow);
    for (qreal u : {1 / 3.0, 2 / 3.0})
        side::laneLine(p, view, u, 0.005, true, kLineWhite);
    side::carRear(p, view.at(0.5, 0.5), 54, QColor(0x2e, 0x6d, 0xb4));
    side::carRear(p, view.at(5 / 6.0, 0.36), 40, QColor(0x7f, 0x8c, 0x8d));
    // A gantry spans the carriageway with one lamp over each lane.
    laneGantry(p, view, 0.62, 118,
               {{1 / 6.0, {kRed, Face::Cross, true}},
                {0.5, {kGreen, Face::DownArrow, true}},
                {5 / 6.0, {kGreen, Face::DownArrow, true}}});
}

void flashingYellow(QPainter &p) {
    junctionApproach(p, 0.5);
    mastArm(p, 200, 26);
    const QRectF housing = head(p, QPointF(212, 30), 52, {{kAmber, Face::Round, true}});
    flashRays(p, housing.center(), 26, kAmber);
}

} // namespace

std::vector<PictureDrawer> signalLights() {
    return {
        {"light_left_arrow_red.png", kSceneSize, leftArrowRed},
        {"light_lane_control.png", kSceneSize, laneControl},
        {"light_flashing_yellow.png", kSceneSize, flashingYellow},
    };
}

} // namespace mediagen
