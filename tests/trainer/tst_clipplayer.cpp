// The clip player: a question's clip loops while it is shown, an empty URL stops it.
#include "tests/support/mappedfile.h"
#include "trainerharness.h"

#include "trainer/clippipeline.h"
#include "trainer/clipplayer.h"
#include "trainer/mediabackend.h"
#include "trainer/videoframeimage.h"

#include <QDir>
#include <QVideoFrame>

#include <array>

#ifdef SAFEDRIVE_GSTREAMER
#include <gst/gst.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

// The shortest clip the editions ship, or nothing before the media are generated.
QString shortClip() {
    const QFileInfoList clips =
        QDir(QStringLiteral(SAFEDRIVE_CLIPS_DIR))
            .entryInfoList({u"*.webm"_s}, QDir::Files, QDir::Size | QDir::Reversed);
    return clips.isEmpty() ? QString() : clips.first().absoluteFilePath();
}

// A clip question for each entry: a clip file name (copied from the shortest clip), a file that
// is there but is no clip ("broken.webm"), or one that is missing ("missing.webm").
QList<fixture::Question> clipQuestions(const QStringList &clips) {
    QList<fixture::Question> questions;
    for (int i = 0; i < clips.size(); ++i) {
        fixture::Question q = fixture::choice(i + 1, 1);
        q.type = u"3"_s;
        q.flash = QString(u"\\"_s + clips[i]);
        questions.append(q);
    }
    return questions;
}

void placeClips(const QString &folder) {
    QDir(folder).mkpath(u"anquanimages"_s);
    QFile::copy(shortClip(), folder + u"/anquanimages/loop.webm"_s);
    QFile broken(folder + u"/anquanimages/broken.webm"_s);
    if (broken.open(QIODevice::WriteOnly))
        broken.write(QByteArray(4096, 'x'));
}

// Whether the media player's module is mapped into this process.
bool clipModuleLoaded() {
    return !mappedFile(u"safedrive-clips.so"_s).isEmpty();
}

// The frames are really drawn, stretched over the whole area.
bool framesShown(trainer::ClipPlayer &player) {
    const QImage shown = player.grab().toImage();
    int lit = 0;
    for (int y = 0; y < shown.height(); y += 4)
        for (int x = 0; x < shown.width(); x += 4)
            lit += qGray(shown.pixel(x, y)) > 16;
    return lit > (shown.width() / 4) * (shown.height() / 4) / 2;
}

// A YUV 4:2:0 frame of w x h pixels whose four quadrants have the given (y, u, v) values.
QVideoFrame quadrantFrame(QSize size, QVideoFrameFormat::PixelFormat format,
                          const std::array<std::array<int, 3>, 4> &yuv) {
    QVideoFrame frame(QVideoFrameFormat(size, format));
    if (!frame.map(QVideoFrame::WriteOnly))
        return {};
    const bool vFirst = format == QVideoFrameFormat::Format_YV12;
    for (int plane = 0; plane < 3; ++plane) {
        const int scale = plane == 0 ? 1 : 2;
        const int component = plane == 0 ? 0 : (plane == 1) != vFirst ? 1 : 2;
        const int w = (size.width() + scale - 1) / scale;
        const int h = std::min((size.height() + scale - 1) / scale,
                               frame.mappedBytes(plane) / frame.bytesPerLine(plane));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int quadrant = (y * scale >= size.height() / 2 ? 2 : 0) +
                                     (x * scale >= size.width() / 2 ? 1 : 0);
                frame.bits(plane)[y * frame.bytesPerLine(plane) + x] =
                    uchar(yuv[size_t(quadrant)][size_t(component)]);
            }
    }
    frame.unmap();
    return frame;
}

} // namespace

class ClipPlayerTest : public QObject {
    Q_OBJECT

private slots:
    // Nothing of the media player is made or loaded before a clip is shown: not at start, not
    // for questions without one. (First, so that no other case has loaded it yet.)
    void playerIsMadeForTheFirstClipOnly() {
        TrainerHarness h({}, {fixture::choice(1, 1), fixture::choice(2, 1)});
        QVERIFY(!h.form().wmp->playerCreated());
        h.click(u"imgNav(0)"_s);
        h.click(u"imgNext"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"2.Q2"_s);
        QVERIFY(!h.form().wmp->playerCreated());
        QVERIFY(!clipModuleLoaded());
        if (!h.form().wmp->available())
            return;
        h.form().wmp->setUrl(h.folder() + u"/any.webm"_s);
        QVERIFY(h.form().wmp->playerCreated());
        QVERIFY(clipModuleLoaded());
    }

