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
    // Reports come from the backend's threads and are carried out here, queued (a play() called
    // from the stopped notification runs after the player's own notification has returned),
    // unless they are a former clip's news.
    const auto forTheCurrentClip = [this](quint64 generation, auto step) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, step] {
                if (generation == m_generation && !m_path.isEmpty())
                    step();
            },
            Qt::QueuedConnection);
    };
    ClipBackend::Reports reports;
    reports.stateChanged = [this, forTheCurrentClip](quint64 generation, int state) {
        forTheCurrentClip(generation, [this, state] {
            m_state = PlayState(state);
            emit PlayStateChange(state);
        });
    };
    reports.frameReady = [this, forTheCurrentClip](quint64 generation, const QImage &frame) {
        forTheCurrentClip(generation, [this, frame] {
            m_frame = frame;
            update();
        });
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
