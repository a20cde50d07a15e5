#include "clip_frames.h"

#include "canvas.h"

#include <cmath>

namespace mediagen {

ClipFrames::ClipFrames(const ClipDrawer &clip)
    : m_clip(clip), m_count(int(std::lround(clip.seconds * kClipFps))),
      m_fadeFrames(int(std::lround(clip.fadeSeconds * kClipFps))), m_first(paintAt(0)) {}

QImage ClipFrames::paintAt(double t) const {
    QImage frame(kClipSize, QImage::Format_RGB32);
    frame.fill(Qt::black);
    QPainter p(&frame);
    prepare(p);
    m_clip.paint(p, t);
    return frame;
}

QImage ClipFrames::frame(int index) const {
    if (index == 0)
        return m_first;
    QImage frame = paintAt(double(index) / m_count);
    const int intoFade = index - (m_count - m_fadeFrames);
    if (m_fadeFrames > 0 && intoFade >= 0) {
        QPainter p(&frame);
        p.setOpacity(double(intoFade + 1) / (m_fadeFrames + 1));
        p.drawImage(0, 0, m_first);
    }
    return frame;
}

} // namespace mediagen
