#include "clipplayer.h"

#include "mediabackend.h"

#include <QMediaPlayer>
#include <QVideoWidget>

namespace trainer {

ClipPlayer::ClipPlayer(QWidget *parent) : QWidget(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
    if (!mediaBackendUsable())
        return;
    m_player = new QMediaPlayer(this);
    m_video = new QVideoWidget(this);
    m_video->setContextMenuPolicy(Qt::NoContextMenu);
    m_video->setFullScreen(false);
    m_player->setVideoOutput(m_video);
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
    if (!m_player)
        return;
    m_player->setSource(path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path));
}

void ClipPlayer::setStretchToFit(bool stretch) {
    if (m_video)
        m_video->setAspectRatioMode(stretch ? Qt::IgnoreAspectRatio : Qt::KeepAspectRatio);
}

void ClipPlayer::play() {
    // Nothing to play, or a clip that cannot be decoded: stay empty instead of retrying.
    if (!m_player || m_path.isEmpty() || m_player->error() != QMediaPlayer::NoError)
        return;
    m_video->setFullScreen(false);
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

void ClipPlayer::resizeEvent(QResizeEvent *) {
    if (m_video)
        m_video->setGeometry(rect());
}

} // namespace trainer
