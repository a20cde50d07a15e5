// The picture button on its own: drawn exactly as a label draws the same picture, clicked by a
// left click released over it or by Space, named for screen readers by its caption.
#include "tests/support/keyrecorder.h"
#include "trainer/imagebutton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using trainer::ImageButton;

namespace {

// A shown window in a colour of its own, holding one control at (10, 10).
struct Window {
    QWidget host;
    explicit Window(QWidget *control, QSize size) {
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, QColor(20, 140, 90));
        host.setPalette(palette);
        host.setAutoFillBackground(true);
        host.resize(size + QSize(20, 20));
        control->setParent(&host);
        control->setGeometry(QRect(QPoint(10, 10), size));
    }
    bool show() {
        host.show();
        host.activateWindow();
        return QTest::qWaitForWindowActive(&host);
    }
    QImage shot() { return host.grab().toImage(); }
};

} // namespace

class ImageButtonTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // A picture with an opaque half and a see-through half, so the background shows.
        QImage picture(40, 20, QImage::Format_ARGB32);
        picture.fill(QColor(200, 30, 30));
        QPainter painter(&picture);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(20, 0, 20, 20, QColor(30, 30, 200, 90));
        painter.end();
        QVERIFY(picture.save(m_dir.filePath(u"button.png"_s)));
    }

    void drawsAsALabel_data() {
        QTest::addColumn<bool>("withPicture");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("picture fills the button") << true << QSize(40, 20) << true;
        QTest::newRow("picture left, centred vertically") << true << QSize(70, 34) << true;
        QTest::newRow("disabled picture greyed") << true << QSize(70, 34) << false;
        QTest::newRow("click area without a picture") << false << QSize(70, 34) << true;
    }
    void drawsAsALabel() {
        QFETCH(bool, withPicture);
        QFETCH(QSize, size);
        QFETCH(bool, enabled);
        const QString resource = withPicture ? picturePath() : QString();
        auto *label = new QLabel;
        label->setPixmap(QPixmap(resource));
        label->setEnabled(enabled);
        auto *button = new ImageButton(resource, u"A"_s);
        button->setEnabled(enabled);
        Window labelled(label, size), buttoned(button, size);
        QVERIFY(labelled.show());
        QVERIFY(buttoned.show());
        const QImage expected = labelled.shot();
        QCOMPARE(buttoned.shot(), expected);
        // Pressed down, it still looks the same.
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(buttoned.shot(), expected);
        QTest::mouseRelease(button, Qt::LeftButton);
    }

    void focusFrameOnlyWhileFocused() {
        auto *label = new QLabel;
        label->setPixmap(QPixmap(picturePath()));
        auto *button = new ImageButton(picturePath(), u"A"_s);
        auto *other = new ImageButton(picturePath(), u"B"_s);
        Window labelled(label, {70, 34}), buttoned(button, {70, 34});
        other->setParent(&buttoned.host);
        other->setGeometry(0, 0, 5, 5);
        QVERIFY(labelled.show());
        QVERIFY(buttoned.show());
        const QRect area(10, 10, 70, 34);
        // Given the focus with the window, not by the keyboard: nothing shows.
        QVERIFY(button->hasFocus());
        QCOMPARE(buttoned.shot().copy(area), labelled.shot().copy(area));
        QTest::keyClick(button, Qt::Key_Tab);
        QVERIFY(other->hasFocus());
        QCOMPARE(buttoned.shot().copy(area), labelled.shot().copy(area));
        QTest::keyClick(other, Qt::Key_Backtab);
        QVERIFY(button->hasFocus());
        QVERIFY(buttoned.shot().copy(area) != labelled.shot().copy(area));
    }

    void mouseClicks_data() {
        QTest::addColumn<Qt::MouseButton>("mouseButton");
        QTest::addColumn<QPoint>("release"); // relative to the button's centre
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("clicks");
        QTest::newRow("left click") << Qt::LeftButton << QPoint() << true << 1;
        QTest::newRow("released at the edge") << Qt::LeftButton << QPoint(34, 16) << true << 1;
        QTest::newRow("released outside") << Qt::LeftButton << QPoint(36, 0) << true << 0;
        QTest::newRow("released above") << Qt::LeftButton << QPoint(0, -18) << true << 0;
        QTest::newRow("right click") << Qt::RightButton << QPoint() << true << 0;
        QTest::newRow("disabled") << Qt::LeftButton << QPoint() << false << 0;
    }
    void mouseClicks() {
        QFETCH(Qt::MouseButton, mouseButton);
        QFETCH(QPoint, release);
        QFETCH(bool, enabled);
        QFETCH(int, clicks);
        auto *button = new ImageButton(picturePath(), u"A"_s);
        Window window(button, {70, 34});
        auto *edit = new QLineEdit(&window.host);
        edit->setGeometry(0, 0, 5, 5);
        QVERIFY(window.show());
        edit->setFocus();
        button->setEnabled(enabled);
        QSignalSpy clicked(button, &ImageButton::clicked);
        const QPoint centre = button->rect().center();
        QTest::mousePress(button, mouseButton, {}, centre);
        QTest::mouseRelease(button, mouseButton, {}, centre + release);
        QCOMPARE(clicked.size(), clicks);
        // A click leaves the keyboard focus where it was.
        QVERIFY(edit->hasFocus());
    }

    void keys() {
        auto *button = new ImageButton(picturePath(), u"A"_s);
        Window window(button, {70, 34});
        KeyRecorder host;
        window.host.installEventFilter(&host);
        QVERIFY(window.show());
        QSignalSpy clicked(button, &ImageButton::clicked);
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(clicked.size(), 1);
        // Everything but Space goes on to the window, the arrows too, and the focus stays.
        host.keys.clear();
        const QList<int> passed{Qt::Key_Return, Qt::Key_Right, Qt::Key_Left,
                                Qt::Key_Down,   Qt::Key_B,     Qt::Key_3};
        for (int key : passed)
            QTest::keyClick(button, Qt::Key(key));
        QCOMPARE(host.keys, passed);
        QVERIFY(button->hasFocus());
        QCOMPARE(clicked.size(), 1);
        button->setEnabled(false);
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(clicked.size(), 1);
    }

    void screenReadersSeeANamedButton() {
        auto *button = new ImageButton(QString(), u"模拟考试"_s);
        Window window(button, {70, 34});
        QVERIFY(window.show());
        QSignalSpy clicked(button, &ImageButton::clicked);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::Button);
        QCOMPARE(accessible->text(QAccessible::Name), u"模拟考试"_s);
        QVERIFY(accessible->actionInterface());
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicked.size(), 1);
    }

private:
    QString picturePath() const { return m_dir.filePath(u"button.png"_s); }
    QTemporaryDir m_dir;
};

QTEST_MAIN(ImageButtonTest)
#include "tst_imagebutton.moc"
