// Renders the catalogue's clips frame by frame and encodes them with ffmpeg as looping,
// video-only WebM (VP8) files in editions/media/clips.
#include "clip_frames.h"
#include "drawers.h"
#include "outputs.h"
#include "webm_probe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

// Writes frame_0000.png ... into folder.
bool renderFrames(const ClipDrawer &clip, const QString &folder) {
    const ClipFrames frames(clip);
    for (int i = 0; i < frames.count(); ++i)
        if (!frames.frame(i).save(u"%1/frame_%2.png"_s.arg(folder).arg(i, 4, 10, QChar(u'0'))))
            return false;
    return true;
}

// Bit-exact, single-threaded encoding: regenerating unchanged drawings changes no file.
bool encode(const QString &folder, const QString &target, QString *error) {
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(u"ffmpeg"_s, {u"-y"_s,
                               u"-v"_s,
                               u"error"_s,
                               u"-framerate"_s,
                               QString::number(kClipFps),
                               u"-i"_s,
                               folder + u"/frame_%04d.png"_s,
                               u"-an"_s,
                               u"-c:v"_s,
                               u"libvpx"_s,
                               u"-b:v"_s,
                               u"260k"_s,
                               u"-crf"_s,
                               u"10"_s,
                               u"-qmin"_s,
                               u"4"_s,
                               u"-qmax"_s,
                               u"48"_s,
                               u"-g"_s,
                               QString::number(kClipFps * 2),
                               u"-auto-alt-ref"_s,
                               u"0"_s,
                               u"-pix_fmt"_s,
                               u"yuv420p"_s,
                               u"-threads"_s,
                               u"1"_s,
                               u"-fflags"_s,
                               u"+bitexact"_s,
                               u"-flags:v"_s,
                               u"+bitexact"_s,
                               u"-f"_s,
                               u"webm"_s,
                               target});
    if (!ffmpeg.waitForStarted()) {
        *error = u"cannot start ffmpeg (install it with scripts/deps.sh media)"_s;
        return false;
    }
    ffmpeg.waitForFinished(-1);
    if (ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0) {
        *error = QString::fromLocal8Bit(ffmpeg.readAll());
        return false;
    }
    return true;
}

// Reads the written file back: a clip the trainer cannot use is a failed run.
bool verify(const QString &path, double seconds, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    const auto facts = probeWebm(file.readAll(), error);
    if (!facts)
        return false;
    if (facts->tracks.size() != 1 || facts->tracks.first().codec != u"V_VP8"_s ||
        std::abs(facts->durationSeconds - seconds) > 0.2) {
        *error = u"unexpected tracks or duration %1 s"_s.arg(facts->durationSeconds);
        return false;
    }
    return true;
}

} // namespace

bool writeClips(const QString &root, const QStringList &names) {
    QTextStream out(stdout);
    const QString folder = root + u"/editions/media/clips"_s;
    QDir().mkpath(folder);
    QSet<QString> drawn;
    bool ok = true;
    for (const auto &clip : allClips()) {
        const QString name = QString::fromLatin1(clip.name);
        drawn.insert(name);
        if (!names.contains(name)) {
            out << "not in the catalogue: " << name << '\n';
            ok = false;
            continue;
        }
        QTemporaryDir frames;
        QString error;
        const QString target = folder + u'/' + name;
        if (!frames.isValid() || !renderFrames(clip, frames.path()) ||
            !encode(frames.path(), target, &error) || !verify(target, clip.seconds, &error)) {
            out << "clip " << name << " failed: " << error << '\n';
            ok = false;
            continue;
        }
        out << name << ' ' << QFileInfo(target).size() / 1024 << " KB\n";
        out.flush();
    }
    for (const QString &name : names)
        if (!drawn.contains(name)) {
            out << "no drawing for catalogue clip " << name << '\n';
            ok = false;
        }
    return ok;
}

} // namespace mediagen
