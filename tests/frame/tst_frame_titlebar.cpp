// The title bar in its four styles, the caption-button layout, glyphs, hit test and trimming.
#include "core/twips.h"
#include "frame/ruzuvoz.h"
#include "framehelpers.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QTest>

#include <memory>

using namespace frame;
using namespace frametest;
using namespace Qt::Literals::StringLiterals;

namespace {
struct Window {
    QWidget host;
    ruZuvoz *frame;
    explicit Window(const QVariantMap &settings = {}, QSize size = {300, 200}) {
        host.setWindowFlag(Qt::FramelessWindowHint);
        host.resize(size);
        frame = new ruZuvoz(&host);
        frame->Load(PropertyStore::fromVariantMap(settings));
    }
    OleColor at(int x, int y) const { return pixel(frame->image(), x, y); }
    QList<QAction *> menu() const { return frame->findChild<QMenu *>(u"SysMnu"_s)->actions(); }
};

// The glyph table drawn out: '#' is a glyph pixel at that offset from the button's corner.
const QStringList CloseGlyph{
    u".................."_s, u".................."_s, u".................."_s,
    u".................."_s, u".................."_s, u".....##.....##...."_s,
    u".....###...###...."_s, u"......###.###....."_s, u".......#####......"_s,
    u"........###......."_s, u".......#####......"_s, u"......###.###....."_s,
    u".....###...###...."_s, u".....##.....##...."_s, u".................."_s,
    u".................."_s, u".................."_s, u".................."_s};
const QStringList MaximiseGlyph{
    u".................."_s, u".................."_s, u".................."_s,
    u".................."_s, u".................."_s, u"....###########..."_s,
    u"....###########..."_s, u"....#.........#..."_s, u"....#.........#..."_s,
    u"....#.........#..."_s, u"....#.........#..."_s, u"....#.........#..."_s,
    u"....#.........#..."_s, u"....#.........#..."_s, u"....###########..."_s,
    u".................."_s, u".................."_s, u".................."_s};
const QStringList MinimiseGlyph{
    u".................."_s, u".................."_s, u".................."_s,
    u".................."_s, u".................."_s, u".................."_s,
    u".................."_s, u".................."_s, u".................."_s,
    u".................."_s, u".................."_s, u".....#########...."_s,
    u".....#########...."_s, u".....#########...."_s, u".................."_s,
    u".................."_s, u".................."_s, u".................."_s};
} // namespace

class TestFrameTitleBar : public QObject {
    Q_OBJECT

private slots:
    void init() { m_scope = std::make_unique<ScopedPlatformFacts>(&m_facts); }
    void cleanup() { m_scope.reset(); }

    void titleBarInEachStyle_data();
    void titleBarInEachStyle();
    void gripDotsOnlyInGripBarStyle();
    void buttonLayout_data();
    void buttonLayout();
    void titleHeightFollowsFontAndIcon();
    void trimWord_data();
    void trimWord();
    void captionDrawnInLightColour();
    void hitTestHasStrictEdges_data();
    void hitTestHasStrictEdges();
    void hotGlyphs_data();
    void hotGlyphs();
    void normalGlyphColourByStyle_data();
    void normalGlyphColourByStyle();
    void hoverRepaintsOnlyTheButtonStrip();
    void allButtonsHiddenDrawsNoGlyph();
    void iconKeepsPersistentBackground();
    void menuCaptionsAndVisibility();

private:
    ScriptedFacts m_facts;
    std::unique_ptr<ScopedPlatformFacts> m_scope;
};

void TestFrameTitleBar::titleBarInEachStyle_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("extra");
    QTest::newRow("cylinder") << int(stCylinder) << 0;
    QTest::newRow("grip bar") << int(stGripBar) << 10;
    QTest::newRow("solid") << int(stSolid) << 0;
    QTest::newRow("linear") << int(stLinear) << 0;
}

