#pragma once

#include "clipbackend.h"

#include <QImage>
#include <QWidget>

#include <memory>

namespace trainer {

// The clip player in the picture's place: no transport controls, no context menu, never full
// screen, stretched to its area when asked. It paints the frames itself, as an ordinary widget,
// so that pages laid over the question page cover it and it shows without OpenGL. An empty URL
// stops it. Reports play-state changes (1 stopped, 2 paused, 3 playing) after the player's own
// notification has returned, so a handler may call play() to restart a clip that came to its end.
// The media player itself runs on a thread of its own, in a module loaded when the first clip is
// set (ClipBackend): nothing the player does, however slow, holds up the window, and nothing of
// it is loaded before a clip is shown.
class ClipPlayer : public QWidget {
    Q_OBJECT

public:
    enum PlayState {
        Stopped = ClipBackend::Stopped,
        Paused = ClipBackend::Paused,
        Playing = ClipBackend::Playing
    };

    explicit ClipPlayer(QWidget *parent = nullptr);
    ~ClipPlayer() override;

    bool available() const; // false without a media backend
    bool playerCreated() const { return m_backend != nullptr; }
    void setUrl(const QString &path); // an empty path stops the clip
    QString url() const { return m_path; }
    void setStretchToFit(bool stretch);
    void play();
    PlayState playState() const { return m_state; }

signals:
    void PlayStateChange(int NewState);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    ClipBackend *backend(); // made on first use; null without a media backend
    void tellTarget();

    std::unique_ptr<ClipBackend> m_backend;
    bool m_backendTried = false;
    quint64 m_generation = 0; // of the clip set last
    PlayState m_state = Stopped;
    QImage m_frame; // already at the size it is drawn
    bool m_stretch = false;
    QString m_path;
};

} // namespace trainer
