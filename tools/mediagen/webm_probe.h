// Reads the facts a player needs from a WebM file's EBML header, segment info and tracks,
// without decoding any frame.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace mediagen {

struct WebmTrack {
    int type = 0;  // 1 video, 2 audio, as the Matroska track types
    QString codec; // "V_VP8", "V_VP9", ...
    int width = 0;
    int height = 0;
};

struct WebmFacts {
    QString docType;
    double durationSeconds = -1; // -1: the segment info gives no duration
    QList<WebmTrack> tracks;
};

// The facts of a WebM (Matroska) file held in memory; nothing when it is not well-formed
// EBML, with the reason in error.
std::optional<WebmFacts> probeWebm(const QByteArray &data, QString *error);

} // namespace mediagen
