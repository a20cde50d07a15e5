// The shared button pictures, marks and hand cursor as the program finds them in its
// resources, and the editions' start pages: sizes, transparency, the cursor's hot spot and
// the mode buttons drawn where the transparent buttons lie.
#include <QFile>
#include <QImage>
#include <QTest>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kSourceDir = QStringLiteral(SAFEDRIVE_SOURCE_DIR);

int pixels(int twips) {
    return int(std::nearbyint(twips / 15.0));
}

// Mode button imgNav(i) in the coordinates of the start picture, which imgBack shows 75 twips
// down inside Frame1, where the buttons lie at Top 950.
QRect modeButton(int i) {
    static constexpr int kLefts[] = {190, 3090, 5970, 8860, 11750};
    return QRect(pixels(kLefts[i]), pixels(950) - pixels(75), pixels(2730), pixels(555));
}

QColor meanColour(const QImage &image, const QRect &area) {
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x, ++n) {
            const QColor c = image.pixelColor(x, y);
            r += c.redF();
            g += c.greenF();
            b += c.blueF();
        }
    return QColor::fromRgbF(float(r / n), float(g / n), float(b / n));
}

int distance(const QColor &a, const QColor &b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

QImage startPage(const QString &edition) {
    return QImage(kSourceDir + u"/editions/"_s + edition + u"/art/start.png"_s);
}

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void resourcePictureHasItsSize_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        for (const char *letter : {"a", "b", "c", "d"})
            QTest::newRow(letter) << u":/assets/buttons/answer_%1.png"_s.arg(QLatin1String(letter))
                                  << QSize(64, 32);
        for (const char *name : {"previous", "next", "done", "commit"})
            QTest::newRow(name) << u":/assets/buttons/%1.png"_s.arg(QLatin1String(name))
                                << QSize(88, 32);
        QTest::newRow("select") << u":/assets/buttons/select.png"_s << QSize(120, 36);
        QTest::newRow("ok") << u":/assets/marks/ok.png"_s << QSize(18, 18);
        QTest::newRow("err") << u":/assets/marks/err.png"_s << QSize(18, 18);
        QTest::newRow("hand") << u":/assets/cursors/hand.png"_s << QSize(32, 32);
    }
    void resourcePictureHasItsSize() {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        const QImage image(resource);
        QVERIFY2(!image.isNull(), qPrintable(resource));
        QCOMPARE(image.size(), size);
        // Rounded buttons, marks and the cursor all leave their corners see-through.
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size.width() - 1, size.height() - 1)), 0);
        QVERIFY2(qAlpha(image.pixel(size.width() / 2, size.height() / 2)) > 0 ||
                     resource.contains(u"marks"_s),
                 "the middle of a button or cursor is drawn");
    }

    void marksAreGreenAndRed() {
        const auto dominant = [](const QImage &image) {
            double r = 0, g = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    r += c.redF() * c.alphaF();
                    g += c.greenF() * c.alphaF();
                }
            return g > r ? u"green"_s : u"red"_s;
        };
        QCOMPARE(dominant(QImage(u":/assets/marks/ok.png"_s)), u"green"_s);
        QCOMPARE(dominant(QImage(u":/assets/marks/err.png"_s)), u"red"_s);
    }

    void cursorTipIsAtTheHotSpot() {
        const QImage hand(u":/assets/cursors/hand.png"_s);
        QVERIFY(!hand.isNull());
        for (int x = 0; x < hand.width(); ++x)
            QCOMPARE(qAlpha(hand.pixel(x, 0)), 0);
        // The fingertip's outline passes through (12, 1): opaque and dark.
        const QColor tip = hand.pixelColor(12, 1);
        QVERIFY2(tip.alpha() > 128, qPrintable(QString::number(tip.alpha())));
        QVERIFY(tip.lightness() < 100);
        // Row 1 holds only the tip: nothing else of the hand reaches that high.
        for (int x = 0; x < hand.width(); ++x)
            if (std::abs(x - 12) > 2)
                QCOMPARE(qAlpha(hand.pixel(x, 1)), 0);
        // Inside the finger the hand is white.
        QVERIFY(hand.pixelColor(12, 6).lightness() > 200);
    }

    void startPageShowsTheModeButtons_data() {
        QTest::addColumn<QString>("edition");
        QTest::newRow("light") << u"light"_s;
        QTest::newRow("heavy") << u"heavy"_s;
    }
    void startPageShowsTheModeButtons() {
        QFETCH(QString, edition);
        const QImage page = startPage(edition);
        QCOMPARE(page.size(), QSize(979, 625));
        for (int i = 0; i < 5; ++i) {
            const QRect button = modeButton(i);
            const QColor inside = meanColour(page, button.adjusted(6, 6, -6, -6));
            const QColor below = meanColour(
                page, QRect(button.left() + 6, button.bottom() + 6, button.width() - 12, 4));
            const QColor beside = meanColour(
                page, QRect(button.right() + 3, button.top() + 6, 4, button.height() - 12));
            QVERIFY2(distance(inside, below) > 90, qPrintable(u"button %1 below"_s.arg(i)));
            if (i < 4)
                QVERIFY2(distance(inside, beside) > 90, qPrintable(u"button %1 beside"_s.arg(i)));
        }
    }

    void editionsLookDifferent() {
        const QImage light = startPage(u"light"_s), heavy = startPage(u"heavy"_s);
        QCOMPARE(light.size(), heavy.size());
        qsizetype differing = 0;
        for (int y = 0; y < light.height(); y += 2)
            for (int x = 0; x < light.width(); x += 2)
                differing += distance(light.pixelColor(x, y), heavy.pixelColor(x, y)) > 60 ? 1 : 0;
        // The title band, the buttons and the vehicle alone cover well over a tenth.
        QVERIFY2(differing * 4 * 10 > qsizetype(light.width()) * light.height(),
                 qPrintable(QString::number(differing)));
    }
};

QTEST_GUILESS_MAIN(TestAssets)
#include "tst_assets.moc"
