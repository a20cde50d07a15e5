#pragma once

#include <QLabel>

namespace trainer {

// A picture that acts as a button: it shows its image (or nothing, as a transparent click
// area over a background) and reports a left click released over it.
class ImageButton : public QLabel {
    Q_OBJECT

public:
    explicit ImageButton(const QString &resource = QString(), QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace trainer
