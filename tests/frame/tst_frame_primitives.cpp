// The frame's drawing primitives, read back pixel by pixel, and the surface they draw on.
#include "frame/canvas.h"
#include "framehelpers.h"

#include <QPainter>
#include <QTest>

using namespace frame;
using namespace frametest;

class TestFramePrimitives : public QObject {
    Q_OBJECT

private slots:
    void lineExcludesItsEndPoint_data();
    void lineExcludesItsEndPoint();
    void rectangleOutline_data();
    void rectangleOutline();
    void gradientMiddleLine_data();
    void gradientMiddleLine();
    void linearVerticalFillsInnerRowsOnly();
    void linearHorizontalFillsInnerColumnsOnly();
    void cylinderRatioAtMostOneUses101_data();
    void cylinderRatioAtMostOneUses101();
    void cylinderRisesThenFalls();
    void mixColours_data();
    void mixColours();
    void gripDots_data();
    void gripDots();
    void zeroExtentDrawsNothingAndReports_data();
    void zeroExtentDrawsNothingAndReports();
    void middleRowStandsForEveryMiddleRow();
    void surfacePaintsWhatWasDrawn();
};

void TestFramePrimitives::lineExcludesItsEndPoint_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("pixels");
    QTest::newRow("rightwards") << QPoint(2, 3) << QPoint(9, 3) << 7;
    QTest::newRow("leftwards") << QPoint(9, 3) << QPoint(2, 3) << 7;
    QTest::newRow("downwards") << QPoint(4, 1) << QPoint(4, 12) << 11;
    QTest::newRow("upwards") << QPoint(4, 12) << QPoint(4, 1) << 11;
    QTest::newRow("diagonal") << QPoint(5, 5) << QPoint(14, 14) << 9;
    QTest::newRow("anti-diagonal") << QPoint(5, 13) << QPoint(14, 4) << 9;
    QTest::newRow("one pixel") << QPoint(3, 3) << QPoint(4, 3) << 1;
    QTest::newRow("no length") << QPoint(3, 3) << QPoint(3, 3) << 0;
    QTest::newRow("from outside") << QPoint(-1, 2) << QPoint(5, 2) << 5;
}

void TestFramePrimitives::lineExcludesItsEndPoint() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(int, pixels);
    BlankSurface image(20, 20);
    FrameCanvas canvas(&image.surface);
    const OleColor red = RGB(255, 0, 0);
    canvas.APILineEx(from.x(), from.y(), to.x(), to.y(), red);
    QCOMPARE(countColour(image, red), pixels);
    QCOMPARE(pixel(image, to.x(), to.y()), Blank);
    if (pixels > 0 && from.x() >= 0)
        QCOMPARE(pixel(image, from.x(), from.y()), red);
}

void TestFramePrimitives::rectangleOutline_data() {
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("hollow");
    QTest::newRow("1 x 1 is a 2 x 2 block") << 1 << 1 << 4 << false;
    QTest::newRow("18 x 18 is a 19 x 19 outline") << 18 << 18 << 72 << true;
    QTest::newRow("wide") << 10 << 2 << 24 << true;
}

void TestFramePrimitives::rectangleOutline() {
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, pixels);
    QFETCH(bool, hollow);
    BlankSurface image(30, 30);
    FrameCanvas canvas(&image.surface);
    const OleColor blue = RGB(0, 0, 255);
    canvas.ApiRectangle(3, 4, w, h, blue);
    QCOMPARE(countColour(image, blue), pixels);
    for (const QPoint corner :
         {QPoint(3, 4), QPoint(3 + w, 4), QPoint(3, 4 + h), QPoint(3 + w, 4 + h)})
        QCOMPARE(pixel(image, corner.x(), corner.y()), blue);
    QCOMPARE(pixel(image, 4 + w, 4), Blank);
    QCOMPARE(pixel(image, 3, 5 + h), Blank);
    if (hollow)
        QCOMPARE(pixel(image, 4, 5), Blank);
}

void TestFramePrimitives::gradientMiddleLine_data() {
    QTest::addColumn<OleColor>("a");
    QTest::addColumn<OleColor>("b");
    QTest::addColumn<OleColor>("middle");
    QTest::newRow("halves go to even") << RGB(0, 0, 0) << RGB(5, 3, 1) << RGB(2, 2, 0);
    QTest::newRow("127.5 becomes 128") << RGB(0, 255, 0) << RGB(255, 0, 0) << RGB(128, 128, 0);
    QTest::newRow("falling") << RGB(9, 7, 200) << RGB(2, 0, 100) << RGB(6, 4, 150);
}

void TestFramePrimitives::gradientMiddleLine() {
    QFETCH(OleColor, a);
    QFETCH(OleColor, b);
    QFETCH(OleColor, middle);
    BlankSurface image(12, 8);
    FrameCanvas canvas(&image.surface);
    canvas.DrawGradientEx(a, b, 1, 2, 10, 2, true);
    for (int x = 1; x < 10; ++x)
        QCOMPARE(pixel(image, x, 3), middle);
    QCOMPARE(pixel(image, 10, 3), Blank);
    QCOMPARE(countColour(image, Blank), 12 * 8 - 9);
}

