#pragma once

#include <QImage>
#include <QRect>

class QPainter;

namespace frame {

// What the frame draws on: its title rows and what hangs under them at the top, its border's
// lower edges at the bottom, and between them rows that are all alike (the back colour between
// the border's sides). Those rows are kept once, so the frame of a window-sized host holds a
// few hundred rows' worth less than a window-sized image and touches none of that memory.
// A pixel written in a middle row is written in all of them: only what is alike from the top
// band down to the bottom band may be drawn there.
class FrameSurface {
public:
    // Rows of the given size kept apart at the top and at the bottom; all rows when the
    // size leaves none between them. Pixels uninitialised.
    void reset(QSize size, int topRows, int bottomRows);
    bool fits(QSize size, int topRows) const { return m_size == size && m_topRows == topRows; }

    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    QRect rect() const { return QRect(QPoint(0, 0), m_size); }

    QRgb *row(int y); // y within the surface
    const QRgb *constRow(int y) const;
    QRect rowsOf(int y) const; // the full-width rows a write in row y changes
    void fill(QRgb rgb);

    // The top rows as an image, for drawing with a painter (the title's icon and caption).
    QImage &topRows() { return m_top; }

    // Paints the part of the surface within area, at the same place.
    void paint(QPainter &painter, const QRect &area) const;
    // The whole surface as one image.
    QImage toImage() const;

private:
    int middleRows() const;
    QSize m_size;
    int m_topRows = 0;
    QImage m_top;    // rows [0, m_topRows)
    QImage m_middle; // one row standing for every middle row
    QImage m_bottom; // the last rows
};

} // namespace frame
