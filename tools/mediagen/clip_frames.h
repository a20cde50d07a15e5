// The frames of a clip exactly as the encoder receives them.
#pragma once

#include "drawers.h"

#include <QImage>

namespace mediagen {

class ClipFrames {
public:
    explicit ClipFrames(const ClipDrawer &clip);

    int count() const { return m_count; }
    // Frame index (0 <= index < count) at phase index / count; frames of the fade tail are
    // blended towards the first frame.
    QImage frame(int index) const;

private:
    QImage paintAt(double t) const;

    const ClipDrawer &m_clip;
    int m_count;
    int m_fadeFrames;
    QImage m_first;
};

} // namespace mediagen
