// The design arithmetic of geometry and colours, the guard that swallows and logs a failure, and
// large images.
#include "core/color.h"
#include "core/error.h"
#include "core/guard.h"
#include "core/largeimage.h"
#include "core/log.h"
#include "core/twips.h"

#include <QPainter>
#include <QTest>

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList g_logged;

void recordMessage(QtMsgType, const QMessageLogContext &context, const QString &message) {
    g_logged.append(QLatin1String(context.category) + u' ' + message);
}

} // namespace

class TestCore : public QObject {
    Q_OBJECT

private slots:
    void twipsToPixels_data() {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("whole") << 14790.0 << 986;
        QTest::newRow("half rounds to even, down") << 37.5 << 2; // 2.5
        QTest::newRow("half rounds to even, up") << 52.5 << 4;   // 3.5
        QTest::newRow("below half") << 535.0 << 36;              // 35.67
        QTest::newRow("box spacing") << 486.0 << 32;             // 32.4
        QTest::newRow("negative half") << -22.5 << -2;           // -1.5
    }
    void twipsToPixels() {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QCOMPARE(core::twipsToPixels(twips), pixels);
    }

    void colours_data() {
        QTest::addColumn<uint>("bgr");
        QTest::addColumn<QColor>("color");
        QTest::newRow("not answered") << 0xFEFDFFu << QColor(255, 253, 254);
        QTest::newRow("current") << 0x0042BEu << QColor(190, 66, 0);
        QTest::newRow("wrong") << 0x0000FEu << QColor(254, 0, 0);
    }
    void colours() {
        QFETCH(uint, bgr);
        QFETCH(QColor, color);
        QCOMPARE(core::colorFromBgr(bgr), color);
        QCOMPARE(core::bgrFromColor(color), quint32(bgr));
    }

    // A swallowed failure is logged with its step and reason once the category is switched on,
    // and stays silent by default.
    void guardLogsWhatItSwallows_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("projectError");
        QTest::addColumn<QString>("logged");
        QTest::newRow("off by default") << false << true << QString();
        QTest::newRow("project error")
            << true << true << u"safedrive.trainer open the bank failed: [14] 文件不存在"_s;
        QTest::newRow("standard exception")
            << true << false << u"safedrive.trainer open the bank failed: bad index"_s;
    }
    void guardLogsWhatItSwallows() {
        QFETCH(bool, enabled);
        QFETCH(bool, projectError);
        QFETCH(QString, logged);
        QLoggingCategory::setFilterRules(enabled ? u"safedrive.*=true"_s : QString());
        g_logged.clear();
        const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
        const core::StepOutcome outcome =
            core::tryStep(core::lcTrainer(), "open the bank", [projectError] {
                if (projectError)
                    throw core::Error(14, u"文件不存在"_s);
                throw std::out_of_range("bad index");
            });
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        QVERIFY(!outcome.succeeded());
        QCOMPARE(g_logged, logged.isEmpty() ? QStringList() : QStringList{logged});
    }

    void guardRunsTheStepAndReportsSuccess() {
        int runs = 0;
        QVERIFY(core::tryStep(core::lcBank(), "count", [&] { ++runs; }).succeeded());
        QCOMPARE(runs, 1);
    }

    // Only failures are swallowed: anything that is no std::exception is a fault and passes.
    void guardLetsOtherThrowsPass() {
        QVERIFY_THROWS_EXCEPTION(int, core::tryStep(core::lcFrame(), "throw", [] { throw 7; }));
    }

    // A window-sized image in memory of its own is an ordinary image to everything that uses
    // it: laid out alike, painted on in place, copied and outliving the original by its copy.
    void largeImageIsAnOrdinaryImage() {
        const QSize window(986, 667);
        QImage image = core::largeImage(window, QImage::Format_RGB32);
        const QImage ordinary(window, QImage::Format_RGB32);
        QCOMPARE(image.size(), window);
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QCOMPARE(image.bytesPerLine(), ordinary.bytesPerLine());
        const uchar *pixels = image.constBits();
        image.fill(Qt::blue);
        {
            QPainter painter(&image);
            painter.fillRect(QRect(0, 600, 986, 67), Qt::red);
        }
        QCOMPARE(image.constBits(), pixels); // painted where it lies, not in a copy
        QImage copy = image;
        image = QImage();
        QCOMPARE(copy.pixel(5, 5), qRgb(0, 0, 255));
        QCOMPARE(copy.pixel(985, 666), qRgb(255, 0, 0));
        copy.setPixel(0, 0, qRgb(1, 2, 3)); // the only owner writes in place
        QCOMPARE(copy.pixel(0, 0), qRgb(1, 2, 3));
    }
    void largeImageOfOddSizes() {
        QCOMPARE(core::largeImage(QSize(3, 3), QImage::Format_RGB32).size(), QSize(3, 3));
        QVERIFY(core::largeImage(QSize(0, 5), QImage::Format_RGB32).isNull());
        const QImage odd = core::largeImage(QSize(1001, 999), QImage::Format_RGB888);
        QCOMPARE(odd.bytesPerLine(), QImage(1001, 999, QImage::Format_RGB888).bytesPerLine());
        QCOMPARE(odd.format(), QImage::Format_RGB888);
    }
};

QTEST_APPLESS_MAIN(TestCore)
#include "tst_core.moc"
