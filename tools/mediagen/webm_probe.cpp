#include "webm_probe.h"

#include <QtEndian>

#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace mediagen {

namespace {

// Element ids keep their length-marker bits, as the Matroska tables write them.
enum : quint32 {
    kEbml = 0x1A45DFA3,
    kDocType = 0x4282,
    kSegment = 0x18538067,
    kInfo = 0x1549A966,
    kTimecodeScale = 0x2AD7B1,
    kDuration = 0x4489,
    kTracks = 0x1654AE6B,
    kTrackEntry = 0xAE,
    kTrackType = 0x83,
    kCodecId = 0x86,
    kVideo = 0xE0,
    kPixelWidth = 0xB0,
    kPixelHeight = 0xBA,
    kCluster = 0x1F43B675,
};

constexpr quint64 kUnknownSize = ~quint64(0);

struct Element {
    quint32 id = 0;
    qsizetype body = 0; // offset of the first byte after the size field
    qsizetype end = 0;  // offset after the body (clamped to the parent)
};

class Reader {
public:
    explicit Reader(const QByteArray &data) : m_data(data) {}

    // A variable-length integer at pos: its length comes from the leading zero bits.
    bool readVint(qsizetype &pos, qsizetype limit, quint64 &value, bool keepMarker) const {
        if (pos >= limit)
            return false;
        const auto first = quint8(m_data[pos]);
        int length = 1;
        while (length <= 8 && !(first & (0x80 >> (length - 1))))
            ++length;
        if (length > 8 || pos + length > limit)
            return false;
        quint64 v = keepMarker ? first : (first & (0xFF >> length));
        bool allOnes = v == (0xFFu >> length);
        for (int i = 1; i < length; ++i) {
            const auto byte = quint8(m_data[pos + i]);
            allOnes = allOnes && byte == 0xFF;
            v = (v << 8) | byte;
        }
        pos += length;
        value = (!keepMarker && allOnes) ? kUnknownSize : v;
        return true;
    }

    bool readElement(qsizetype &pos, qsizetype limit, Element &element) const {
        quint64 id = 0, size = 0;
        const qsizetype start = pos;
        // Matroska ids are at most four bytes long.
        if (!readVint(pos, limit, id, true) || pos - start > 4 ||
            !readVint(pos, limit, size, false))
            return false;
        element.id = quint32(id);
        element.body = pos;
        // An element of unknown size (a live-written segment) runs to the end of its parent.
        element.end =
            size == kUnknownSize || size > quint64(limit - pos) ? limit : pos + qsizetype(size);
        pos = element.end;
        return size == kUnknownSize || size <= quint64(limit - element.body);
    }

    quint64 uintValue(const Element &e) const {
        quint64 v = 0;
        for (qsizetype i = e.body; i < e.end && i < e.body + 8; ++i)
            v = (v << 8) | quint8(m_data[i]);
        return v;
    }

    std::optional<double> floatValue(const Element &e) const {
        const auto *bytes = reinterpret_cast<const uchar *>(m_data.constData() + e.body);
        if (e.end - e.body == 4) {
            const quint32 bits = qFromBigEndian<quint32>(bytes);
            float f;
            std::memcpy(&f, &bits, sizeof f);
            return f;
        }
        if (e.end - e.body == 8) {
            const quint64 bits = qFromBigEndian<quint64>(bytes);
            double d;
            std::memcpy(&d, &bits, sizeof d);
            return d;
        }
        return std::nullopt;
    }

    QString stringValue(const Element &e) const {
        // Strings may be padded with zero bytes.
        QByteArray text = m_data.mid(e.body, e.end - e.body);
        const auto zero = text.indexOf('\0');
        return QString::fromUtf8(zero < 0 ? text : text.left(zero));
    }

private:
    const QByteArray &m_data;
};

} // namespace

std::optional<WebmFacts> probeWebm(const QByteArray &data, QString *error) {
    const Reader reader(data);
    WebmFacts facts;
    qsizetype pos = 0;
    Element header;
    if (!reader.readElement(pos, data.size(), header) || header.id != kEbml) {
        *error = u"no EBML header"_s;
        return std::nullopt;
    }
    for (qsizetype at = header.body; at < header.end;) {
        Element e;
        if (!reader.readElement(at, header.end, e)) {
            *error = u"broken EBML header"_s;
            return std::nullopt;
        }
        if (e.id == kDocType)
            facts.docType = reader.stringValue(e);
    }
    Element segment;
    if (!reader.readElement(pos, data.size(), segment) || segment.id != kSegment) {
        *error = u"no segment after the EBML header"_s;
        return std::nullopt;
    }
    quint64 timecodeScale = 1000000; // nanoseconds per tick when the info does not say
    std::optional<double> ticks;
    for (qsizetype at = segment.body; at < segment.end;) {
        Element child;
        if (!reader.readElement(at, segment.end, child)) {
            *error = u"broken segment"_s;
            return std::nullopt;
        }
        if (child.id == kCluster)
            break; // the header facts all come before the first cluster
        if (child.id == kInfo) {
            for (qsizetype i = child.body; i < child.end;) {
                Element e;
                if (!reader.readElement(i, child.end, e))
                    break;
                if (e.id == kTimecodeScale)
                    timecodeScale = reader.uintValue(e);
                else if (e.id == kDuration)
                    ticks = reader.floatValue(e);
            }
        } else if (child.id == kTracks) {
            for (qsizetype i = child.body; i < child.end;) {
                Element entry;
                if (!reader.readElement(i, child.end, entry))
                    break;
                if (entry.id != kTrackEntry)
                    continue;
                WebmTrack track;
                for (qsizetype j = entry.body; j < entry.end;) {
                    Element e;
                    if (!reader.readElement(j, entry.end, e))
                        break;
                    if (e.id == kTrackType)
                        track.type = int(reader.uintValue(e));
                    else if (e.id == kCodecId)
                        track.codec = reader.stringValue(e);
                    else if (e.id == kVideo)
                        for (qsizetype k = e.body; k < e.end;) {
                            Element v;
                            if (!reader.readElement(k, e.end, v))
                                break;
                            if (v.id == kPixelWidth)
                                track.width = int(reader.uintValue(v));
                            else if (v.id == kPixelHeight)
                                track.height = int(reader.uintValue(v));
                        }
                }
                facts.tracks << track;
            }
        }
    }
    if (ticks)
        facts.durationSeconds = *ticks * double(timecodeScale) / 1e9;
    return facts;
}

} // namespace mediagen
