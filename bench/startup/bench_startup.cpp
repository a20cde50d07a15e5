// Start-up: the shipped start path (the light edition's main, through the shared start function)
// against a bare Qt Widgets window of the same size built with the same flags, each from exec to
// its first paint, in pairs run back to back, on the platform of the environment. Prints the
// medians of each side, the median of the per-pair ratios and the medians of the peak memory at
// the first paint, under the name given as the argument ("start-up" by default):
// start-up ours_ms=… bare_ms=… ratio=… ours_rss_mib=… bare_rss_mib=…
#include <QCoreApplication>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kPairs = 21;

struct Run {
    double ms = 0;
    double rssMib = 0;
};

qint64 monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Exec to first paint, as the program reports it (see firstpaint.cpp).
bool runOnce(const QString &program, Run &run) {
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    const qint64 started = monotonicNs();
    process.start(program, {});
    if (!process.waitForFinished(30000))
        return false;
    const QByteArray out = process.readAllStandardOutput();
    const qsizetype paint = out.indexOf("paint_ns="), rss = out.indexOf("rss_kib=");
    if (paint < 0 || rss < 0)
        return false;
    const qint64 paintNs = out.mid(paint + 9, out.indexOf(' ', paint) - paint - 9).toLongLong();
    run.ms = double(paintNs - started) / 1e6;
    run.rssMib = out.mid(rss + 8).trimmed().toDouble() / 1024.0;
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    std::vector<double> oursMs, bareMs, ratios, oursRss, bareRss;
    for (int pair = 0; pair < kPairs + 1; ++pair) { // the first pair warms the file caches
        Run ours, bare;
        if (!runOnce(QStringLiteral(SAFEDRIVE_STARTUP_OURS), ours) ||
            !runOnce(QStringLiteral(SAFEDRIVE_STARTUP_BARE), bare)) {
            std::fprintf(stderr, "start-up: a program did not report its first paint\n");
            return 1;
        }
        if (pair == 0)
            continue;
        oursMs.push_back(ours.ms);
        bareMs.push_back(bare.ms);
        ratios.push_back(ours.ms / bare.ms);
        oursRss.push_back(ours.rssMib);
        bareRss.push_back(bare.rssMib);
    }
    const QByteArray name = argc > 1 ? QByteArray(argv[1]) : QByteArray("start-up");
    std::printf("%s ours_ms=%.1f bare_ms=%.1f ratio=%.2f ours_rss_mib=%.1f bare_rss_mib=%.1f\n",
                name.constData(), median(oursMs), median(bareMs), median(ratios), median(oursRss),
                median(bareRss));
    return 0;
}
