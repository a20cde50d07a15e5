#include "videoframeimage.h"

#include <QVideoFrame>

#include <algorithm>
#include <vector>

namespace trainer {

namespace {

quint8 clamped(int value) {
    return quint8(std::clamp(value, 0, 255));
}

// Limited-range BT.601 in 16.16 fixed point, as VP8 and VP9 clips are encoded.
QRgb rgbOf(int y, int u, int v) {
    const int c = (y - 16) * 76309;
    const int d = u - 128;
    const int e = v - 128;
    return qRgb(clamped((c + 104597 * e + 32768) >> 16),
                clamped((c - 25675 * d - 53279 * e + 32768) >> 16),
                clamped((c + 132201 * d + 32768) >> 16));
}

// Which source column or row each target one samples.
std::vector<int> samples(int target, int source) {
    std::vector<int> at(size_t(std::max(target, 0)));
    for (int i = 0; i < target; ++i)
        at[size_t(i)] = int((qint64(i) * 2 + 1) * source / (qint64(target) * 2));
    return at;
}

QImage fromPlanarYuv420(const QVideoFrame &mapped, QSize size, bool vFirst) {
    QImage image(size, QImage::Format_RGB32);
    const std::vector<int> xs = samples(size.width(), mapped.width());
    const std::vector<int> ys = samples(size.height(), mapped.height());
    const uchar *luma = mapped.bits(0);
    const uchar *blue = mapped.bits(vFirst ? 2 : 1);
    const uchar *red = mapped.bits(vFirst ? 1 : 2);
    const int lumaStride = mapped.bytesPerLine(0);
    const int chromaStride = mapped.bytesPerLine(1);
    // An odd height may leave the chroma planes a row short (Qt rounds down, GStreamer up).
    const int lastChromaRow = std::max(mapped.mappedBytes(1) / std::max(chromaStride, 1) - 1, 0);
    for (int row = 0; row < size.height(); ++row) {
        const int y = ys[size_t(row)];
        const uchar *lumaRow = luma + qsizetype(y) * lumaStride;
        const qsizetype chromaRow = std::min(y / 2, lastChromaRow);
        const uchar *blueRow = blue + chromaRow * chromaStride;
        const uchar *redRow = red + chromaRow * chromaStride;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(row));
        for (int column = 0; column < size.width(); ++column) {
            const int x = xs[size_t(column)];
            out[column] = rgbOf(lumaRow[x], blueRow[x / 2], redRow[x / 2]);
        }
    }
    return image;
}

} // namespace

QImage videoFrameImage(const QVideoFrame &frame, QSize size) {
    if (!frame.isValid() || size.isEmpty())
        return {};
    const auto format = frame.pixelFormat();
    if (format == QVideoFrameFormat::Format_YUV420P || format == QVideoFrameFormat::Format_YV12) {
        QVideoFrame mapped(frame);
        if (mapped.map(QVideoFrame::ReadOnly)) {
            const bool vFirst = format == QVideoFrameFormat::Format_YV12;
            QImage image =
                mapped.planeCount() == 3 ? fromPlanarYuv420(mapped, size, vFirst) : QImage();
            mapped.unmap();
            if (!image.isNull())
                return image;
        }
    }
    return frame.toImage().scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace trainer
