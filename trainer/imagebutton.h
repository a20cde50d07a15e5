#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace trainer {

// A picture that acts as a button: it shows its image where a label would show it (or nothing,
// as a transparent click area over a background) and clicks like any button, on a left click
// released over it or on Space while it has the focus. Only Tab gives it the focus, so a click
// leaves the keys where they were. Its caption, the text its picture shows, is what screen
// readers say.
class ImageButton : public QAbstractButton {
    Q_OBJECT

public:
    ImageButton(const QString &resource, const QString &caption, QWidget *parent = nullptr);

    // Read at its first use: most buttons stay hidden at start.
    const QPixmap &pixmap();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_resource;
    QPixmap m_pixmap;
};

} // namespace trainer