    // Without GStreamer's base plugins no player may be created (it would crash).
    void playbackPluginProbe() {
        QTemporaryDir empty, base;
        QFile plugin(base.path() + u"/libgstplayback.so"_s);
        QVERIFY(plugin.open(QIODevice::WriteOnly));
        plugin.close();
        QVERIFY(!trainer::gstreamerPlaybackPluginFound({}));
        QVERIFY(!trainer::gstreamerPlaybackPluginFound({empty.path()}));
        QVERIFY(trainer::gstreamerPlaybackPluginFound({empty.path(), base.path()}));
    }

    // The queues of the player's video path, at any depth of bins, hold two frames, not a second
    // of them; the device providers, which load the sound server and Video4Linux, stay out.
    void pipelineFittedToClips() {
#ifndef SAFEDRIVE_GSTREAMER
        QSKIP("the media player does not run on GStreamer here");
#else
        trainer::fitPlayerPipelineToClips();
        GstElement *pipeline = gst_pipeline_new(nullptr);
        GstElement *sinkBin = gst_bin_new(nullptr);
        GstElement *outer = gst_element_factory_make("queue", nullptr);
        GstElement *inner = gst_element_factory_make("queue", nullptr);
        QVERIFY(pipeline && sinkBin && outer && inner);
        gst_bin_add(GST_BIN(sinkBin), inner);
        gst_bin_add_many(GST_BIN(pipeline), outer, sinkBin, nullptr);
        for (GstElement *queue : {outer, inner}) {
            guint buffers = 0, bytes = 1;
            guint64 time = 1;
            g_object_get(queue, "max-size-buffers", &buffers, "max-size-bytes", &bytes,
                         "max-size-time", &time, nullptr);
            QCOMPARE(buffers, trainer::kQueuedClipFrames);
            QCOMPARE(bytes, 0u);
            QCOMPARE(time, guint64(0));
        }
        gst_object_unref(pipeline);

        GList *providers = gst_device_provider_factory_list_get_device_providers(GST_RANK_MARGINAL);
        QCOMPARE(g_list_length(providers), 0u);
        gst_plugin_feature_list_free(providers);
#endif
    }

    void clipLoopsWhileItsQuestionIsShown() {
        const QString clip = shortClip();
        if (clip.isEmpty())
            QSKIP("no clip in editions/media/clips yet");
        fixture::Question q = fixture::choice(1, 1);
        q.type = u"3"_s;
        q.flash = u"\\loop.webm"_s;
        fixture::Question without = fixture::choice(2, 1);
        without.type = u"3"_s;
        TrainerHarness h({}, {q, without});
        QDir(h.folder()).mkpath(u"anquanimages"_s);
        QVERIFY(QFile::copy(clip, h.folder() + u"/anquanimages/loop.webm"_s));
        if (!h.form().wmp->available())
            QSKIP("no media backend on this machine");

        QList<int> states;
        QObject::connect(h.form().wmp, &trainer::ClipPlayer::PlayStateChange,
                         [&](int state) { states.append(state); });
        h.click(u"imgNav(2)"_s);
        // Played, came to its end, and played again by itself: twice round.
        const auto restarts = [&] {
            int count = 0;
            for (int i = 1; i < states.size(); ++i)
                count += states[i - 1] == trainer::ClipPlayer::Stopped &&
                         states[i] == trainer::ClipPlayer::Playing;
            return count;
        };
        QTRY_VERIFY_WITH_TIMEOUT(restarts() >= 2, 30000);
        QCOMPARE(h.form().wmp->playState(), trainer::ClipPlayer::Playing);
        QVERIFY(framesShown(*h.form().wmp));

        // The next question empties the URL: the clip stops and stays stopped.
        h.click(u"imgNext"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"2.Q2"_s);
        QTRY_COMPARE(h.form().wmp->playState(), trainer::ClipPlayer::Stopped);
        QTest::qWait(300);
        QCOMPARE(h.form().wmp->playState(), trainer::ClipPlayer::Stopped);
        QVERIFY(!h.form().wmp->isVisible());
    }