void TestFrameTitleBar::titleBarInEachStyle() {
    QFETCH(int, style);
    QFETCH(int, extra);
    Window w({{u"themecolor"_s, 0}, {u"style"_s, style}});
    const int sw = 300, sh = 200, ch = w.frame->CaptionHeight();
    QCOMPARE(ch, w.frame->TitleBarHeight() + extra);
    const OleColor dark = w.frame->ColorDark(), half = MixColors(dark, 0);
    // The separator under the title: dark at both ends, half-tone between.
    for (int x : {0, 4, sw - 5, sw - 1})
        QCOMPARE(w.at(x, ch), dark);
    for (int x : {5, 150, sw - 6})
        QCOMPARE(w.at(x, ch), half);
    // The body border: two dark outlines and a half-tone one, reaching the right and bottom.
    const int mid = (ch + sh) / 2;
    QCOMPARE(w.at(0, mid), dark);
    QCOMPARE(w.at(1, mid), dark);
    QCOMPARE(w.at(2, mid), half);
    QCOMPARE(w.at(sw - 1, mid), dark);
    QCOMPARE(w.at(sw - 2, mid), dark);
    QCOMPARE(w.at(sw - 3, mid), half);
    QCOMPARE(w.at(150, sh - 1), dark);
    QCOMPARE(w.at(150, sh - 2), dark);
    QCOMPARE(w.at(150, sh - 3), half);
    QCOMPARE(w.at(3, mid), m_facts.buttonFace);
    // Rounded inner corners.
    QCOMPARE(w.at(2, ch + 1), dark);
    QCOMPARE(w.at(3, ch + 1), dark);
    QCOMPARE(w.at(4, ch + 1), half);
    QCOMPARE(w.at(3, ch + 2), half);
    QCOMPARE(w.at(sw - 3, ch + 1), dark);
    QCOMPARE(w.at(sw - 4, ch + 2), half);
    // The shadow under the title fades into the back colour.
    const OleColor back = m_facts.buttonFace, shade = MixColors(back, 0);
    const auto firstStep = [](int from, int to) {
        return core::roundHalfEven(from + (to - from) / 8.0);
    };
    QCOMPARE(w.at(150, ch + 1),
             RGB(firstStep(redOf(shade), redOf(back)), firstStep(greenOf(shade), greenOf(back)),
                 firstStep(blueOf(shade), blueOf(back))));
    QVERIFY(redOf(w.at(150, ch + 1)) < redOf(w.at(150, ch + 7)));
    QCOMPARE(w.at(150, ch + 8), m_facts.buttonFace);
    // Buttons centred on the title.
    QCOMPARE(w.frame->BtnTop(), core::roundHalfEven((ch - 18) / 2.0));
    QCOMPARE(w.frame->captionButton(0).Top, w.frame->BtnTop() + 2);
}

void TestFrameTitleBar::gripDotsOnlyInGripBarStyle() {
    for (int style : {int(stCylinder), int(stGripBar), int(stSolid), int(stLinear)}) {
        Window w({{u"themecolor"_s, 4}, {u"style"_s, style}});
        const int x0 = (300 - 34) / 2;
        // Half-tone dots over light shadows.
        const bool dots = w.at(x0, 2) == MixColors(w.frame->ColorDark(), 0) &&
                          w.at(x0 + 2, 4) == w.frame->ColorLight();
        QCOMPARE(dots, style == stGripBar);
    }
}

void TestFrameTitleBar::buttonLayout_data() {
    QTest::addColumn<bool>("close");
    QTest::addColumn<bool>("max");
    QTest::addColumn<bool>("min");
    QTest::addColumn<QList<int>>("lefts"); // of buttons 0, 1, 2; -1 when hidden
    QTest::addColumn<int>("lastBtn");
    // SW = 300: the slots from the right start at 276, 255 and 234.
    QTest::newRow("all") << true << true << true << QList<int>{276, 255, 234} << 2;
    QTest::newRow("no maximise") << true << false << true << QList<int>{276, -1, 255} << 2;
    QTest::newRow("no minimise") << true << true << false << QList<int>{276, 255, -1} << 1;
    QTest::newRow("close only") << true << false << false << QList<int>{276, -1, -1} << 0;
    QTest::newRow("no close") << false << true << true << QList<int>{-1, 276, 255} << 2;
    QTest::newRow("maximise only") << false << true << false << QList<int>{-1, 276, -1} << 1;
    QTest::newRow("minimise only") << false << false << true << QList<int>{-1, -1, 276} << 2;
}

void TestFrameTitleBar::buttonLayout() {
    QFETCH(bool, close);
    QFETCH(bool, max);
    QFETCH(bool, min);
    QFETCH(QList<int>, lefts);
    QFETCH(int, lastBtn);
    Window w({{u"closebutton"_s, close}, {u"maxbutton"_s, max}, {u"minbutton"_s, min}});
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(w.frame->captionButton(i).Visible, lefts.at(i) != -1);
        if (lefts.at(i) != -1) {
            QCOMPARE(w.frame->captionButton(i).Left, lefts.at(i));
            QCOMPARE(w.frame->captionButton(i).Width, 18);
            QCOMPARE(w.frame->captionButton(i).Height, 18);
        }
    }
    QCOMPARE(int(w.frame->LastBtn()), lastBtn);
    QCOMPARE(w.menu().at(2)->isVisible(), max);
    QCOMPARE(w.menu().at(1)->isVisible(), min);
    QCOMPARE(w.menu().at(4)->isEnabled(), close);
}

