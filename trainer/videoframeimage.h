#pragma once

#include <QImage>
#include <QSize>

class QVideoFrame;

namespace trainer {

// One decoded video frame as a picture of exactly size pixels, nearest sample, ready to be drawn
// without scaling. Planar YUV 4:2:0 frames (what VP8 and VP9 decode to) are converted here, on
// the caller's thread, from the mapped planes; other formats go through Qt's own conversion.
QImage videoFrameImage(const QVideoFrame &frame, QSize size);

} // namespace trainer
