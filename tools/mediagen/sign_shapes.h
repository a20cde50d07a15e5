// Sign blanks and pictograms of Chinese road signs (shapes and colours after GB 5768), drawn
// on a 200 x 200 canvas centred at (100, 100).
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace mediagen::sign {

inline const QColor kRed{0xd6, 0x1c, 0x24};
inline const QColor kYellow{0xf9, 0xc4, 0x00};
inline const QColor kBlue{0x00, 0x56, 0xa8};
inline const QColor kBlack{0x1c, 0x1c, 0x1c};
inline const QColor kWhite{0xff, 0xff, 0xff};

// White disc with a red ring; the field colour can change (blue for no-parking signs).
void prohibitionFrame(QPainter &p, const QColor &field = kWhite, const QColor &ring = kRed);
// The red bar from upper left to lower right across the field of a prohibition sign.
void prohibitionBar(QPainter &p);
// Yellow triangle, point up, with a black border; pictograms centre near (100, 122).
void warningFrame(QPainter &p);
// Blue disc with a white rim.
void instructionDisc(QPainter &p);
// Blue square with rounded corners and a white rim.
void instructionSquare(QPainter &p);

// Two black arrowheads at the field's edges pointing at each other: left and right when
// across, else top and bottom (the limits of width and height).
void inwardArrowheads(QPainter &p, bool across);

// A thick arrow following a path; the head sits at the path's end.
void strokeArrow(QPainter &p, const QPainterPath &shaft, qreal width, const QColor &colour);
// Vehicles fill their box; windows and wheel gaps take the cutout colour (the sign's field).
// A car seen from behind.
void carRear(QPainter &p, const QRectF &box, const QColor &colour, const QColor &cutout);
// A car in profile facing right.
void carProfile(QPainter &p, const QRectF &box, const QColor &colour, const QColor &cutout);
// A lorry in profile facing right.
void lorryProfile(QPainter &p, const QRectF &box, const QColor &colour, const QColor &cutout);
// A walking figure in pictogram style; the box is its height and width.
void walker(QPainter &p, const QRectF &box, const QColor &colour, bool child = false);

} // namespace mediagen::sign
