// The WebM header reader on hand-built EBML files: what it reads and what it refuses.
#include "webm_probe.h"

#include <QTest>
#include <QtEndian>

#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace {

// Element ids keep their marker bits; sizes use the shortest length unless forced.
QByteArray element(quint32 id, const QByteArray &body) {
    QByteArray out;
    for (int shift = 24; shift >= 0; shift -= 8)
        if ((id >> shift) || !out.isEmpty())
            out.append(char((id >> shift) & 0xFF));
    const quint64 size = quint64(body.size());
    int length = 1;
    while (length < 8 && size >= (quint64(1) << (7 * length)) - 1)
        ++length;
    for (int i = length - 1; i >= 0; --i) {
        quint8 byte = quint8(size >> (8 * i));
        if (i == length - 1)
            byte |= quint8(0x80 >> (length - 1));
        out.append(char(byte));
    }
    return out + body;
}

QByteArray unsignedBody(quint64 value, int bytes) {
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char((value >> (8 * i)) & 0xFF));
    return out;
}

QByteArray doubleBody(double value) {
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return unsignedBody(bits, 8);
}

QByteArray floatBody(float value) {
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return unsignedBody(bits, 4);
}

QByteArray header(const QByteArray &docType) {
    return element(0x1A45DFA3, element(0x4286, unsignedBody(1, 1)) + element(0x4282, docType));
}

QByteArray track(int type, const QByteArray &codec, int width = 0, int height = 0) {
    QByteArray body = element(0xD7, unsignedBody(1, 1)) + element(0x83, unsignedBody(type, 1)) +
                      element(0x86, codec);
    if (width)
        body += element(0xE0, element(0xB0, unsignedBody(width, 2)) +
                                  element(0xBA, unsignedBody(height, 2)));
    return element(0xAE, body);
}

QByteArray segment(const QByteArray &info, const QByteArray &tracks) {
    const QByteArray cluster = element(0x1F43B675, element(0xE7, unsignedBody(0, 1)));
    return element(0x18538067, element(0x1549A966, info) + element(0x1654AE6B, tracks) + cluster);
}

} // namespace

class TestWebmProbe : public QObject {
    Q_OBJECT

private slots:
    void readsFacts_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("docType");
        QTest::addColumn<double>("duration");
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<QString>("firstCodec");
        QTest::addColumn<int>("firstWidth");

        const QByteArray msScale = element(0x2AD7B1, unsignedBody(1000000, 3));
        QTest::newRow("VP8, 8-byte duration in ms")
            << header("webm") + segment(msScale + element(0x4489, doubleBody(4000.0)),
                                        track(1, "V_VP8", 496, 218))
            << u"webm"_s << 4.0 << QList<int>{1} << u"V_VP8"_s << 496;
        QTest::newRow("4-byte duration in a microsecond scale")
            << header("webm") + segment(element(0x2AD7B1, unsignedBody(1000, 2)) +
                                            element(0x4489, floatBody(2500000.f)),
                                        track(1, "V_VP9", 320, 240))
            << u"webm"_s << 2.5 << QList<int>{1} << u"V_VP9"_s << 320;
        QTest::newRow("default scale when the info omits it")
            << header("webm") + segment(element(0x4489, doubleBody(5500.0)), track(1, "V_VP8"))
            << u"webm"_s << 5.5 << QList<int>{1} << u"V_VP8"_s << 0;
        QTest::newRow("no duration") << header("webm") + segment(msScale, track(1, "V_VP8"))
                                     << u"webm"_s << -1.0 << QList<int>{1} << u"V_VP8"_s << 0;
        QTest::newRow("audio beside video")
            << header("webm") + segment(msScale + element(0x4489, doubleBody(3000.0)),
                                        track(1, "V_VP8", 64, 48) + track(2, "A_VORBIS"))
            << u"webm"_s << 3.0 << QList<int>{1, 2} << u"V_VP8"_s << 64;
        QTest::newRow("matroska document")
            << header("matroska") + segment(msScale + element(0x4489, doubleBody(2000.0)),
                                            track(1, "V_MPEG4/ISO/AVC"))
            << u"matroska"_s << 2.0 << QList<int>{1} << u"V_MPEG4/ISO/AVC"_s << 0;

        // A live-written segment declares an unknown size (all value bits set).
        QByteArray live = segment(msScale + element(0x4489, doubleBody(6000.0)), track(1, "V_VP8"));
        const QByteArray unknownSize("\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 8);
        const int sizeBytes =
            1 + (quint8(live[4]) & 0x80 ? 0 : 1); // short bodies: 1 or 2 size bytes
        live = live.left(4) + unknownSize + live.mid(4 + sizeBytes);
        QTest::newRow("segment of unknown size")
            << header("webm") + live << u"webm"_s << 6.0 << QList<int>{1} << u"V_VP8"_s << 0;
    }
    void readsFacts() {
        QFETCH(QByteArray, file);
        QFETCH(QString, docType);
        QFETCH(double, duration);
        QFETCH(QList<int>, types);
        QFETCH(QString, firstCodec);
        QFETCH(int, firstWidth);
        QString error;
        const auto facts = mediagen::probeWebm(file, &error);
        QVERIFY2(facts, qPrintable(error));
        QCOMPARE(facts->docType, docType);
        QCOMPARE(facts->durationSeconds, duration);
        QList<int> seen;
        for (const auto &t : facts->tracks)
            seen << t.type;
        QCOMPARE(seen, types);
        QCOMPARE(facts->tracks.first().codec, firstCodec);
        QCOMPARE(facts->tracks.first().width, firstWidth);
    }

    void refusesBrokenFiles_data() {
        QTest::addColumn<QByteArray>("file");
        const QByteArray good =
            header("webm") + segment(element(0x4489, doubleBody(4000.0)), track(1, "V_VP8"));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("RIFF file") << QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
        QTest::newRow("header cut short") << good.left(10);
        QTest::newRow("header without segment") << header("webm");
        QTest::newRow("cluster before segment")
            << header("webm") + element(0x1F43B675, QByteArray(4, '\0'));
        QTest::newRow("id longer than four bytes") << QByteArray("\x08\x1A\x45\xDF\xA3\x80", 6);
    }
    void refusesBrokenFiles() {
        QFETCH(QByteArray, file);
        QString error;
        QVERIFY(!mediagen::probeWebm(file, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWebmProbe)
#include "tst_webmprobe.moc"
