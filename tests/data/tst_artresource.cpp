// One edition's art.qrc as its program compiles it: the start page and the icon under
// their resource paths, at their sizes.
#include <QImage>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestArtResource : public QObject {
    Q_OBJECT

private slots:
    void editionPictures_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        QTest::newRow("start") << u":/edition/start.png"_s << QSize(979, 625);
        QTest::newRow("icon") << u":/edition/icon.png"_s << QSize(64, 64);
    }
    void editionPictures() {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        const QImage image(resource);
        QVERIFY2(!image.isNull(), qPrintable(resource));
        QCOMPARE(image.size(), size);
    }
};

QTEST_GUILESS_MAIN(TestArtResource)
#include "tst_artresource.moc"
