// The safedrive-clips module: the media player on a thread of its own, behind ClipBackend.
#include "clipbackend.h"
#include "clipengine.h"
#include "clippipeline.h"

#include <QThread>
#include <QVideoSink>

namespace trainer {

namespace {

class ThreadedClipBackend : public ClipBackend {
public:
    explicit ThreadedClipBackend(Reports reports)
        : m_sink(new QVideoSink), m_engine(new ClipEngine(m_sink.get())) {
        m_thread.setObjectName(QStringLiteral("clip player"));
        m_engine->moveToThread(&m_thread);
        QObject::connect(m_engine, &ClipEngine::stateChanged, m_engine, reports.stateChanged,
                         Qt::DirectConnection);
        QObject::connect(m_engine, &ClipEngine::frameReady, m_engine, reports.frameReady,
                         Qt::DirectConnection);
        m_thread.start();
    }

    ~ThreadedClipBackend() override {
        // The engine goes on its own thread, after whatever it was asked before; the sink,
        // which it reports from, after it.
        QMetaObject::invokeMethod(m_engine, [engine = m_engine, thread = &m_thread] {
            delete engine;
            thread->quit();
        });
        m_thread.wait();
    }

    void setTarget(QSize box, bool stretch) override { m_engine->setTarget(box, stretch); }
    void load(quint64 generation, const QString &path) override {
        QMetaObject::invokeMethod(
            m_engine, [engine = m_engine, generation, path] { engine->load(generation, path); });
    }
    void play(quint64 generation) override {
        QMetaObject::invokeMethod(m_engine,
                                  [engine = m_engine, generation] { engine->play(generation); });
    }
    void stop(quint64 generation) override {
        QMetaObject::invokeMethod(m_engine,
                                  [engine = m_engine, generation] { engine->stop(generation); });
    }

private:
    // The sink stays on the window's thread (see ClipEngine); the engine lives on m_thread.
    std::unique_ptr<QVideoSink> m_sink;
    ClipEngine *m_engine;
    QThread m_thread;
};

} // namespace

} // namespace trainer

extern "C" Q_DECL_EXPORT trainer::ClipBackend *
safedrive_createClipBackend(trainer::ClipBackend::Reports reports) {
    trainer::fitPlayerPipelineToClips(); // before the sink makes the player's first queue
    return new trainer::ThreadedClipBackend(std::move(reports));
}