void TestFramePrimitives::linearVerticalFillsInnerRowsOnly() {
    const int x = 2, y = 3, w = 10, h = 6;
    BlankSurface image(20, 20);
    FrameCanvas canvas(&image.surface);
    canvas.DrawGradientInRectangle(RGB(0, 0, 0), RGB(250, 250, 250), {x, y, w, h}, gkLinearVertical,
                                   false, 0, 0);
    for (int row = 0; row < 20; ++row) {
        const bool inner = row >= y + 1 && row <= y + h - 1;
        QCOMPARE(pixel(image, x + 4, row) != Blank, inner);
    }
    QCOMPARE(pixel(image, x - 1, y + 2), Blank);
    QVERIFY(pixel(image, x, y + 2) != Blank);
    QVERIFY(pixel(image, x + w - 1, y + 2) != Blank);
    QCOMPARE(pixel(image, x + w, y + 2), Blank);
    // Colour 2 at the top, colour 1 at the bottom.
    QVERIFY(redOf(pixel(image, x, y + 1)) > redOf(pixel(image, x, y + h - 1)));
}

void TestFramePrimitives::linearHorizontalFillsInnerColumnsOnly() {
    const int x = 2, y = 3, w = 6, h = 5;
    BlankSurface image(20, 20);
    FrameCanvas canvas(&image.surface);
    canvas.DrawGradientInRectangle(RGB(0, 0, 0), RGB(250, 250, 250), {x, y, w, h},
                                   gkLinearHorizontal, false, 0, 0);
    for (int column = 0; column < 20; ++column)
        QCOMPARE(pixel(image, column, y + 1) != Blank, column >= x + 1 && column <= x + w - 1);
    QCOMPARE(pixel(image, x + 2, y + h), Blank);
    QVERIFY(pixel(image, x + 2, y) != Blank);
}

void TestFramePrimitives::cylinderRatioAtMostOneUses101_data() {
    QTest::addColumn<double>("ratio");
    QTest::newRow("1") << 1.0;
    QTest::newRow("0.5") << 0.5;
    QTest::newRow("-3") << -3.0;
}

void TestFramePrimitives::cylinderRatioAtMostOneUses101() {
    QFETCH(double, ratio);
    const auto draw = [](double r) -> QImage {
        BlankSurface image(10, 110);
        FrameCanvas canvas(&image.surface);
        canvas.DrawGradCilinder(RGB(0, 0, 0), RGB(200, 100, 50), {0, 0, 10, 100}, true, r);
        return image;
    };
    QCOMPARE(draw(ratio), draw(1.01));
    QVERIFY(draw(ratio) != draw(1.5));
}

void TestFramePrimitives::cylinderRisesThenFalls() {
    BlankSurface image(4, 40);
    FrameCanvas canvas(&image.surface);
    canvas.DrawGradCilinder(RGB(0, 0, 0), RGB(200, 200, 200), {0, 0, 4, 30}, true, 5.01);
    // Rises over round(30 / 5.01) = 6 rows, falls from row 5 over round(4.01 * 30 / 5.01 + 1).
    QCOMPARE(pixel(image, 1, 3), RGB(100, 100, 100));
    QVERIFY(redOf(pixel(image, 1, 10)) > redOf(pixel(image, 1, 20)));
    QVERIFY(redOf(pixel(image, 1, 20)) > redOf(pixel(image, 1, 28)));
    QCOMPARE(pixel(image, 1, 0), Blank);
}

void TestFramePrimitives::mixColours_data() {
    QTest::addColumn<OleColor>("a");
    QTest::addColumn<OleColor>("b");
    QTest::addColumn<OleColor>("mixed");
    QTest::newRow("blue with black") << RGB(19, 97, 156) << OleColor(0) << RGB(10, 48, 78);
    QTest::newRow("with white") << RGB(19, 97, 156) << White << RGB(137, 176, 206);
    QTest::newRow("same") << RGB(7, 8, 9) << RGB(7, 8, 9) << RGB(7, 8, 9);
    QTest::newRow("odd sums") << RGB(1, 3, 5) << RGB(2, 4, 6) << RGB(2, 4, 6);
}

void TestFramePrimitives::mixColours() {
    QFETCH(OleColor, a);
    QFETCH(OleColor, b);
    QFETCH(OleColor, mixed);
    QCOMPARE(MixColors(a, b), mixed);
    QCOMPARE(MixColors(b, a), mixed);
}

void TestFramePrimitives::gripDots_data() {
    QTest::addColumn<int>("barHeight");
    QTest::addColumn<int>("top");
    QTest::newRow("7: 2.5 rounds to 2") << 7 << 2;
    QTest::newRow("8") << 8 << 3;
    QTest::newRow("9: 3.5 rounds to 4") << 9 << 4;
    QTest::newRow("5: 1.5 rounds to 2") << 5 << 2;
}

