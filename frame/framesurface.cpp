#include "frame/framesurface.h"

#include <QPainter>

#include <cstring>

namespace frame {

void FrameSurface::reset(QSize size, int topRows, int bottomRows) {
    m_size = size;
    m_topRows = topRows;
    const int w = size.width(), h = size.height();
    if (topRows + bottomRows >= h) { // no row between the bands: every row is its own
        m_top = QImage(w, h, QImage::Format_RGB32);
        m_middle = m_bottom = QImage();
        return;
    }
    m_top = QImage(w, topRows, QImage::Format_RGB32);
    m_middle = QImage(w, 1, QImage::Format_RGB32);
    m_bottom = QImage(w, bottomRows, QImage::Format_RGB32);
}

int FrameSurface::middleRows() const {
    return height() - m_top.height() - m_bottom.height();
}

QRgb *FrameSurface::row(int y) {
    return const_cast<QRgb *>(constRow(y));
}

const QRgb *FrameSurface::constRow(int y) const {
    const QImage *band = &m_middle;
    int line = 0;
    if (y < m_top.height()) {
        band = &m_top;
        line = y;
    } else if (y >= height() - m_bottom.height()) {
        band = &m_bottom;
        line = y - (height() - m_bottom.height());
    }
    return reinterpret_cast<const QRgb *>(band->constScanLine(line));
}

QRect FrameSurface::rowsOf(int y) const {
    const bool middle = y >= m_top.height() && y < height() - m_bottom.height();
    return middle ? QRect(0, m_top.height(), width(), middleRows()) : QRect(0, y, width(), 1);
}

void FrameSurface::fill(QRgb rgb) {
    for (QImage *band : {&m_top, &m_middle, &m_bottom})
        band->fill(rgb);
}

void FrameSurface::paint(QPainter &painter, const QRect &area) const {
    const int bottomTop = height() - m_bottom.height();
    const QRect top = area & QRect(0, 0, width(), m_top.height());
    if (!top.isEmpty())
        painter.drawImage(top.topLeft(), m_top, top);
    const QRect middle = area & QRect(0, m_top.height(), width(), middleRows());
    if (!middle.isEmpty()) {
        // The one row stretched down, as runs of one colour (the back colour between the
        // border's sides): solid fills, far quicker than scaling the row.
        const QRgb *row = constRow(middle.top());
        for (int x = middle.left(); x <= middle.right();) {
            int end = x + 1;
            while (end <= middle.right() && row[end] == row[x])
                ++end;
            painter.fillRect(QRect(x, middle.top(), end - x, middle.height()), QColor(row[x]));
            x = end;
        }
    }
    const QRect bottom = area & QRect(0, bottomTop, width(), m_bottom.height());
    if (!bottom.isEmpty())
        painter.drawImage(bottom.topLeft(), m_bottom, bottom.translated(0, -bottomTop));
}

QImage FrameSurface::toImage() const {
    QImage whole(m_size, QImage::Format_RGB32);
    for (int y = 0; y < height(); ++y)
        std::memcpy(whole.scanLine(y), constRow(y), size_t(width()) * sizeof(QRgb));
    return whole;
}

} // namespace frame
