#pragma once

#include <QList>
#include <QWidget>

namespace trainer {

// A coloured box that can print text into itself, like an answer-sheet cell or a legend
// swatch: a new background colour clears what was printed; the printing persists otherwise.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    quint32 backColor() const { return m_backColor; } // 0x00BBGGRR
    void setBackColor(quint32 bgr);
    quint32 foreColor() const { return m_foreColor; }
    void setForeColor(quint32 bgr) { m_foreColor = bgr; }

    // Print position in twips from the top-left corner.
    void setPrintPosition(double xTwips, double yTwips);
    void print(const QString &text);
    QString printedText() const; // everything printed since the last clearing

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct Printed {
        double xTwips, yTwips;
        quint32 color;
        QString text;
    };
    quint32 m_backColor = 0xFFFFFF;
    quint32 m_foreColor = 0;
    double m_xTwips = 0, m_yTwips = 0;
    QList<Printed> m_printed;
};

} // namespace trainer
