#include "picturepreload.h"

#include "core/largeimage.h"

#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QMutex>

#include <future>

namespace trainer {

namespace {

struct Preloads {
    QMutex mutex;
    QHash<QString, std::shared_future<QImage>> pictures;
};

Preloads &preloads() {
    static Preloads instance;
    return instance;
}

bool everyPixelOpaque(const QImage &argb32) {
    for (int y = 0; y < argb32.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb32.constScanLine(y));
        for (int x = 0; x < argb32.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return false;
    }
    return true;
}

// Decoded straight into a format the screen takes as it is, so that making the pixmap neither
// converts nor copies it again; artwork saved with an alpha channel it does not use is opaque.
// The reader fills pixels laid out beforehand when their size and format are its own.
QImage decode(const QString &path) {
    if (path.isEmpty()) // an edition without one
        return QImage();
    QImageReader reader(path);
    QImage image = core::largeImage(reader.size(), reader.imageFormat());
    if (!reader.read(&image))
        return QImage();
    if (image.format() == QImage::Format_ARGB32 && everyPixelOpaque(image)) {
        image.reinterpretAsFormat(QImage::Format_RGB32);
        return image;
    }
    const bool alpha = image.hasAlphaChannel();
    return std::move(image).convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied
                                                  : QImage::Format_RGB32);
}

} // namespace

void preloadPicture(const QString &path) {
    Q_ASSERT(QCoreApplication::instance());
    Preloads &all = preloads();
    QMutexLocker lock(&all.mutex);
    if (!all.pictures.contains(path))
        all.pictures.insert(path, std::async(std::launch::async, decode, path).share());
}

QPixmap takePreloadedPixmap(const QString &path) {
    Preloads &all = preloads();
    std::shared_future<QImage> preloaded;
    {
        QMutexLocker lock(&all.mutex);
        preloaded = all.pictures.take(path);
    }
    QImage image = preloaded.valid() ? preloaded.get() : decode(path);
    preloaded = {}; // the last reference to the decoded image, so that it is moved, not copied
    return QPixmap::fromImage(std::move(image));
}

} // namespace trainer
