// The drawings themselves: one drawing per catalogue name, committed pictures that match
// what the code draws now, and clips whose last frame leads back into the first.
#include "canvas.h"
#include "catalogue.h"
#include "clip_frames.h"
#include "drawers.h"

#include <QImage>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kSourceDir = QStringLiteral(SAFEDRIVE_SOURCE_DIR);

// Mean absolute difference per colour channel, 0 to 255; images of one size.
double meanDifference(const QImage &a, const QImage &b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32),
                 y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum +=
                std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col])) +
                std::abs(qBlue(p[col]) - qBlue(q[col])) + std::abs(qAlpha(p[col]) - qAlpha(q[col]));
    }
    return sum / (4.0 * x.width() * x.height());
}

QSet<QString> catalogueNames(const QString &kind) {
    QString error;
    const auto names = mediagen::namesOfKind(
        mediagen::readCatalogue(kSourceDir + u"/tools/mediagen/catalogue.txt"_s, &error), kind);
    return QSet<QString>(names.cbegin(), names.cend());
}

template <typename Drawer>
QSet<QString> drawnNames(const std::vector<Drawer> &drawers, bool *unique) {
    QSet<QString> names;
    for (const auto &drawer : drawers)
        names.insert(QString::fromLatin1(drawer.name));
    *unique = names.size() == qsizetype(drawers.size());
    return names;
}

} // namespace

class TestMediaDrawing : public QObject {
    Q_OBJECT

private slots:
    void everyCatalogueNameHasOneDrawing() {
        bool unique = false;
        const QSet<QString> pictures = drawnNames(mediagen::allPictures(), &unique);
        QVERIFY(unique);
        QCOMPARE(pictures, catalogueNames(u"picture"_s));
        const QSet<QString> clips = drawnNames(mediagen::allClips(), &unique);
        QVERIFY(unique);
        QCOMPARE(clips, catalogueNames(u"clip"_s));
    }

    void committedPictureIsCurrent_data() {
        QTest::addColumn<int>("index");
        const auto drawers = mediagen::allPictures();
        for (int i = 0; i < int(drawers.size()); ++i)
            QTest::newRow(drawers[i].name) << i;
    }
    void committedPictureIsCurrent() {
        QFETCH(int, index);
        QString missing;
        if (!mediagen::fontsInstalled(&missing))
            QSKIP(qPrintable(u"cannot redraw faithfully without the font "_s + missing));
        const auto drawer = mediagen::allPictures()[index];
        const QImage drawn = mediagen::drawPicture(drawer);
        const QImage committed(kSourceDir + u"/editions/media/pictures/"_s +
                               QLatin1String(drawer.name));
        QCOMPARE(committed.size(), drawn.size());
        // Font rasterising may differ a little between machines; a changed drawing differs a lot.
        const double difference = meanDifference(drawn, committed);
        QVERIFY2(difference < 1.5,
                 qPrintable(u"regenerate with make media (difference %1)"_s.arg(difference)));
    }

    // A lorry or bus version whose drawing ignored its vehicle would repeat the car's scene.
    void heavyVariantShowsItsVehicle_data() {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QString>("scene");
        const std::pair<const char *, const char *> pairs[] = {
            {"scene_fog_truck.png", "scene_fog.png"},
            {"scene_rain_truck.png", "scene_rain_road.png"},
            {"scene_snow_truck.png", "scene_snow_ice.png"},
            {"scene_long_descent_truck.png", "scene_long_descent.png"},
            {"scene_railway_crossing_truck.png", "scene_railway_crossing.png"},
            {"scene_mountain_curve_bus.png", "scene_mountain_curve.png"},
        };
        for (const auto &[variant, scene] : pairs)
            QTest::newRow(variant) << QString::fromLatin1(variant) << QString::fromLatin1(scene);
    }
    void heavyVariantShowsItsVehicle() {
        QFETCH(QString, variant);
        QFETCH(QString, scene);
        const auto drawing = [](const QString &name) {
            for (const auto &drawer : mediagen::allPictures())
                if (name == QLatin1String(drawer.name))
                    return mediagen::drawPicture(drawer);
            return QImage();
        };
        const QImage heavy = drawing(variant), car = drawing(scene);
        QVERIFY2(!heavy.isNull() && !car.isNull(), "both pictures are in the catalogue");
        const double difference = meanDifference(heavy, car);
        QVERIFY2(difference > 1.0, qPrintable(u"differs by only %1"_s.arg(difference)));
    }

    void clipLoopsWithoutAJump_data() {
        QTest::addColumn<int>("index");
        const auto clips = mediagen::allClips();
        for (int i = 0; i < int(clips.size()); ++i)
            QTest::newRow(clips[i].name) << i;
    }
    void clipLoopsWithoutAJump() {
        QFETCH(int, index);
        const auto clip = mediagen::allClips()[index];
        QVERIFY(clip.seconds >= 2 && clip.seconds <= 6);
        const mediagen::ClipFrames frames(clip);
        const int n = frames.count();
        // The step from the last frame back to the first is measured against ordinary steps.
        double largestStep = 0;
        for (int i : {0, n / 4, n / 2, 3 * n / 4})
            largestStep =
                std::max(largestStep, meanDifference(frames.frame(i), frames.frame(i + 1)));
        QVERIFY2(largestStep > 0.05, "the clip does not move");
        const double seam = meanDifference(frames.frame(n - 1), frames.frame(0));
        QVERIFY2(seam <= 2 * largestStep + 0.5,
                 qPrintable(u"seam %1 against steps of %2"_s.arg(seam).arg(largestStep)));
    }

    // A bus or lorry variant is the small-car clip with another vehicle: wired to the car by
    // mistake, it would repeat the car clip frame for frame.
    void heavyVariantShowsItsOwnVehicle_data() {
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("base");
        const auto clips = mediagen::allClips();
        const auto indexOf = [&](const QString &name) {
            for (int i = 0; i < int(clips.size()); ++i)
                if (QLatin1String(clips[i].name) == name)
                    return i;
            return -1;
        };
        for (int i = 0; i < int(clips.size()); ++i) {
            QString base = QString::fromLatin1(clips[i].name);
            if (!base.endsWith(u"_bus.webm"_s) && !base.endsWith(u"_truck.webm"_s))
                continue;
            base = base.left(base.lastIndexOf(u'_')) + u".webm"_s;
            if (const int b = indexOf(base); b >= 0)
                QTest::newRow(clips[i].name) << i << b;
        }
    }
    void heavyVariantShowsItsOwnVehicle() {
        QFETCH(int, variant);
        QFETCH(int, base);
        const auto clips = mediagen::allClips();
        const mediagen::ClipFrames heavy(clips[variant]), light(clips[base]);
        QCOMPARE(heavy.count(), light.count());
        double largest = 0;
        for (int i : {heavy.count() / 4, heavy.count() / 2, 3 * heavy.count() / 4})
            largest = std::max(largest, meanDifference(heavy.frame(i), light.frame(i)));
        QVERIFY2(largest > 0.5, qPrintable(u"differs by %1 only"_s.arg(largest)));
    }
};

QTEST_MAIN(TestMediaDrawing)
#include "tst_mediadrawing.moc"
