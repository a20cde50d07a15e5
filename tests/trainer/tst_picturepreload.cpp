// Pictures decoded ahead on a worker thread: the pixmap is the picture a plain load gives, an
// opaque picture saved with an alpha channel comes out opaque, a missing one null.
#include "trainer/picturepreload.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestPicturePreload : public QObject {
    Q_OBJECT

private slots:
    void sameAsAPlainLoad_data();
    void sameAsAPlainLoad();
    void missingPictureIsNull();

private:
    QTemporaryDir m_dir;
};

void TestPicturePreload::sameAsAPlainLoad_data() {
    QTest::addColumn<int>("alpha"); // of the lower half; the upper is opaque
    QTest::addColumn<bool>("opaque");
    QTest::newRow("opaque, saved with alpha") << 255 << true;
    QTest::newRow("translucent") << 96 << false;
    QTest::newRow("transparent") << 0 << false;
}

void TestPicturePreload::sameAsAPlainLoad() {
    QFETCH(int, alpha);
    QFETCH(bool, opaque);
    QImage picture(64, 40, QImage::Format_ARGB32);
    picture.fill(qRgba(30, 120, 200, 255));
    for (int y = 20; y < 40; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, qRgba(x * 4, 200, 50, alpha));
    const QString path = m_dir.filePath(u"picture_%1.png"_s.arg(alpha));
    QVERIFY(picture.save(path));

    for (bool preloaded : {true, false}) { // taken once: the second take decodes anew
        if (preloaded)
            trainer::preloadPicture(path);
        const QPixmap pixmap = trainer::takePreloadedPixmap(path);
        QCOMPARE(pixmap.size(), picture.size());
        QCOMPARE(pixmap.hasAlphaChannel(), !opaque);
        const auto argb = [](const QImage &image) {
            return image.convertToFormat(QImage::Format_ARGB32);
        };
        QCOMPARE(argb(pixmap.toImage()), argb(QPixmap(path).toImage()));
    }
}

void TestPicturePreload::missingPictureIsNull() {
    const QString path = m_dir.filePath(u"missing.png"_s);
    trainer::preloadPicture(path);
    QVERIFY(trainer::takePreloadedPixmap(path).isNull());
}

QTEST_MAIN(TestPicturePreload)
#include "tst_picturepreload.moc"
