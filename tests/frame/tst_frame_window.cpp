// The frame driving its host: hover, title drag, grips, window states, closing, layout.
#include "tests/support/keyrecorder.h"
#include "windowfixture.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>

using namespace frame;
using namespace frametest;
using namespace Qt::Literals::StringLiterals;

namespace {
// Window services whose platform move either is refused or takes over the mouse.
class ScriptedServices : public WindowServices {
public:
    explicit ScriptedServices(bool platformMoves) : m_platformMoves(platformMoves) {}
    int systemMoves = 0;

protected:
    bool startSystemMove(QWidget *) override {
        ++systemMoves;
        return m_platformMoves;
    }

private:
    bool m_platformMoves;
};

void sendLeave(QWidget *widget) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
}

} // namespace

class TestFrameWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { m_scope = std::make_unique<ScopedPlatformFacts>(&m_facts); }
    void cleanup() {
        m_scope.reset();
        m_facts = ScriptedFacts();
    }

    void hoverLightsOneButtonAndLeavingRepaintsAllNormal();
    void leavingIsReportedOncePerEntry();
    void titleDragMovesTheHost_data();
    void titleDragMovesTheHost();
    void dragStartsOnlyOnTheTitle_data();
    void dragStartsOnlyOnTheTitle();
    void gripsStopAtTheMinimumSize_data();
    void gripsStopAtTheMinimumSize();
    void fixedBorderNeverResizes();
    void maximisedFrameIsInert();
    void buttonLightsAgainAfterTheStateChange();
    void platformMoveStartsAgainOnTheNextPress();
    void maximiseThenRestoreReturnsToTheLastMouseMove();
    void platformMaximisedHostStaysWhereItIs();
    void doubleClickTogglesOnlyWithMaximiseButton_data();
    void doubleClickTogglesOnlyWithMaximiseButton();
    void altF4ClosesOnlyWithCloseButton_data();
    void altF4ClosesOnlyWithCloseButton();
    void keysGoOnToTheHost();
    void closeButtonRaisesThenCloses();
    void minimiseButton();
    void unmovableHostStillHasButtons();
    void frameFollowsTheHost();
    void withoutTrackingNothingIsRouted();
    void contentsSitUnderTheTitle();
    void paintedFrameIsItsDrawing();
    void storedSettingsDrawTheSameWhenShown_data();
    void storedSettingsDrawTheSameWhenShown();
    void gripBarStyleMovesContents();
    void topOffset_data();
    void topOffset();

private:
    ScriptedFacts m_facts;
    std::unique_ptr<ScopedPlatformFacts> m_scope;
};

// What a shown frame paints, title, border and body, is its drawing, pixel for pixel.
void TestFrameWindow::paintedFrameIsItsDrawing() {
    for (const int style : {1, 3}) {
        FramedWindow w({{u"style"_s, style}, {u"themecolor"_s, 2}}, QSize(333, 251));
        QVERIFY(w.show());
        QImage painted(w.frame->size(), QImage::Format_RGB32);
        w.frame->render(&painted, QPoint(), QRegion(), QWidget::RenderFlags()); // not its children
        QCOMPARE(painted, w.frame->image());
    }
}

void TestFrameWindow::hoverLightsOneButtonAndLeavingRepaintsAllNormal() {
    FramedWindow w({{u"style"_s, 3}, {u"themecolor"_s, 0}});
    QVERIFY(w.show());
    hover(w.frame, QPoint(200, 150));
    const QImage normal = w.frame->image();
    hover(w.frame, w.buttonCentre(1));
    QCOMPARE(w.frame->HotBtn(), qint16(1));
    QCOMPARE(w.frame->captionButton(1).State, -1);
    QCOMPARE(w.frame->MousePointer(), int(mpCustom));
    QCOMPARE(w.frame->cursor().hotSpot(), QPoint(12, 1));
    QCOMPARE(w.frame->cursor().pixmap().size(), QSize(32, 32));
    QVERIFY(w.frame->image() != normal);
    hover(w.frame, w.buttonCentre(0));
    QCOMPARE(w.frame->HotBtn(), qint16(0));
    QCOMPARE(w.frame->captionButton(1).State, 0);
    QCOMPARE(w.frame->captionButton(0).State, -1);
    QVERIFY(w.frame->lastPaintedRect().width() <= 20);
    sendLeave(w.frame);
    QCOMPARE(w.frame->HotBtn(), qint16(-1));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(w.frame->captionButton(i).State, 0);
    QCOMPARE(w.frame->MousePointer(), int(mpDefault));
    QCOMPARE(w.frame->image(), normal);
    // Back onto the same button: lit again at the next move.
    hover(w.frame, w.buttonCentre(0));
    QCOMPARE(w.frame->HotBtn(), qint16(0));
}

