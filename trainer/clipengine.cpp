#include "clipengine.h"

#include "clipbackend.h"
#include "videoframeimage.h"

#include <QMediaPlayer>
#include <QTimer>
#include <QVideoFrame>
#include <QVideoSink>

namespace trainer {

namespace {

// Long enough for the next clip question to take the player up again, short enough that the
// memory comes back soon after the clips are left.
constexpr int kDropAfterMs = 2000;

} // namespace

ClipEngine::ClipEngine(QVideoSink *sink) : m_sink(sink), m_dropTimer(new QTimer(this)) {
    m_dropTimer->setSingleShot(true);
    m_dropTimer->setInterval(kDropAfterMs);
    connect(m_dropTimer, &QTimer::timeout, this, &ClipEngine::dropPlayer);
    connect(
        m_sink, &QVideoSink::videoFrameChanged, this,
        [this](const QVideoFrame &frame) { deliver(frame); }, Qt::DirectConnection);
}

ClipEngine::~ClipEngine() {
    dropPlayer();
}

void ClipEngine::setTarget(QSize box, bool stretch) {
    QMutexLocker lock(&m_targetMutex);
    m_box = box;
    m_stretch = stretch;
}

void ClipEngine::createPlayer() {
    m_player = std::make_unique<QMediaPlayer>();
    m_player->setVideoSink(m_sink);
    connect(m_player.get(), &QMediaPlayer::playbackStateChanged, this,
            [this](QMediaPlayer::PlaybackState state) {
                if (m_failed)
                    return; // reported as stopped once, when it failed
                switch (state) {
                case QMediaPlayer::StoppedState:
                    emit stateChanged(m_generation, ClipBackend::Stopped);
                    break;
                case QMediaPlayer::PausedState:
                    emit stateChanged(m_generation, ClipBackend::Paused);
                    break;
                case QMediaPlayer::PlayingState:
                    emit stateChanged(m_generation, ClipBackend::Playing);
                    break;
                }
            });
    // A clip that cannot be played stays stopped and empty; the player it spoilt is not used
    // again (it would keep refusing to play).
    connect(m_player.get(), &QMediaPlayer::errorOccurred, this, [this] {
        if (m_failed)
            return;
        m_failed = true;
        emit stateChanged(m_generation, ClipBackend::Stopped);
    });
}

void ClipEngine::dropPlayer() {
    m_dropTimer->stop();
    m_player.reset();
}

void ClipEngine::load(quint64 generation, const QString &path) {
    m_dropTimer->stop();
    m_generation = generation;
    if (m_player && (m_failed || m_player->error() != QMediaPlayer::NoError))
        dropPlayer();
    m_failed = false;
    if (!m_player)
        createPlayer();
    m_player->setSource(QUrl::fromLocalFile(path));
}

void ClipEngine::play(quint64 generation) {
    if (generation != m_generation || !m_player || m_failed)
        return;
    m_player->play();
}

void ClipEngine::stop(quint64 generation) {
    m_generation = generation; // frames still under way belong to no clip
    if (!m_player)
        return;
    m_player->pause();
    m_dropTimer->start();
}

void ClipEngine::deliver(const QVideoFrame &frame) {
    const quint64 generation = m_generation;
    QSize size;
    {
        QMutexLocker lock(&m_targetMutex);
        size = m_stretch ? m_box : frame.size().scaled(m_box, Qt::KeepAspectRatio);
    }
    const QImage image = videoFrameImage(frame, size);
    if (!image.isNull())
        emit frameReady(generation, image);
}

} // namespace trainer
