#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

namespace trainer {

// What the clip player asks of the media player behind it. The media player and everything it
// loads (Qt Multimedia, GStreamer, the sound server's libraries) live in a module of their own,
// safedrive-clips, loaded when the first clip is shown: the start page never pays for them.
//
// Calls return at once: the work is done on the backend's own thread. Each call names the clip
// (generation) it is meant for, and so does each report.
class ClipBackend {
public:
    enum State { Stopped = 1, Paused = 2, Playing = 3 };

    // Reports, made on any thread; the receiver passes them to its own.
    struct Reports {
        std::function<void(quint64 generation, int state)> stateChanged; // a State
        std::function<void(quint64 generation, const QImage &frame)> frameReady;
    };

    virtual ~ClipBackend() = default;
    // Where frames are drawn: each frame is converted to the box's size (stretched), or to the
    // largest size of the frame's shape within it.
    virtual void setTarget(QSize box, bool stretch) = 0;
    virtual void load(quint64 generation, const QString &path) = 0;
    virtual void play(quint64 generation) = 0;
    virtual void stop(quint64 generation) = 0;
};

// The module's one entry point, made on the window's thread.
using CreateClipBackend = ClipBackend *(*)(ClipBackend::Reports reports);
inline constexpr char kCreateClipBackend[] = "safedrive_createClipBackend";

} // namespace trainer
