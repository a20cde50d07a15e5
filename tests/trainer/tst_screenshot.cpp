// The question page as the learner sees it: text, options and picture really drawn.
#include "trainerharness.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTextLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

// Pixels of area in shot that are clearly darker than the page behind the text.
int inkPixels(const QImage &shot, const QRect &area) {
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += qGray(shot.pixel(x, y)) < 128;
    return ink;
}

// Whether every character of text has a real glyph in font (a missing CJK font shows boxes).
bool allGlyphsPresent(const QString &text, const QFont &font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns())
        for (quint32 index : run.glyphIndexes())
            if (index == 0)
                return false;
    return true;
}

} // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void questionWithPicture() {
        fixture::Question q = fixture::choice(1, 1, u"2"_s);
        q.question = u"驾驶机动车在道路上行驶，遇到这个标志应当怎样做？"_s;
        q.ans1 = u"加速通过"_s;
        q.ans2 = u"减速慢行"_s;
        q.ans3 = u"鸣喇叭"_s;
        q.ans4 = u"停车观察"_s;
        q.bmp = u"\\sign.png"_s;
        TrainerHarness h({}, {q});
        QDir(h.folder()).mkpath(u"anquanimages"_s);
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(QColor(200, 30, 30));
        QVERIFY(picture.save(h.folder() + u"/anquanimages/sign.png"_s));
        h.click(u"imgNav(0)"_s);

        const QImage shot = h.form().grab().toImage();
        const auto areaOf = [&](const QString &name) {
            QWidget *w = h.get(name);
            return QRect(w->mapTo(&h.form(), QPoint(0, 0)), w->size());
        };
        QVERIFY(inkPixels(shot, areaOf(u"lblTitle"_s)) > 200);
        QVERIFY(inkPixels(shot, areaOf(u"lblAnswer"_s)) > 400);
        // The picture stands centred in its area.
        const QRect pictureArea = areaOf(u"imgTitlePic"_s);
        QCOMPARE(pictureArea.size(), QSize(300, 200));
        QCOMPARE(QColor(shot.pixel(pictureArea.center())), QColor(200, 30, 30));
        const QRect frame = areaOf(u"FrameBack"_s);
        QVERIFY(qAbs((pictureArea.left() - frame.left()) - (frame.right() - pictureArea.right())) <=
                1);

        QVERIFY(allGlyphsPresent(h.text(u"lblTitle"_s), h.get(u"lblTitle"_s)->font()));
        QVERIFY(allGlyphsPresent(h.text(u"lblAnswer"_s), h.get(u"lblAnswer"_s)->font()));
        QVERIFY(allGlyphsPresent(h.text(u"lbl(2)"_s), h.get(u"lbl(2)"_s)->font()));
    }
};

QTEST_MAIN(ScreenshotTest)
#include "tst_screenshot.moc"
