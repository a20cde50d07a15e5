// The frames the program's two windows ship with: compiled into the settings library and
// registered with it, and put on a host in the settings of its window.
#include "frame/ruzuvoz.h"
#include "trainer/shippedframe.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using trainer::ShippedWindow;

class ShippedFrameTest : public QObject {
    Q_OBJECT

private slots:
    void windowsWearTheirOwnSettings_data() {
        QTest::addColumn<ShippedWindow>("window");
        QTest::addColumn<int>("theme");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("extentX");
        QTest::newRow("FormMain") << ShippedWindow::FormMain << int(frame::tcKhaki)
                                  << int(frame::stLinear) << 26088;
        QTest::newRow("DlgMsg") << ShippedWindow::DlgMsg << int(frame::tcSystem)
                                << int(frame::stCylinder) << 9525;
    }
    void windowsWearTheirOwnSettings() {
        QFETCH(ShippedWindow, window);
        QFETCH(int, theme);
        QFETCH(int, style);
        QFETCH(int, extentX);
        // An unregistered resource would read as an empty store and give the defaults.
        const frame::PropertyStore settings = trainer::shippedSettings(window);
        QCOMPARE(settings.ReadProperty(u"_extentx"_s).toInt(), extentX);
        QWidget host;
        host.resize(360, 193);
        frame::ruZuvoz *worn = trainer::wearShippedFrame(&host, window);
        QCOMPARE(worn->parentWidget(), &host);
        QCOMPARE(worn->ThemeColor(), theme);
        QCOMPARE(worn->Style(), style);
        QVERIFY(worn->CloseButton());
        QCOMPARE(worn->CustomBackColor(), frame::RGB(236, 233, 216));
        QCOMPARE(worn->BackColorStyle(), qint32(frame::bcSystem));
    }
};

QTEST_MAIN(ShippedFrameTest)
#include "tst_shippedframe.moc"