void TestFrameTitleBar::titleHeightFollowsFontAndIcon() {
    Window small;
    QFont font = small.host.font();
    font.setBold(true);
    const int fromFont = QFontMetrics(font).height() + 10;
    QCOMPARE(small.frame->TitleBarHeight(), std::max(fromFont, 16 + 15));
    Window big({{u"iconsize"_s, 40}});
    QCOMPARE(big.frame->TitleBarHeight(), std::max(fromFont, 55));
    Window grip({{u"iconsize"_s, 40}, {u"style"_s, 1}});
    QCOMPARE(grip.frame->CaptionHeight(), grip.frame->TitleBarHeight() + 10);
}

void TestFrameTitleBar::trimWord_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fitting"); // the text whose width is the limit
    QTest::addColumn<int>("slack");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fits exactly") << u"安全驾驶"_s << u"安全驾驶"_s << 0 << u"安全驾驶"_s;
    QTest::newRow("one pixel short") << u"ABCDEF"_s << u"ABCDEF"_s << -1 << u"ABCD..."_s;
    QTest::newRow("needs the ellipsis") << u"ABCDEF"_s << u"AB..."_s << 0 << u"AB..."_s;
    QTest::newRow("nothing fits") << u"ABCDEF"_s << u"..."_s << 0 << QString();
    QTest::newRow("empty") << QString() << QString() << 0 << QString();
}

void TestFrameTitleBar::trimWord() {
    QFETCH(QString, text);
    QFETCH(QString, fitting);
    QFETCH(int, slack);
    QFETCH(QString, expected);
    Window w;
    QFont font = w.host.font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    int limit = metrics.horizontalAdvance(fitting) + slack;
    if (expected == u"ABCD..."_s) // one pixel short of the whole text: the most that fits
        QVERIFY(metrics.horizontalAdvance(u"ABCD..."_s) <= limit &&
                metrics.horizontalAdvance(u"ABCDE..."_s) > limit);
    QCOMPARE(w.frame->TrimWord(text, limit), expected);
}

void TestFrameTitleBar::captionDrawnInLightColour() {
    Window with({{u"themecolor"_s, 0}, {u"style"_s, 2}});
    with.host.setWindowTitle(u"HHHHHHHH"_s);
    Window without({{u"themecolor"_s, 0}, {u"style"_s, 2}});
    with.frame->Load(PropertyStore::fromVariantMap({{u"themecolor"_s, 0}, {u"style"_s, 2}}));
    const auto lightPixels = [](const Window &w) {
        const QImage title = w.frame->image().copy(9, 10, 150, w.frame->CaptionHeight() - 12);
        return countColour(title, w.frame->ColorLight());
    };
    QVERIFY(lightPixels(with) > 20);
    QCOMPARE(lightPixels(without), 0);
    // A tag text replaces the caption at the next repaint.
    with.host.setProperty("Tag", u"Tag"_s);
    with.frame->Refresh();
    QCOMPARE(with.frame->Caption(), u"Tag"_s);
}

void TestFrameTitleBar::hitTestHasStrictEdges_data() {
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("hit");
    QTest::newRow("left edge") << 0 << 5 << -1;
    QTest::newRow("inside left") << 1 << 5 << 0;
    QTest::newRow("inside right") << 17 << 5 << 0;
    QTest::newRow("right edge") << 18 << 5 << -1;
    QTest::newRow("top edge") << 5 << 0 << -1;
    QTest::newRow("inside top") << 5 << 1 << 0;
    QTest::newRow("inside bottom") << 5 << 17 << 0;
    QTest::newRow("bottom edge") << 5 << 18 << -1;
    QTest::newRow("gap to the next button") << -2 << 5 << -1;
    QTest::newRow("next button") << -4 << 5 << 1;
}

void TestFrameTitleBar::hitTestHasStrictEdges() {
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(int, hit);
    Window w;
    const CaptionBtn &close = w.frame->captionButton(0);
    QCOMPARE(int(w.frame->HitCaptionBtn(qint16(close.Left + dx), qint16(close.Top + dy))), hit);
}

void TestFrameTitleBar::hotGlyphs_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("glyph");
    QTest::newRow("close") << 0 << CloseGlyph;
    QTest::newRow("maximise") << 1 << MaximiseGlyph;
    QTest::newRow("minimise") << 2 << MinimiseGlyph;
}

void TestFrameTitleBar::hotGlyphs() {
    QFETCH(int, index);
    QFETCH(QStringList, glyph);
    for (int style : {int(stCylinder), int(stSolid)}) {
        Window w({{u"themecolor"_s, 2}, {u"style"_s, style}});
        w.frame->DrawCaptionBtns(true, w.frame->ColorDark(), qint16(index));
        const CaptionBtn &button = w.frame->captionButton(index);
        QCOMPARE(button.State, -1);
        // Inside the dark outline of the white bulge, dark pixels are exactly the glyph's.
        for (int y = 1; y < 18; ++y)
            for (int x = 1; x < 18; ++x)
                QCOMPARE(w.at(button.Left + x, button.Top + y) == w.frame->ColorDark(),
                         glyph.at(y).at(x) == u'#');
        QCOMPARE(w.at(button.Left, button.Top), w.frame->ColorDark());
        QCOMPARE(w.frame->toolTip(), button.ToolTip);
    }
}

