// The committed pictures and clips: every catalogue name exists, nothing else lies in the
// media folders, every picture decodes and fits the picture area, every clip is a short
// video-only WebM.
#include "catalogue.h"
#include "webm_probe.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kSourceDir = QStringLiteral(SAFEDRIVE_SOURCE_DIR);
const QString kPictures = kSourceDir + u"/editions/media/pictures"_s;
const QString kClips = kSourceDir + u"/editions/media/clips"_s;

// The picture area of the question page (FrameBack) and the clip player's area, in pixels.
constexpr QSize kPictureArea{498, 213};

std::vector<mediagen::CatalogueEntry> catalogue() {
    QString error;
    auto entries = mediagen::readCatalogue(kSourceDir + u"/tools/mediagen/catalogue.txt"_s, &error);
    if (entries.empty())
        qWarning("%s", qPrintable(error));
    return entries;
}

} // namespace

class TestMediaFiles : public QObject {
    Q_OBJECT

private slots:
    void catalogueEntryExists_data() {
        QTest::addColumn<QString>("path");
        for (const auto &entry : catalogue())
            QTest::newRow(qPrintable(entry.name))
                << (entry.kind == u"clip"_s ? kClips : kPictures) + u'/' + entry.name;
    }
    void catalogueEntryExists() {
        QFETCH(QString, path);
        QVERIFY2(QFile::exists(path), qPrintable(path));
    }

    void mediaFoldersHoldOnlyCatalogueFiles() {
        const auto entries = catalogue();
        QVERIFY(!entries.empty());
        QSet<QString> pictures, clips;
        for (const auto &entry : entries)
            (entry.kind == u"clip"_s ? clips : pictures).insert(entry.name);
        for (const QString &name : QDir(kPictures).entryList(QDir::Files))
            QVERIFY2(pictures.contains(name), qPrintable(u"stray picture "_s + name));
        for (const QString &name : QDir(kClips).entryList(QDir::Files))
            QVERIFY2(clips.contains(name), qPrintable(u"stray clip "_s + name));
    }

    void pictureDecodesAndFits_data() {
        QTest::addColumn<QString>("path");
        for (const auto &entry : catalogue())
            if (entry.kind == u"picture"_s)
                QTest::newRow(qPrintable(entry.name)) << kPictures + u'/' + entry.name;
    }
    void pictureDecodesAndFits() {
        QFETCH(QString, path);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QImageReader reader(path);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QVERIFY(image.width() <= kPictureArea.width());
        QVERIFY(image.height() <= kPictureArea.height());
        // A drawer that painted nothing or one flat patch leaves the picture blank.
        QSet<QRgb> colours;
        qsizetype covered = 0, samples = 0;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3, ++samples) {
                const QRgb pixel = image.pixel(x, y);
                colours.insert(pixel);
                covered += qAlpha(pixel) > 0 ? 1 : 0;
            }
        QVERIFY2(covered * 10 >= samples * 3, "less than 30% of the picture is drawn");
        QVERIFY2(colours.size() >= 3, "the picture is one flat colour");
    }

    void clipIsShortVideoOnlyWebm_data() {
        QTest::addColumn<QString>("path");
        for (const auto &entry : catalogue())
            if (entry.kind == u"clip"_s)
                QTest::newRow(qPrintable(entry.name)) << kClips + u'/' + entry.name;
    }
    void clipIsShortVideoOnlyWebm() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        QVERIFY2(file.size() < 200 * 1024, "clips must stay small");
        QString error;
        const auto facts = mediagen::probeWebm(file.readAll(), &error);
        QVERIFY2(facts, qPrintable(error));
        QCOMPARE(facts->docType, u"webm"_s);
        QCOMPARE(facts->tracks.size(), 1);
        const auto &track = facts->tracks.first();
        QCOMPARE(track.type, 1);
        QVERIFY2(track.codec == u"V_VP8"_s || track.codec == u"V_VP9"_s, qPrintable(track.codec));
        QVERIFY(track.width > 0 && track.width <= 2 * kPictureArea.width());
        QVERIFY(track.height > 0 && track.height <= 2 * kPictureArea.height());
        QVERIFY2(facts->durationSeconds >= 2 && facts->durationSeconds <= 6,
                 qPrintable(QString::number(facts->durationSeconds)));
    }
};

QTEST_GUILESS_MAIN(TestMediaFiles)
#include "tst_mediafiles.moc"
