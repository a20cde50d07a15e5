#include "clipplayer.h"

#include "mediabackend.h"

#include <QMediaPlayer>
#include <QPainter>
#include <QVideoFrame>
#include <QVideoSink>

namespace trainer {

ClipPlayer::ClipPlayer(QWidget *parent) : QWidget(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
    if (!mediaBackendUsable())
        return;
    m_player = new QMediaPlayer(this);
    m_sink = new QVideoSink(this);
    m_player->setVideoSink(m_sink);
    connect(m_sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame &frame) {
        m_frame = frame.toImage();
        update();
    });
    // Queued: a play() issued from inside the player's stopped notification does not restart.
    connect(
        m_player, &QMediaPlayer::playbackStateChanged, this,
        [this](QMediaPlayer::PlaybackState state) {
            switch (state) {
            case QMediaPlayer::StoppedState:
                emit PlayStateChange(Stopped);
                break;
            case QMediaPlayer::PausedState:
                emit PlayStateChange(Paused);
                break;
            case QMediaPlayer::PlayingState:
                emit PlayStateChange(Playing);
                break;
            }
        },
        Qt::QueuedConnection);
    // A clip that cannot be played leaves the player stopped and empty.
    connect(m_player, &QMediaPlayer::errorOccurred, m_player, &QMediaPlayer::stop);
}

void ClipPlayer::setUrl(const QString &path) {
    m_path = path;
    m_frame = QImage();
    update();
    if (!m_player)
        return;
    m_player->setSource(path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path));
}

void ClipPlayer::setStretchToFit(bool stretch) {
    m_stretch = stretch;
    update();
}

void ClipPlayer::play() {
    // Nothing to play, or a clip that cannot be decoded: stay empty instead of retrying.
    if (!m_player || m_path.isEmpty() || m_player->error() != QMediaPlayer::NoError)
        return;
    m_player->play();
}

ClipPlayer::PlayState ClipPlayer::playState() const {
    if (!m_player)
        return Stopped;
    switch (m_player->playbackState()) {
    case QMediaPlayer::PlayingState:
        return Playing;
    case QMediaPlayer::PausedState:
        return Paused;
    case QMediaPlayer::StoppedState:
        break;
    }
    return Stopped;
}

void ClipPlayer::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_frame.isNull())
        return;
    const QSize size = m_frame.size().scaled(this->size(), m_stretch ? Qt::IgnoreAspectRatio
                                                                     : Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_frame);
}

} // namespace trainer