    void failedClipLeavesTheNextPlaying_data() {
        QTest::addColumn<QString>("bad");
        QTest::newRow("missing file") << u"missing.webm"_s;
        QTest::newRow("not a clip") << u"broken.webm"_s;
    }
    void failedClipLeavesTheNextPlaying() {
        QFETCH(QString, bad);
        if (shortClip().isEmpty())
            QSKIP("no clip in editions/media/clips yet");
        TrainerHarness h({}, clipQuestions({bad, u"loop.webm"_s, bad, u"loop.webm"_s}));
        placeClips(h.folder());
        trainer::ClipPlayer &player = *h.form().wmp;
        if (!player.available())
            QSKIP("no media backend on this machine");

        h.click(u"imgNav(2)"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"1.Q1"_s);
        QTest::qWait(500);
        QCOMPARE(player.playState(), trainer::ClipPlayer::Stopped);
        for (const QString &title : {u"2.Q2"_s, u"4.Q4"_s}) {
            h.click(u"imgNext"_s);
            if (title == u"4.Q4"_s) { // through the bad clip once more
                QTest::qWait(300);
                h.click(u"imgNext"_s);
            }
            QCOMPARE(h.text(u"lblTitle"_s), title);
            QTRY_COMPARE_WITH_TIMEOUT(player.playState(), trainer::ClipPlayer::Playing, 15000);
            QTRY_VERIFY_WITH_TIMEOUT(framesShown(player), 15000);
        }
    }

    // Frames are converted once to the size they are shown at, colours as the clip holds them.
    void frameConvertedAtItsShownSize_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QSize>("shown");
        const auto planar = int(QVideoFrameFormat::Format_YUV420P);
        const auto swapped = int(QVideoFrameFormat::Format_YV12);
        QTest::newRow("same size") << planar << QSize(64, 32) << QSize(64, 32);
        QTest::newRow("stretched") << planar << QSize(64, 32) << QSize(150, 90);
        QTest::newRow("shrunk") << planar << QSize(496, 218) << QSize(99, 43);
        QTest::newRow("odd sizes") << planar << QSize(63, 31) << QSize(41, 17);
        QTest::newRow("V plane first") << swapped << QSize(64, 32) << QSize(100, 50);
    }
    void frameConvertedAtItsShownSize() {
        QFETCH(int, format);
        QFETCH(QSize, source);
        QFETCH(QSize, shown);
        // black, white, red, blue (limited-range BT.601)
        const QVideoFrame frame =
            quadrantFrame(source, QVideoFrameFormat::PixelFormat(format),
                          {{{16, 128, 128}, {235, 128, 128}, {81, 90, 240}, {41, 240, 110}}});
        QVERIFY(frame.isValid());
        const QImage image = trainer::videoFrameImage(frame, shown);
        QCOMPARE(image.size(), shown);
        const auto near = [](QRgb actual, QRgb expected) {
            return qAbs(qRed(actual) - qRed(expected)) <= 3 &&
                   qAbs(qGreen(actual) - qGreen(expected)) <= 3 &&
                   qAbs(qBlue(actual) - qBlue(expected)) <= 3;
        };
        const int right = shown.width() - 1, bottom = shown.height() - 1;
        QVERIFY(near(image.pixel(0, 0), qRgb(0, 0, 0)));
        QVERIFY(near(image.pixel(right, 0), qRgb(255, 255, 255)));
        QVERIFY(near(image.pixel(0, bottom), qRgb(255, 0, 0)));
        QVERIFY(near(image.pixel(right, bottom), qRgb(0, 0, 255)));
        // the quadrants meet in the middle, give or take a pixel
        QVERIFY(near(image.pixel(shown.width() / 2 - 2, shown.height() / 2 - 2), qRgb(0, 0, 0)));
        QVERIFY(near(image.pixel(shown.width() / 2 + 1, shown.height() / 2 + 1), qRgb(0, 0, 255)));
    }

    void undecodableClipStaysStopped() {
        TrainerHarness h;
        trainer::ClipPlayer &player = *h.form().wmp;
        if (!player.available())
            QSKIP("no media backend on this machine");
        const QString path = h.folder() + u"/broken.webm"_s;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        int notifications = 0;
        QObject::connect(&player, &trainer::ClipPlayer::PlayStateChange, [&](int state) {
            ++notifications;
            if (state == trainer::ClipPlayer::Stopped)
                player.play(); // what the window does: it must not spin on a broken clip
        });
        player.setUrl(path);
        player.play();
        QTRY_COMPARE(player.playState(), trainer::ClipPlayer::Stopped);
        QTest::qWait(500);
        QCOMPARE(player.playState(), trainer::ClipPlayer::Stopped);
        QVERIFY(notifications <= 2);
    }
};

QTEST_MAIN(ClipPlayerTest)
#include "tst_clipplayer.moc"