void TestFrameWindow::leavingIsReportedOncePerEntry() {
    FramedWindow w;
    QVERIFY(w.show());
    hover(w.frame, w.buttonCentre(2));
    sendLeave(w.frame);
    QCOMPARE(w.frame->HotBtn(), qint16(-1));
    // Lit without a mouse move through the frame's own window, no leave was asked for.
    w.frame->DrawCaptionBtns(true, w.frame->ColorDark(), 2);
    sendLeave(w.frame);
    QCOMPARE(w.frame->captionButton(2).State, -1);
}

void TestFrameWindow::titleDragMovesTheHost_data() {
    QTest::addColumn<bool>("platformMoves");
    QTest::newRow("platform refuses: the frame moves the host") << false;
    QTest::newRow("platform moves the host") << true;
}

void TestFrameWindow::titleDragMovesTheHost() {
    QFETCH(bool, platformMoves);
    FramedWindow w;
    auto services = std::make_unique<ScriptedServices>(platformMoves);
    ScriptedServices *scripted = services.get();
    w.frame->setWindowServices(std::move(services));
    QVERIFY(w.show());
    const QPoint start = w.host->pos();
    hover(w.frame, QPoint(60, 10));
    QTest::mousePress(w.frame, Qt::LeftButton, {}, QPoint(60, 10));
    QCOMPARE(scripted->systemMoves, 0); // the press alone starts nothing
    QTest::mouseMove(w.frame, QPoint(90, 20));
    QCOMPARE(scripted->systemMoves, 1);
    QCOMPARE(w.host->pos(), platformMoves ? start : start + QPoint(30, 10));
    // The host followed the mouse, which stays over the same point of the title.
    QTest::mouseMove(w.frame, QPoint(90, 20));
    QCOMPARE(scripted->systemMoves, 1);
    QCOMPARE(w.host->pos(), platformMoves ? start : start + QPoint(60, 20));
    QTest::mouseRelease(w.frame, Qt::LeftButton, {}, QPoint(90, 20));
    QCOMPARE(w.frame->normalRect().Left, w.host->x() * 15);
}

void TestFrameWindow::dragStartsOnlyOnTheTitle_data() {
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<bool>("unmovable");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<bool>("drags");
    // 400 pixels wide: the buttons' Left are 376, 355 and 334, their Top 2 below BtnTop.
    QTest::newRow("on the title") << QVariantMap() << false << QPoint(60, 10) << true;
    QTest::newRow("over the caption-button area")
        << QVariantMap() << false << QPoint(335, 1) << false;
    QTest::newRow("right of the buttons") << QVariantMap() << false << QPoint(396, 5) << false;
    QTest::newRow("minimise hidden: the area starts further right")
        << QVariantMap{{u"minbutton"_s, false}} << false << QPoint(335, 1) << true;
    QTest::newRow("host not moveable") << QVariantMap() << true << QPoint(60, 10) << false;
    QTest::newRow("below the title") << QVariantMap() << false << QPoint(60, 100) << false;
}

void TestFrameWindow::dragStartsOnlyOnTheTitle() {
    QFETCH(QVariantMap, settings);
    QFETCH(bool, unmovable);
    QFETCH(QPoint, press);
    QFETCH(bool, drags);
    FramedWindow w(settings);
    if (unmovable) {
        w.host->setProperty("Moveable", false);
        w.frame->Load(PropertyStore::fromVariantMap(settings));
    }
    QVERIFY(w.show());
    const QPoint start = w.host->pos();
    // The mouse leaves the button area to the left while held.
    w.drag(w.frame, press, press - QPoint(60, -2));
    QCOMPARE(w.host->pos() != start, drags);
}

