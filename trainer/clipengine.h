#pragma once

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QSize>

#include <atomic>
#include <memory>

class QMediaPlayer;
class QTimer;
class QVideoFrame;
class QVideoSink;

namespace trainer {

// The media player behind ClipPlayer (see ClipBackend), on a thread of its own: creating, stopping,
// changing and dropping a GStreamer pipeline blocks, which the window must never wait for. The
// video sink stays on the window's thread: GStreamer's renderer starts and stops there and waits
// for that thread (up to 300 ms) while the pipeline changes state, so it must not be the blocked
// one. Its slots are called queued from the window; each call names the clip (generation) it is
// meant for, so that what a former clip still reports is told apart. The player is made for the
// first clip, dropped (its memory given back) a while after the last one stopped, and made anew
// after a clip that failed, so that one bad clip never affects the next.
class ClipEngine : public QObject {
    Q_OBJECT

public:
    explicit ClipEngine(QVideoSink *sink); // sink: on the window's thread, outlives the engine
    ~ClipEngine() override;

    // Where frames are drawn: each frame is converted once to the box's size (stretched), or
    // to the largest size of the frame's shape within it. Any thread.
    void setTarget(QSize box, bool stretch);

    void load(quint64 generation, const QString &path);
    void play(quint64 generation);
    void stop(quint64 generation); // pauses at once; the player goes unless a clip follows soon

    bool hasPlayer() const { return m_player != nullptr; } // on the engine's thread

signals:
    void stateChanged(quint64 generation, int state); // ClipBackend::State values
    void frameReady(quint64 generation, const QImage &frame);

private:
    void createPlayer();
    void dropPlayer();
    void deliver(const QVideoFrame &frame); // on whatever thread the sink reports on

    std::unique_ptr<QMediaPlayer> m_player;
    QVideoSink *m_sink = nullptr;
    QTimer *m_dropTimer = nullptr;
    std::atomic<quint64> m_generation = 0;
    bool m_failed = false;

    QMutex m_targetMutex;
    QSize m_box;
    bool m_stretch = false;
};

} // namespace trainer
