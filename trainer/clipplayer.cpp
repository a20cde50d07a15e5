#include "clipplayer.h"

#include "clipengine.h"
#include "mediabackend.h"

#include <QPainter>
#include <QThread>
#include <QVideoSink>

namespace trainer {

ClipPlayer::ClipPlayer(QWidget *parent) : QWidget(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
}

ClipPlayer::~ClipPlayer() {
    if (!m_thread)
        return;
    // The engine goes on its own thread, after whatever it was asked before.
    QMetaObject::invokeMethod(m_engine, [engine = m_engine, thread = m_thread] {
        delete engine;
        thread->quit();
    });
    m_thread->wait();
}

bool ClipPlayer::available() const {
    return mediaBackendUsable();
}

ClipEngine *ClipPlayer::engine() {
    if (m_engine || !mediaBackendUsable())
        return m_engine;
    m_thread = new QThread(this);
    m_thread->setObjectName(QStringLiteral("clip player"));
    m_sink = new QVideoSink(this);
    m_engine = new ClipEngine(m_sink);
    m_engine->moveToThread(m_thread);
    // Queued by nature (another thread): a play() called from the stopped notification is
    // carried out after the player's own notification has returned.
    connect(m_engine, &ClipEngine::stateChanged, this, [this](quint64 generation, int state) {
        if (generation != m_generation || m_path.isEmpty())
            return; // a former clip's news
        m_state = PlayState(state);
        emit PlayStateChange(state);
    });
    connect(m_engine, &ClipEngine::frameReady, this,
            [this](quint64 generation, const QImage &frame) {
                if (generation != m_generation || m_path.isEmpty())
                    return;
                m_frame = frame;
                update();
            });
    tellTarget();
    m_thread->start();
    return m_engine;
}

void ClipPlayer::tellTarget() {
    if (m_engine)
        m_engine->setTarget(size(), m_stretch);
}

void ClipPlayer::setUrl(const QString &path) {
    m_path = path;
    m_frame = QImage();
    m_state = Stopped;
    const quint64 generation = ++m_generation;
    update();
    if (path.isEmpty()) {
        if (m_engine)
            QMetaObject::invokeMethod(
                m_engine, [engine = m_engine, generation] { engine->stop(generation); });
        return;
    }
    if (ClipEngine *clips = engine())
        QMetaObject::invokeMethod(clips,
                                  [clips, generation, path] { clips->load(generation, path); });
}

void ClipPlayer::setStretchToFit(bool stretch) {
    m_stretch = stretch;
    tellTarget();
    update();
}

void ClipPlayer::play() {
    if (!m_engine || m_path.isEmpty())
        return;
    QMetaObject::invokeMethod(
        m_engine, [engine = m_engine, generation = m_generation] { engine->play(generation); });
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