void TestFrameWindow::gripsStopAtTheMinimumSize_data() {
    QTest::addColumn<QString>("gripName");
    QTest::addColumn<QPoint>("over"); // in grip coordinates; -1: 3 pixels before the grip's end
    QTest::addColumn<int>("pointer");
    QTest::addColumn<QPoint>("moveBy");
    QTest::addColumn<bool>("stops");
    QTest::newRow("right grip, far left")
        << u"m_picRight"_s << QPoint(1, 10) << 9 << QPoint(-1000, 0) << true;
    QTest::newRow("right grip, wider")
        << u"m_picRight"_s << QPoint(1, 10) << 9 << QPoint(50, 0) << false;
    QTest::newRow("bottom grip, far up")
        << u"m_picBottom"_s << QPoint(10, 1) << 7 << QPoint(0, -1000) << true;
    QTest::newRow("bottom grip, lower")
        << u"m_picBottom"_s << QPoint(10, 1) << 7 << QPoint(0, 40) << false;
    QTest::newRow("bottom grip's right end: corner")
        << u"m_picBottom"_s << QPoint(-1, 1) << 8 << QPoint(-1000, -1000) << true;
    QTest::newRow("right grip's lower end: corner")
        << u"m_picRight"_s << QPoint(1, -1) << 8 << QPoint(20, 30) << false;
}

void TestFrameWindow::gripsStopAtTheMinimumSize() {
    QFETCH(QString, gripName);
    QFETCH(QPoint, over);
    QFETCH(int, pointer);
    QFETCH(QPoint, moveBy);
    QFETCH(bool, stops);
    FramedWindow w;
    QVERIFY(w.show());
    const QSize before = w.host->size();
    hover(w.frame, QPoint(200, 150)); // the grips are made on the first move
    ResizeGrip *grip = w.grip(gripName.toLatin1().constData());
    QVERIFY(grip && grip->isVisible());
    if (over.x() == -1)
        over.setX(grip->width() - 3);
    if (over.y() == -1)
        over.setY(grip->height() - 3);
    hover(grip, over);
    QCOMPARE(grip->MousePointer(), pointer);
    QTest::mousePress(grip, Qt::LeftButton, {}, over);
    QCOMPARE(int(w.frame->ResizeMode()), pointer);
    const QPoint gripAt = grip->pos();
    QTest::mouseMove(grip, over + moveBy);
    // The moved edge sits 5 pixels beyond the mouse, never short of 135 x (title + 20).
    const QPoint mouse = gripAt + over + moveBy;
    const bool widthChanges = pointer != 7, heightChanges = pointer != 9;
    const QSize expected(widthChanges ? std::max(mouse.x(), 130) + 5 : before.width(),
                         heightChanges ? std::max(mouse.y(), w.ch() + 15) + 5 : before.height());
    if (stops)
        QVERIFY(expected.width() == 135 || expected.height() == w.ch() + 20);
    QCOMPARE(w.host->size(), expected);
    QCOMPARE(w.frame->size(), expected);
    if (stops)
        QCOMPARE(grip->MousePointer(), int(mpDefault));
    QTest::mouseRelease(grip, Qt::LeftButton, {}, over + moveBy);
    QCOMPARE(int(w.frame->ResizeMode()), 0);
    // The grips follow the new edges.
    QCOMPARE(w.grip("m_picRight")->geometry(),
             QRect(expected.width() - 4, w.ch() + 9, 3, expected.height() - w.ch() - 10));
    QCOMPARE(w.grip("m_picBottom")->geometry(),
             QRect(4, expected.height() - 4, expected.width() - 8, 3));
}

void TestFrameWindow::fixedBorderNeverResizes() {
    FramedWindow w({{u"borderstyle"_s, 0}});
    QVERIFY(w.show());
    hover(w.frame, QPoint(200, 150));
    ResizeGrip *grip = w.grip("m_picRight");
    w.drag(grip, QPoint(1, 10), QPoint(-100, 10));
    QCOMPARE(grip->MousePointer(), int(mpDefault));
    QCOMPARE(w.host->width(), 400);
}