void TestFramePrimitives::gripDots() {
    QFETCH(int, barHeight);
    QFETCH(int, top);
    BlankSurface image(100, 12);
    FrameCanvas canvas(&image.surface);
    const OleColor shadow = RGB(10, 10, 10), dot = RGB(240, 240, 240);
    canvas.PaintShpInBar(shadow, dot, barHeight);
    const int left = 33; // (100 - 34) / 2
    for (int i = 0; i <= 8; ++i) {
        QCOMPARE(pixel(image, left + 4 * i, top), dot);
        QCOMPARE(pixel(image, left + 4 * i + 1, top + 1), dot);
        QCOMPARE(pixel(image, left + 4 * i + 2, top + 2), shadow);
        QCOMPARE(pixel(image, left + 4 * i + 3, top), Blank);
    }
    QCOMPARE(countColour(image, dot), 9 * 4);
    QCOMPARE(countColour(image, shadow), 9 * 3);
    QCOMPARE(pixel(image, left - 1, top), Blank);
    QCOMPARE(pixel(image, left, top - 1), Blank);
}

void TestFramePrimitives::zeroExtentDrawsNothingAndReports_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("procedure");
    QTest::newRow("vertical") << int(gkLinearVertical) << QStringLiteral("DrawGradientEx");
    QTest::newRow("horizontal") << int(gkLinearHorizontal) << QStringLiteral("DrawGradientEx");
}

void TestFramePrimitives::zeroExtentDrawsNothingAndReports() {
    QFETCH(int, kind);
    QFETCH(QString, procedure);
    RecordingHook hook;
    BlankSurface image(10, 10);
    FrameCanvas canvas(&image.surface);
    // A zero height for the vertical kind, a zero width for the horizontal one.
    canvas.DrawGradientInRectangle(RGB(0, 0, 0), RGB(9, 9, 9), {0, 0, 0, 0}, kind, false, 0, 0);
    QCOMPARE(countColour(image, Blank), 100);
    QCOMPARE(hook.reports.size(), 1);
    QCOMPARE(hook.reports.first().procedure, procedure);
    QCOMPARE(hook.reports.first().source, QStringLiteral("ruZuvoz"));
    QCOMPARE(hook.reports.first().number, errors::DivisionByZero);
}

// Between its top and bottom bands a surface keeps one row: a pixel set there is set, and
// marked for repainting, in every middle row; the bands' rows stay their own.
void TestFramePrimitives::middleRowStandsForEveryMiddleRow() {
    FrameSurface surface;
    surface.reset(QSize(10, 20), 5, 3);
    surface.fill(qRgb(1, 2, 3));
    FrameCanvas canvas(&surface);
    const OleColor red = RGB(255, 0, 0);
    canvas.SetPixel(2, 5, red); // the first middle row
    QCOMPARE(canvas.takeDirtyRect(), QRect(2, 5, 1, 12));
    canvas.SetPixel(2, 16, red); // the last
    QCOMPARE(canvas.takeDirtyRect(), QRect(2, 5, 1, 12));
    canvas.SetPixel(3, 1, red);
    canvas.SetPixel(4, 18, red);
    QCOMPARE(canvas.takeDirtyRect(), QRect(3, 1, 2, 18));
    const QImage image = surface.toImage();
    QCOMPARE(countColour(image, red), 12 + 2);
    for (int y = 5; y < 17; ++y)
        QCOMPARE(pixel(image, 2, y), red);
    QCOMPARE(pixel(image, 2, 4), Blank);
    QCOMPARE(pixel(image, 2, 17), Blank);
    QCOMPARE(pixel(image, 3, 1), red);
    QCOMPARE(pixel(image, 4, 18), red);

    // Too short for a middle: every row is its own.
    surface.reset(QSize(4, 6), 5, 3);
    surface.fill(qRgb(1, 2, 3));
    canvas.SetPixel(1, 5, red);
    QCOMPARE(canvas.takeDirtyRect(), QRect(1, 5, 1, 1));
    QCOMPARE(countColour(surface.toImage(), red), 1);
}

// Painting a surface, whole or in part, puts on the screen exactly what was drawn on it.
void TestFramePrimitives::surfacePaintsWhatWasDrawn() {
    FrameSurface surface;
    surface.reset(QSize(31, 47), 9, 4);
    surface.fill(qRgb(1, 2, 3));
    FrameCanvas canvas(&surface);
    canvas.DrawGradientInRectangle(RGB(0, 0, 128), RGB(200, 220, 255), {-1, -1, 33, 8},
                                   gkCylinderVertical, false, 0, 2.5);
    canvas.ApiRectangle(0, 7, 30, 39, RGB(0, 90, 0));
    canvas.ApiRectangle(2, 7, 26, 37, RGB(90, 0, 0));
    const QImage drawn = surface.toImage();
    for (const QRect area : {surface.rect(), QRect(3, 2, 20, 40), QRect(0, 10, 31, 30)}) {
        QImage screen(surface.rect().size(), QImage::Format_RGB32);
        screen.fill(Qt::white);
        {
            QPainter painter(&screen);
            surface.paint(painter, area);
        }
        QCOMPARE(screen.copy(area), drawn.copy(area));
    }
}

QTEST_APPLESS_MAIN(TestFramePrimitives)
#include "tst_frame_primitives.moc"