void TestFrameTitleBar::normalGlyphColourByStyle_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("light");
    QTest::newRow("cylinder") << int(stCylinder) << false;
    QTest::newRow("grip bar") << int(stGripBar) << false;
    QTest::newRow("solid") << int(stSolid) << true;
    QTest::newRow("linear") << int(stLinear) << false;
}

void TestFrameTitleBar::normalGlyphColourByStyle() {
    QFETCH(int, style);
    QFETCH(bool, light);
    Window w({{u"themecolor"_s, 1}, {u"style"_s, style}});
    const CaptionBtn &min = w.frame->captionButton(2);
    const OleColor expected = light ? w.frame->ColorLight() : w.frame->ColorDark();
    for (int x = 5; x < 14; ++x)
        QCOMPARE(w.at(min.Left + x, min.Top + 12), expected);
    QCOMPARE(min.State, 0);
}

void TestFrameTitleBar::hoverRepaintsOnlyTheButtonStrip() {
    Window w({{u"themecolor"_s, 0}, {u"style"_s, 3}});
    const QImage before = w.frame->image();
    const CaptionBtn &max = w.frame->captionButton(1);
    w.frame->DrawCaptionBtns(true, w.frame->ColorDark(), 1);
    QVERIFY(w.frame->lastPaintedRect().width() <= 20);
    QVERIFY(w.frame->lastPaintedRect().left() >= max.Left - 1);
    QCOMPARE(w.frame->toolTip(), u"最大化"_s);
    w.frame->DrawCaptionBtns(false, w.frame->ColorDark(), 1);
    QVERIFY(w.frame->lastPaintedRect().width() <= 20);
    QCOMPARE(w.frame->toolTip(), QString());
    // Drawn normal again, the strip is as it was.
    QCOMPARE(w.frame->image(), before);
}

void TestFrameTitleBar::allButtonsHiddenDrawsNoGlyph() {
    Window w({{u"themecolor"_s, 0},
              {u"style"_s, 2},
              {u"closebutton"_s, false},
              {u"maxbutton"_s, false},
              {u"minbutton"_s, false}});
    const QImage title = w.frame->image().copy(200, 0, 100, w.frame->CaptionHeight());
    QCOMPARE(countColour(title, w.frame->ColorLight()), 0);
}

void TestFrameTitleBar::iconKeepsPersistentBackground() {
    Window w({{u"themecolor"_s, 0}, {u"style"_s, 3}});
    QPixmap red(16, 16);
    red.fill(Qt::red);
    w.host.setWindowIcon(QIcon(red));
    w.frame->Refresh();
    QCOMPARE(w.frame->RepaintLeft(), 299);
    const int top = core::roundHalfEven((w.frame->CaptionHeight() - 16) / 2.0 + 2);
    QCOMPARE(w.at(9, top), RGB(255, 0, 0));
    QCOMPARE(w.at(24, top + 15), RGB(255, 0, 0));
    // A repaint after a resize keeps the icon painted into the persistent picture.
    w.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.host));
    w.host.resize(320, 220);
    QCOMPARE(w.frame->width(), 320);
    QCOMPARE(w.at(9, top), RGB(255, 0, 0));
    QCOMPARE(w.at(319, 100), w.frame->ColorDark());
}

void TestFrameTitleBar::menuCaptionsAndVisibility() {
    Window w;
    const auto items = w.menu();
    QCOMPARE(items.size(), 7);
    QCOMPARE(items.at(0)->text(), u"还原"_s);
    QCOMPARE(items.at(1)->text(), u"最小化"_s);
    QCOMPARE(items.at(2)->text(), u"最大化"_s);
    QVERIFY(items.at(3)->isSeparator());
    QCOMPARE(items.at(4)->text(), u"关闭            Alt+F4"_s);
    QVERIFY(items.at(5)->isSeparator());
    QCOMPARE(items.at(6)->text(), u"窗体置顶"_s);
    QVERIFY(items.at(6)->isCheckable() && !items.at(6)->isChecked());
    QCOMPARE(w.frame->findChild<QMenu *>(u"SysMnu"_s)->defaultAction(), items.at(4));
    QCOMPARE(w.frame->captionButton(0).ToolTip, u"关闭"_s);
    QCOMPARE(w.frame->captionButton(2).ToolTip, u"最小化"_s);
}

QTEST_MAIN(TestFrameTitleBar)
#include "tst_frame_titlebar.moc"