void TestFrameWindow::maximisedFrameIsInert() {
    FramedWindow w;
    QVERIFY(w.show());
    w.click(w.buttonCentre(1));
    QCOMPARE(w.frame->WindowState(), qint16(2));
    const QRect work = w.host->screen()->availableGeometry();
    QCOMPARE(w.host->geometry(), work);
    QCOMPARE(w.frame->geometry(), QRect(QPoint(0, 0), work.size()));
    // The title does not drag.
    w.drag(w.frame, QPoint(60, 10), QPoint(100, 40));
    QCOMPARE(w.host->geometry(), work);
    // The grips show the default pointer and pressing them starts nothing.
    ResizeGrip *grip = w.grip("m_picRight");
    QVERIFY(grip->isVisible());
    w.drag(grip, QPoint(1, 10), QPoint(-200, 10));
    QCOMPARE(grip->MousePointer(), int(mpDefault));
    QCOMPARE(int(w.frame->ResizeMode()), 0);
    QCOMPARE(w.host->geometry(), work);
    // Hovering still lights the buttons.
    hover(w.frame, w.buttonCentre(2));
    QCOMPARE(w.frame->HotBtn(), qint16(2));
}

void TestFrameWindow::buttonLightsAgainAfterTheStateChange() {
    FramedWindow w;
    QVERIFY(w.show());
    w.click(w.buttonCentre(1));
    QTRY_COMPARE(w.frame->size(), w.host->screen()->availableGeometry().size());
    // The repaint drew every button normal; the mouse, still over the button, lights it.
    hover(w.frame, w.buttonCentre(1));
    QCOMPARE(w.frame->HotBtn(), qint16(1));
    QCOMPARE(w.frame->captionButton(1).State, -1);
    QCOMPARE(w.frame->toolTip(), u"还原"_s);
}

void TestFrameWindow::platformMoveStartsAgainOnTheNextPress() {
    FramedWindow w;
    auto services = std::make_unique<ScriptedServices>(true);
    ScriptedServices *scripted = services.get();
    w.frame->setWindowServices(std::move(services));
    QVERIFY(w.show());
    // The platform's move swallows the release: the next press starts a new move.
    for (int drag = 1; drag <= 2; ++drag) {
        QTest::mousePress(w.frame, Qt::LeftButton, {}, QPoint(60, 10));
        QTest::mouseMove(w.frame, QPoint(70, 12));
        QCOMPARE(scripted->systemMoves, drag);
    }
    QTest::mouseRelease(w.frame, Qt::LeftButton, {}, QPoint(70, 12));
}

void TestFrameWindow::maximiseThenRestoreReturnsToTheLastMouseMove() {
    FramedWindow w;
    QVERIFY(w.show());
    hover(w.frame, QPoint(200, 150));
    const QRect atLastMove = w.host->geometry();
    w.host->setGeometry(150, 120, 420, 310); // moved without the mouse over the frame
    const auto items = w.frame->findChild<QMenu *>(u"SysMnu"_s)->actions();
    QVERIFY(!items.at(0)->isEnabled() && items.at(2)->isEnabled());
    w.frame->jcWindowState();
    QVERIFY(items.at(0)->isEnabled() && !items.at(2)->isEnabled());
    w.frame->jcWindowState();
    QCOMPARE(w.frame->WindowState(), qint16(0));
    QVERIFY(!items.at(0)->isEnabled() && items.at(2)->isEnabled());
    QCOMPARE(w.host->geometry(), atLastMove);
    QCOMPARE(w.frame->size(), atLastMove.size());
}

void TestFrameWindow::platformMaximisedHostStaysWhereItIs() {
    FramedWindow w;
    QVERIFY(w.show());
    hover(w.frame, QPoint(200, 150));
    w.host->setWindowState(Qt::WindowMaximized);
    const QRect before = w.host->geometry();
    w.frame->jcWindowState();
    QCOMPARE(w.frame->WindowState(), qint16(2));
    QCOMPARE(w.host->geometry(), before);
    QVERIFY(!w.grip("m_picRight")->isVisible());
    QVERIFY(!w.grip("m_picBottom")->isVisible());
}

void TestFrameWindow::doubleClickTogglesOnlyWithMaximiseButton_data() {
    QTest::addColumn<bool>("maxButton");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("dblClicks");
    QTest::newRow("on the title") << true << QPoint(60, 10) << 2 << 1;
    QTest::newRow("below the title") << true << QPoint(60, 120) << 0 << 1;
    QTest::newRow("maximise button hidden") << false << QPoint(60, 10) << 0 << 0;
}

