// The frame on a real X server without a window manager (run under xvfb-run): the title drag,
// a grip and maximising move and size the real window; read back from the screen itself.
// With FRAME_SHOTS set to a folder, pictures of the restored and maximised window are saved.
#include "windowfixture.h"

#include <QDir>
#include <QScreen>

using namespace frame;
using namespace frametest;
using namespace Qt::Literals::StringLiterals;

namespace {
QImage screenPixels() {
    QApplication::processEvents();
    QTest::qWait(150);
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}
OleColor onScreen(const QImage &screen, QPoint at) {
    return pixel(screen, at.x(), at.y());
}
void shot(const QString &name) {
    const QString folder = qEnvironmentVariable("FRAME_SHOTS");
    if (!folder.isEmpty())
        screenPixels().save(QDir(folder).filePath(name));
}
} // namespace

class TestFrameXvfb : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != u"xcb"_s)
            QSKIP("needs an X server (run under xvfb-run)");
        QApplication::setFont(QFont(u"WenQuanYi Micro Hei"_s, 9));
    }
    void dragResizeMaximiseRestore();
};

void TestFrameXvfb::dragResizeMaximiseRestore() {
    QWidget host(nullptr, Qt::FramelessWindowHint);
    host.setWindowTitle(u"科目四 安全文明驾驶常识模拟考试"_s);
    host.setGeometry(100, 80, 986, 667);
    auto *ruZuvoz1 = new ruZuvoz(&host);
    // The main window's khaki, linear frame.
    ruZuvoz1->Load(PropertyStore::fromVariantMap({{u"themecolor"_s, 3}, {u"style"_s, 3}}));
    auto *question = new QLabel(u"第1题：在这种情况下，驾驶人应当怎样做？"_s, ruZuvoz1);
    question->move(20, 20);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    const int ch = ruZuvoz1->CaptionHeight();
    const OleColor dark = ruZuvoz1->ColorDark();
    QCOMPARE(onScreen(screenPixels(), host.geometry().topLeft() + QPoint(0, ch + 50)), dark);
    shot(u"formmain-restored.png"_s);

    // The title drag moves the real window.
    const QPoint start = host.pos();
    hover(ruZuvoz1, QPoint(300, 10));
    QTest::mousePress(ruZuvoz1, Qt::LeftButton, {}, QPoint(300, 10));
    // The window follows the mouse, so the mouse stays over the same point of the title.
    QTest::mouseMove(ruZuvoz1, QPoint(320, 20));
    QTest::mouseMove(ruZuvoz1, QPoint(320, 20));
    QTest::mouseRelease(ruZuvoz1, Qt::LeftButton, {}, QPoint(320, 20));
    QTRY_COMPARE(host.pos(), start + QPoint(40, 20));
    QImage screen = screenPixels();
    QCOMPARE(onScreen(screen, host.pos() + QPoint(0, ch + 50)), dark);
    QVERIFY(onScreen(screen, start + QPoint(0, ch + 50)) != dark);

    // The right grip widens it.
    hover(ruZuvoz1, QPoint(300, 200));
    auto *grip = host.findChild<ResizeGrip *>(u"m_picRight"_s);
    QVERIFY(grip);
    hover(grip, QPoint(1, 20));
    QTest::mousePress(grip, Qt::LeftButton, {}, QPoint(1, 20));
    QTest::mouseMove(grip, QPoint(61, 20));
    QTest::mouseRelease(grip, Qt::LeftButton, {}, QPoint(61, 20));
    QTRY_COMPARE(host.width(), 986 + 62);
    screen = screenPixels();
    QCOMPARE(onScreen(screen, host.pos() + QPoint(host.width() - 1, ch + 50)), dark);

    // Maximised, it fills the work area; restored, it returns.
    const QRect normal = host.geometry();
    ruZuvoz1->jcWindowState();
    const QRect work = host.screen()->availableGeometry();
    QTRY_COMPARE(host.geometry(), work);
    screen = screenPixels();
    QCOMPARE(onScreen(screen, work.bottomRight()), dark);
    shot(u"formmain-maximised.png"_s);
    ruZuvoz1->jcWindowState();
    QTRY_COMPARE(host.geometry(), normal);
    shot(u"formmain-restored-again.png"_s);
}

QTEST_MAIN(TestFrameXvfb)
#include "tst_frame_xvfb.moc"
