// A looping clip in the clip player, at the trainer window's clip size: the processor time the
// whole program spends per second of looping (all threads), and how much more memory the
// program holds while the clip loops than before the first clip was set.
// Prints: clip-play cpu_percent=… rss_growth_mib=…
#include "trainer/clipplayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <cstdio>

#include <unistd.h>

namespace {

constexpr int kWarmUpMs = 3000;
constexpr int kMeasureMs = 8000;

// user + system time of the whole process, in seconds
double processorSeconds() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    // fields after the command name (which may hold blanks): utime is the 12th, stime the 13th
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) /
           double(sysconf(_SC_CLK_TCK));
}

double rssMib() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    trainer::ClipPlayer player;
    player.resize(495, 217);
    player.show();
    if (!QTest::qWaitForWindowExposed(&player))
        return 1;
    QTest::qWait(200);
    const double before = rssMib();

    // Loops as the trainer window makes it loop: play again when it comes to its end.
    QObject::connect(&player, &trainer::ClipPlayer::PlayStateChange, [&](int state) {
        if (state == trainer::ClipPlayer::Stopped)
            player.play();
    });
    player.setUrl(QStringLiteral(SAFEDRIVE_CLIPS_DIR "/clip_tunnel.webm"));
    player.setStretchToFit(true);
    player.play();
    QTest::qWait(kWarmUpMs);
    if (player.playState() != trainer::ClipPlayer::Playing) {
        std::fprintf(stderr, "clip-play: the clip does not play\n");
        return 1;
    }

    const double startCpu = processorSeconds();
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(kMeasureMs);
    const double cpu = (processorSeconds() - startCpu) / (double(clock.nsecsElapsed()) / 1e9);
    std::printf("clip-play cpu_percent=%.1f rss_growth_mib=%.1f\n", cpu * 100, rssMib() - before);
    return 0;
}
