#include "clipplayer.h"

#include "mediabackend.h"
#include "moduleloader.h"

#include <QPainter>

namespace trainer {

ClipPlayer::ClipPlayer(QWidget *parent) : QWidget(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
}

ClipPlayer::~ClipPlayer() = default;

bool ClipPlayer::available() const {
    return mediaBackendUsable();
}

ClipBackend *ClipPlayer::backend() {
    if (m_backendTried || !mediaBackendUsable())
        return m_backend.get();
    m_backendTried = true;
    // Reports come from the backend's threads; queued, a play() called from the stopped
    // notification is carried out after the player's own notification has returned.
    ClipBackend::Reports reports;
    reports.stateChanged = [this](quint64 generation, int state) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, state] {
                if (generation != m_generation || m_path.isEmpty())
                    return; // a former clip's news
                m_state = PlayState(state);
                emit PlayStateChange(state);
            },
            Qt::QueuedConnection);
    };
    reports.frameReady = [this](quint64 generation, const QImage &frame) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, frame] {
                if (generation != m_generation || m_path.isEmpty())
                    return;
                m_frame = frame;
                update();
            },
            Qt::QueuedConnection);
    };
    if (const auto create =
            reinterpret_cast<CreateClipBackend>(moduleEntry("safedrive-clips", kCreateClipBackend)))
        m_backend.reset(create(std::move(reports)));
    tellTarget();
    return m_backend.get();
}

void ClipPlayer::tellTarget() {
    if (m_backend)
        m_backend->setTarget(size(), m_stretch);
}

void ClipPlayer::setUrl(const QString &path) {
    m_path = path;
    m_frame = QImage();
    m_state = Stopped;
    const quint64 generation = ++m_generation;
    update();
    if (path.isEmpty()) {
        if (m_backend)
            m_backend->stop(generation);
        return;
    }
    if (ClipBackend *clips = backend())
        clips->load(generation, path);
}

void ClipPlayer::setStretchToFit(bool stretch) {
    m_stretch = stretch;
    tellTarget();
    update();
}

void ClipPlayer::play() {
    if (m_backend && !m_path.isEmpty())
        m_backend->play(m_generation);
}

void ClipPlayer::resizeEvent(QResizeEvent *event) {
    tellTarget();
    QWidget::resizeEvent(event);
}

void ClipPlayer::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_frame.isNull())
        return;
    // Frames come at the size they are shown; one that predates a resize is scaled, fast.
    const QSize size = m_frame.size().scaled(this->size(), m_stretch ? Qt::IgnoreAspectRatio
                                                                     : Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.drawImage(target, m_frame);
}

} // namespace trainer
