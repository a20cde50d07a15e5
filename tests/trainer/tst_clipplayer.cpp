// The clip player: a question's clip loops while it is shown, an empty URL stops it.
#include "trainerharness.h"

#include "trainer/clipplayer.h"
#include "trainer/mediabackend.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

// The shortest clip the editions ship, or nothing before the media are generated.
QString shortClip() {
    const QFileInfoList clips =
        QDir(QStringLiteral(SAFEDRIVE_CLIPS_DIR))
            .entryInfoList({u"*.webm"_s}, QDir::Files, QDir::Size | QDir::Reversed);
    return clips.isEmpty() ? QString() : clips.first().absoluteFilePath();
}

} // namespace

class ClipPlayerTest : public QObject {
    Q_OBJECT

private slots:
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
        // The frames are really drawn, stretched over the whole area.
        const QImage shown = h.form().wmp->grab().toImage();
        int lit = 0;
        for (int y = 0; y < shown.height(); y += 4)
            for (int x = 0; x < shown.width(); x += 4)
                lit += qGray(shown.pixel(x, y)) > 16;
        QVERIFY(lit > (shown.width() / 4) * (shown.height() / 4) / 2);

        // The next question empties the URL: the clip stops and stays stopped.
        h.click(u"imgNext"_s);
        QCOMPARE(h.text(u"lblTitle"_s), u"2.Q2"_s);
        QTRY_COMPARE(h.form().wmp->playState(), trainer::ClipPlayer::Stopped);
        QTest::qWait(300);
        QCOMPARE(h.form().wmp->playState(), trainer::ClipPlayer::Stopped);
        QVERIFY(!h.form().wmp->isVisible());
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
