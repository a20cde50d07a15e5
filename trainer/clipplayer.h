#pragma once

#include <QImage>
#include <QWidget>

class QMediaPlayer;
class QVideoSink;

namespace trainer {

// The clip player in the picture's place: no transport controls, no context menu, never full
// screen, stretched to its area when asked. It paints the frames itself, as an ordinary widget,
// so that pages laid over the question page cover it and it shows without OpenGL. An empty URL
// stops it. Reports play-state changes (1 stopped, 2 paused, 3 playing) after the player's own
// notification has returned, so a handler may call play() to restart a clip that came to its end.
class ClipPlayer : public QWidget {
    Q_OBJECT

public:
    enum PlayState { Stopped = 1, Paused = 2, Playing = 3 };

    explicit ClipPlayer(QWidget *parent = nullptr);

    bool available() const { return m_player != nullptr; } // false without a media backend
    void setUrl(const QString &path);                      // an empty path stops the clip
    QString url() const { return m_path; }
    void setStretchToFit(bool stretch);
    void play();
    PlayState playState() const;

signals:
    void PlayStateChange(int NewState);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QMediaPlayer *m_player = nullptr;
    QVideoSink *m_sink = nullptr;
    QImage m_frame;
    bool m_stretch = false;
    QString m_path;
};

} // namespace trainer