void TestFrameWindow::doubleClickTogglesOnlyWithMaximiseButton() {
    QFETCH(bool, maxButton);
    QFETCH(QPoint, at);
    QFETCH(int, state);
    QFETCH(int, dblClicks);
    FramedWindow w({{u"maxbutton"_s, maxButton}});
    QVERIFY(w.show());
    QSignalSpy spy(w.frame, &ruZuvoz::DblClick);
    hover(w.frame, at);
    QTest::mouseClick(w.frame, Qt::LeftButton, {}, at);
    QTest::mouseDClick(w.frame, Qt::LeftButton, {}, at);
    QTest::mouseRelease(w.frame, Qt::LeftButton, {}, at);
    QCOMPARE(int(w.frame->WindowState()), state);
    QCOMPARE(spy.size(), dblClicks);
}

void TestFrameWindow::altF4ClosesOnlyWithCloseButton_data() {
    QTest::addColumn<bool>("closeButton");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("closed");
    QTest::newRow("Alt+F4") << true << Qt::KeyboardModifiers(Qt::AltModifier) << true;
    QTest::newRow("F4 alone") << true << Qt::KeyboardModifiers() << false;
    QTest::newRow("close button hidden")
        << false << Qt::KeyboardModifiers(Qt::AltModifier) << false;
}

void TestFrameWindow::altF4ClosesOnlyWithCloseButton() {
    QFETCH(bool, closeButton);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, closed);
    FramedWindow w({{u"closebutton"_s, closeButton}});
    QVERIFY(w.show());
    QTest::keyClick(w.frame, Qt::Key_F4, modifiers);
    QCOMPARE(!w.host->isVisible(), closed);
    // A key the contained control leaves unhandled reaches the frame as well.
    if (closed) {
        QVERIFY(w.show());
        QTest::keyClick(w.label, Qt::Key_F4, modifiers);
        QVERIFY(!w.host->isVisible());
    }
}

void TestFrameWindow::keysGoOnToTheHost() {
    FramedWindow w;
    QVERIFY(w.show());
    KeyRecorder host;
    w.host->installEventFilter(&host);
    const QList<int> keys{Qt::Key_A, Qt::Key_1, Qt::Key_Right, Qt::Key_Space, Qt::Key_F4};
    for (int key : keys)
        QTest::keyClick(w.frame, Qt::Key(key));
    QTest::keyClick(w.label, Qt::Key_Return);
    QCOMPARE(host.keys, keys + QList<int>{Qt::Key_Return});
    QVERIFY(w.host->isVisible());
}

void TestFrameWindow::closeButtonRaisesThenCloses() {
    FramedWindow w;
    QVERIFY(w.show());
    bool visibleAtSignal = false;
    connect(w.frame, &ruZuvoz::BtnCloseClick, this, [&] { visibleAtSignal = w.host->isVisible(); });
    QSignalSpy clicks(w.frame, &ruZuvoz::Click);
    w.click(w.buttonCentre(0));
    QVERIFY(visibleAtSignal);
    QVERIFY(!w.host->isVisible());
    QCOMPARE(clicks.size(), 1);
}

void TestFrameWindow::minimiseButton() {
    FramedWindow w;
    QVERIFY(w.show());
    w.click(w.buttonCentre(2));
    QVERIFY(w.host->windowState() & Qt::WindowMinimized);
    QCOMPARE(w.frame->HotBtn(), qint16(-1));
    QCOMPARE(w.frame->captionButton(2).State, 0);
    QCOMPARE(w.frame->WindowState(), qint16(0));
}

void TestFrameWindow::unmovableHostStillHasButtons() {
    FramedWindow w;
    w.host->setProperty("Moveable", false);
    w.frame->Load(PropertyStore());
    QVERIFY(w.show());
    const QPoint start = w.host->pos();
    w.drag(w.frame, QPoint(60, 10), QPoint(120, 50));
    QCOMPARE(w.host->pos(), start);
    w.click(w.buttonCentre(1));
    QCOMPARE(w.frame->WindowState(), qint16(2));
}

void TestFrameWindow::frameFollowsTheHost() {
    FramedWindow w;
    QVERIFY(w.show());
    QSignalSpy resized(w.frame, &ruZuvoz::ReSize);
    w.host->resize(500, 350);
    QTRY_COMPARE(w.frame->size(), QSize(500, 350));
    QVERIFY(resized.size() >= 1);
    QCOMPARE(pixel(w.frame->image(), 499, 200), w.frame->ColorDark());
    QCOMPARE(w.frame->captionButton(0).Left, 500 - 24);
}

