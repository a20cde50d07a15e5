#include "largeimage.h"

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace core {

#ifdef Q_OS_LINUX

namespace {

constexpr size_t kHugePage = size_t(2) << 20;

struct Mapping {
    void *start;
    size_t length;
};

void unmap(void *info) {
    const auto *mapping = static_cast<Mapping *>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

} // namespace

QImage largeImage(QSize size, QImage::Format format) {
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    if (size.isEmpty() || depth < 8)
        return QImage(size, format);
    const qsizetype bytesPerLine = (qsizetype(size.width()) * depth / 8 + 3) & ~qsizetype(3);
    const size_t bytes = size_t(bytesPerLine) * size_t(size.height());
    if (bytes < kHugePage)
        return QImage(size, format);

    // Mapped one huge page longer, so that the pixels can start on a huge page's boundary.
    const size_t length = bytes + kHugePage;
    void *start = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED)
        return QImage(size, format);
    auto *pixels = reinterpret_cast<uchar *>((reinterpret_cast<quintptr>(start) + kHugePage - 1) &
                                             ~quintptr(kHugePage - 1));
    madvise(pixels, bytes, MADV_HUGEPAGE); // only advice: refused, the pages are ordinary ones
    return QImage(pixels, size.width(), size.height(), bytesPerLine, format, unmap,
                  new Mapping{start, length});
}

#else

QImage largeImage(QSize size, QImage::Format format) {
    return QImage(size, format);
}

#endif

} // namespace core
