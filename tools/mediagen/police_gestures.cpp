// The eight hand signals of a traffic police officer, seen from the drivers he faces: the
// officer's right arm is on the picture's left. A faint arm and an arrow show where a swinging
// arm goes.
#include "canvas.h"
#include "drawers.h"
#include "sign_shapes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>

#include <optional>

namespace mediagen {

namespace {

const QColor kJacket(0x2a, 0x37, 0x5c);
const QColor kTrousers(0x1f, 0x29, 0x44);
const QColor kVest(0xc6, 0xe4, 0x1c);
const QColor kReflector(0xd6, 0xdb, 0xe0);
const QColor kSkin(0xf1, 0xc2, 0x9b);
const QColor kGlove(0xfb, 0xfb, 0xf8);
const QColor kGloveLine(0x8a, 0x8e, 0x94);
const QColor kMotion(0xe5, 0x3a, 0x1c);

// Shoulders and arm length in the figure's own units: feet at the origin, y up the picture.
const QPointF kRightShoulder(-24, -132), kLeftShoulder(24, -132);
constexpr qreal kArmLength = 60;

enum class Palm { Hanging, Forward, Down, Edge };

struct Arm {
    qreal angle;     // degrees on the picture: 0 to the right, 90 down, -90 up
    qreal reach = 1; // less than 1 when the arm points towards the viewer
    Palm palm = Palm::Hanging;
};

struct Gesture {
    Arm right, left;
    std::optional<Arm> rightFrom, leftFrom; // where a swinging arm passes, drawn faint
    QPainterPath motion;                    // the swing, as an arrow
};

const Arm kRightDown{98}, kLeftDown{82};

QPointF direction(qreal degrees) {
    const qreal a = qDegreesToRadians(degrees);
    return {std::cos(a), std::sin(a)};
}

// A white glove at wrist; thumbSide +1 puts the thumb on the picture's right of the fingers
// when they point up.
void glove(QPainter &p, QPointF wrist, qreal fingersAngle, Palm palm, qreal thumbSide,
           qreal scale) {
    p.save();
    p.translate(wrist);
    p.rotate(fingersAngle);
    p.scale(scale, scale);
    p.setPen(QPen(kGloveLine, 1.1));
    p.setBrush(kGlove);
    switch (palm) {
    case Palm::Forward: {
        // An open hand, palm to the viewer, fingers together.
        p.drawRoundedRect(QRectF(7, -6, 14, 12), 4, 4);
        QPainterPath thumb;
        thumb.moveTo(2, thumbSide * 4);
        thumb.lineTo(10, thumbSide * 10.5);
        thumb.lineTo(12, thumbSide * 7.5);
        thumb.lineTo(7, thumbSide * 2);
        thumb.closeSubpath();
        p.drawPath(thumb);
        p.drawRoundedRect(QRectF(-1, -6.5, 11, 13), 3, 3);
        p.setPen(QPen(kGloveLine, 0.8));
        for (qreal y : {-3.0, 0.0, 3.0})
            p.drawLine(QPointF(13, y), QPointF(20, y));
        break;
    }
    case Palm::Down:
        // Seen edge on: the flat hand continues the arm.
        p.drawRoundedRect(QRectF(-1, -4, 22, 8), 3.5, 3.5);
        break;
    case Palm::Edge:
        // Fingers towards the viewer, palm turned sideways: the fingertips stacked upright
        // under the thumb.
        p.drawEllipse(QPointF(-10, thumbSide * 2), 4, 3.5);
        p.drawRoundedRect(QRectF(-8, -4, 18, 8), 3.5, 3.5);
        p.setPen(QPen(kGloveLine, 0.8));
        for (qreal x : {-3.5, 1.0, 5.5})
            p.drawLine(QPointF(x, -3), QPointF(x, 3));
        break;
    case Palm::Hanging:
        p.drawRoundedRect(QRectF(-1, -5.5, 17, 11), 5, 5);
        break;
    }
    p.restore();
}

void arm(QPainter &p, QPointF shoulder, const Arm &a, qreal thumbSide) {
    const QPointF wrist = shoulder + direction(a.angle) * kArmLength * a.reach;
    const bool towardsViewer = a.reach < 0.5;
    if (towardsViewer) {
        // Foreshortened: the sleeve widens towards us and its open end faces us.
        const QPointF across = direction(a.angle + 90);
        p.setPen(Qt::NoPen);
        p.setBrush(kJacket);
        p.drawPolygon(QPolygonF{{shoulder + across * 7, shoulder - across * 7, wrist - across * 11,
                                 wrist + across * 11}});
        p.drawEllipse(shoulder, 7, 7);
        p.setPen(QPen(kJacket.lighter(150), 1.2));
        p.setBrush(kJacket.darker(125));
        p.drawEllipse(wrist, 11.5, 10.5);
        glove(p, wrist + QPointF(0, -3), a.palm == Palm::Edge ? 90 : -90, a.palm, thumbSide, 1.45);
        return;
    }
    p.setPen(QPen(kJacket, 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(shoulder, wrist);
    glove(p, wrist, a.angle, a.palm, thumbSide, 1);
}

void figure(QPainter &p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QPointF(0, -2), 34, 5);
    // Legs and shoes.
    p.setPen(QPen(kTrousers, 17, Qt::SolidLine, Qt::FlatCap));
    for (qreal side : {-1.0, 1.0})
        p.drawLine(QPointF(side * 10, -84), QPointF(side * 12, -8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x14, 0x14, 0x16));
    for (qreal side : {-1.0, 1.0})
        p.drawEllipse(QPointF(side * 13, -5), 11, 5);
    // Jacket, then the reflective vest over it.
    p.setBrush(kJacket);
    p.drawRoundedRect(QRectF(-27, -140, 54, 64), 10, 10);
    QPainterPath vest;
    vest.moveTo(-25, -134);
    vest.lineTo(-8, -136);
    vest.lineTo(0, -118);
    vest.lineTo(8, -136);
    vest.lineTo(25, -134);
    vest.lineTo(24, -80);
    vest.lineTo(-24, -80);
    vest.closeSubpath();
    p.setBrush(kVest);
    p.drawPath(vest);
    p.setBrush(kReflector);
    for (qreal y : {-108.0, -94.0})
        p.drawRect(QRectF(-24, y, 48, 5));
    p.setBrush(QColor(0x1a, 0x1a, 0x1c));
    p.drawRect(QRectF(-26, -82, 52, 6));
    p.setBrush(QColor(0xc8, 0xa8, 0x3c));
    p.drawRect(QRectF(-4, -82, 8, 6));
    // Shirt collar, neck and head.
    p.setBrush(QColor(0xa9, 0xc8, 0xe8));
    p.drawPolygon(QPolygonF{{QPointF(-8, -138), QPointF(8, -138), QPointF(0, -124)}});
    p.setBrush(kSkin);
    p.drawRect(QRectF(-5, -148, 10, 12));
    p.drawEllipse(QPointF(0, -158), 11, 13);
    p.setBrush(QColor(0x2b, 0x21, 0x1b));
    for (qreal side : {-1.0, 1.0})
        p.drawEllipse(QPointF(side * 4.5, -158), 1.4, 1.6);
    p.setPen(QPen(QColor(0xa0, 0x60, 0x50), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-3, -151), QPointF(3, -151));
    p.setPen(Qt::NoPen);
    // The white-topped peaked cap with its badge.
    p.setBrush(kGlove);
    p.setPen(QPen(kGloveLine, 0.8));
    p.drawEllipse(QPointF(0, -174), 16, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(kJacket.darker(130));
    p.drawRect(QRectF(-12, -172, 24, 6));
    p.setBrush(QColor(0x12, 0x12, 0x14));
    p.drawChord(QRectF(-13, -170, 26, 8), 180 * 16, 180 * 16);
    p.setBrush(QColor(0xe8, 0xb8, 0x2c));
    p.drawEllipse(QPointF(0, -171), 3, 3);
}

void background(QPainter &p) {
    fillVerticalGradient(p, QRectF(0, 0, 480, 150), QColor(0x8e, 0xc3, 0xec),
                         QColor(0xdd, 0xee, 0xf8));
    // Town blocks across the junction.
    p.setPen(Qt::NoPen);
    const qreal blocks[][3] = {{0, 70, 62},   {64, 96, 54},  {122, 58, 78},
                               {300, 84, 60}, {362, 66, 74}, {418, 104, 62}};
    for (const auto &b : blocks) {
        p.setBrush(QColor(0xc4, 0xcc, 0xd6));
        p.drawRect(QRectF(b[0], b[1], b[2] - 4, 150 - b[1]));
        p.setBrush(QColor(0xa6, 0xbe, 0xd6));
        for (qreal y = b[1] + 8; y < 140; y += 16)
            for (qreal x = b[0] + 6; x < b[0] + b[2] - 12; x += 14)
                p.drawRect(QRectF(x, y, 7, 8));
    }
    fillVerticalGradient(p, QRectF(0, 148, 480, 62), QColor(0x7a, 0x7e, 0x82),
                         QColor(0x5d, 0x62, 0x66));
    p.setBrush(QColor(0xee, 0xee, 0xe8));
    for (int i = 0; i < 9; ++i)
        p.drawPolygon(QPolygonF{{QPointF(20 + i * 52, 166), QPointF(48 + i * 52, 166),
                                 QPointF(44 + i * 52, 176), QPointF(12 + i * 52, 176)}});
}

void paintGesture(QPainter &p, const Gesture &g) {
    background(p);
    p.save();
    p.translate(240, 205);
    p.scale(0.93, 0.93);
    figure(p);
    p.setOpacity(0.35);
    if (g.rightFrom)
        arm(p, kRightShoulder, *g.rightFrom, 1);
    if (g.leftFrom)
        arm(p, kLeftShoulder, *g.leftFrom, -1);
    p.setOpacity(1);
    arm(p, kRightShoulder, g.right, 1);
    arm(p, kLeftShoulder, g.left, -1);
    if (!g.motion.isEmpty()) {
        sign::strokeArrow(p, g.motion, 7, Qt::white);
        sign::strokeArrow(p, g.motion, 4, kMotion);
    }
    p.restore();
}

QPainterPath swing(QPointF from, QPointF via, QPointF to) {
    QPainterPath path(from);
    path.quadTo(via, to);
    return path;
}

// The arm that points at the drivers it holds; the other hangs or swings.
const Arm kRightAtDrivers{105, 0.25, Palm::Forward}, kLeftAtDrivers{75, 0.25, Palm::Forward};
const Arm kRightEdgeOn{105, 0.25, Palm::Edge};

void stopSignal(QPainter &p) {
    paintGesture(p, {kRightDown, {-84, 1, Palm::Forward}, {}, {}, {}});
}

void straightSignal(QPainter &p) {
    paintGesture(p, {{180, 1, Palm::Forward},
                     {0, 1, Palm::Forward},
                     kRightAtDrivers,
                     {},
                     swing({-100, -156}, {-72, -172}, {-44, -158})});
}

void leftTurnSignal(QPainter &p) {
    paintGesture(p, {kRightAtDrivers,
                     {35, 1, Palm::Down},
                     {},
                     Arm{150, 0.5, Palm::Down},
                     swing({84, -74}, {44, -44}, {-4, -92})});
}

void leftWaitSignal(QPainter &p) {
    paintGesture(p, {kRightDown,
                     {45, 1, Palm::Down},
                     {},
                     Arm{72, 1, Palm::Down},
                     swing({94, -90}, {96, -66}, {76, -50})});
}

void rightTurnSignal(QPainter &p) {
    paintGesture(p, {{145, 1, Palm::Down},
                     kLeftAtDrivers,
                     Arm{30, 0.5, Palm::Down},
                     {},
                     swing({-84, -74}, {-44, -44}, {4, -92})});
}

void laneChangeSignal(QPainter &p) {
    paintGesture(p, {kRightEdgeOn,
                     kLeftDown,
                     Arm{10, 0.6, Palm::Down},
                     {},
                     swing({-40, -104}, {0, -96}, {40, -106})});
}

void slowDownSignal(QPainter &p) {
    paintGesture(p, {{165, 1, Palm::Down},
                     kLeftDown,
                     Arm{128, 1, Palm::Down},
                     {},
                     swing({-108, -126}, {-112, -96}, {-90, -72})});
}

void pullOverSignal(QPainter &p) {
    paintGesture(p, {kRightEdgeOn,
                     {-68, 0.9, Palm::Forward},
                     Arm{10, 0.6, Palm::Down},
                     {},
                     swing({-40, -104}, {0, -96}, {40, -106})});
}

} // namespace

std::vector<PictureDrawer> policeGestures() {
    return {
        {"police_gesture_stop.png", kSceneSize, stopSignal},
        {"police_gesture_straight.png", kSceneSize, straightSignal},
        {"police_gesture_left_turn.png", kSceneSize, leftTurnSignal},
        {"police_gesture_left_wait.png", kSceneSize, leftWaitSignal},
        {"police_gesture_right_turn.png", kSceneSize, rightTurnSignal},
        {"police_gesture_lane_change.png", kSceneSize, laneChangeSignal},
        {"police_gesture_slow_down.png", kSceneSize, slowDownSignal},
        {"police_gesture_pull_over.png", kSceneSize, pullOverSignal},
    };
}

} // namespace mediagen