void TestFrameWindow::withoutTrackingNothingIsRouted() {
    m_facts.tracking = false;
    FramedWindow bare({}, {400, 300}, false);
    QVERIFY(!bare.frame->isTrackingMouse());
    QVERIFY(bare.frame->subclassTable().records().isEmpty());
    QVERIFY(!(bare.host->windowFlags() & Qt::FramelessWindowHint));
    m_facts.tracking = true;
    FramedWindow tracked({}, {400, 300}, false);
    QCOMPARE(tracked.frame->subclassTable().records().size(), 2);
    QVERIFY(tracked.host->windowFlags() & Qt::FramelessWindowHint);
}

void TestFrameWindow::contentsSitUnderTheTitle() {
    FramedWindow w;
    auto *lower = new QLabel(u"Lower"_s, w.frame);
    lower->setGeometry(20, 80, 100, 20);
    QVERIFY(w.show());
    const int shift = w.ch() + 20 - 10;
    QCOMPARE(w.label->y(), w.ch() + 20);
    QCOMPARE(lower->y(), 80 + shift);
    QCOMPARE(w.host->height(), 300 + shift);
    // Laid out once: showing again changes nothing.
    w.host->hide();
    QVERIFY(w.show());
    QCOMPARE(w.label->y(), w.ch() + 20);
}

void TestFrameWindow::storedSettingsDrawTheSameWhenShown_data() {
    QTest::addColumn<QVariantMap>("settings");
    QTest::newRow("cylinder") << QVariantMap{{u"style"_s, 0}, {u"themecolor"_s, 3}};
    QTest::newRow("grip bar") << QVariantMap{{u"style"_s, 1}, {u"themecolor"_s, 1}};
    QTest::newRow("solid, no max") << QVariantMap{{u"style"_s, 2}, {u"maxbutton"_s, false}};
    QTest::newRow("linear, own back") << QVariantMap{
        {u"style"_s, 3}, {u"backcolorstyle"_s, 2}, {u"custombackcolor"_s, 0x00C0FFC0}};
}

// A frame sited with its settings draws once, when its host is shown and its contents have been
// placed: the window it shows is the one a frame placed and then loaded shows.
void TestFrameWindow::storedSettingsDrawTheSameWhenShown() {
    QFETCH(QVariantMap, settings);
    FramedWindow loaded(settings), stored(settings, {400, 300}, true, true);
    for (FramedWindow *w : {&loaded, &stored}) {
        auto *lower = new QLabel(u"Lower"_s, w->frame);
        lower->setGeometry(20, 80, 100, 20);
    }
    QVERIFY(loaded.show());
    QVERIFY(stored.show());
    QCOMPARE(stored.host->size(), loaded.host->size());
    QCOMPARE(stored.frame->image().size(), stored.host->size());
    QCOMPARE(stored.frame->image(), loaded.frame->image());
    QCOMPARE(stored.frame->grab().toImage(), loaded.frame->grab().toImage());
}

void TestFrameWindow::gripBarStyleMovesContents() {
    FramedWindow w;
    QVERIFY(w.show());
    const int top = w.label->y(), height = w.host->height();
    w.frame->setStyle(stGripBar);
    QCOMPARE(w.label->y(), top + 10);
    QCOMPARE(w.host->height(), height + 10);
    w.frame->setStyle(stSolid);
    QCOMPARE(w.label->y(), top);
    QCOMPARE(w.host->height(), height);
}

void TestFrameWindow::topOffset_data() {
    QTest::addColumn<QList<int>>("tops");
    QTest::addColumn<int>("offset");
    QTest::newRow("above") << QList<int>{10, 80} << 40;
    QTest::newRow("exactly at") << QList<int>{50, 90} << 0;
    QTest::newRow("below") << QList<int>{70, 60} << -10;
    QTest::newRow("nothing inside") << QList<int>{} << 0;
}

void TestFrameWindow::topOffset() {
    QFETCH(QList<int>, tops);
    QFETCH(int, offset);
    QWidget host;
    auto *frame = new ruZuvoz(&host);
    for (int top : tops)
        (new QWidget(frame))->move(0, top);
    QCOMPARE(int(frame->GetTopOffset(50)), offset);
}

QTEST_MAIN(TestFrameWindow)
#include "tst_frame_window.moc"
