#include "utf8.h"

#include <QByteArrayView>

namespace bank {

QString fromUtf8(const char *data, qsizetype size) {
    if (QByteArrayView(data, size).startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(data, size); // Qt drops a leading byte order mark
    QString text(size, Qt::Uninitialized);    // never more UTF-16 units than bytes
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const auto *in = reinterpret_cast<const uchar *>(data);
    const uchar *const end = in + size;
    while (in < end) {
        const uchar lead = *in;
        if (lead < 0x80) {
            *out++ = lead;
            in += 1;
        } else if (lead >= 0xC2 && lead < 0xE0 && end - in >= 2 && (in[1] & 0xC0) == 0x80) {
            *out++ = char16_t(((lead & 0x1F) << 6) | (in[1] & 0x3F));
            in += 2;
        } else if (lead >= 0xE0 && lead < 0xF0 && end - in >= 3 && (in[1] & 0xC0) == 0x80 &&
                   (in[2] & 0xC0) == 0x80) {
            const char16_t unit =
                char16_t(((lead & 0x0F) << 12) | ((in[1] & 0x3F) << 6) | (in[2] & 0x3F));
            if (unit < 0x800 || (unit >= 0xD800 && unit <= 0xDFFF))
                return QString::fromUtf8(data, size); // overlong, or a lone surrogate
            *out++ = unit;
            in += 3;
        } else {
            return QString::fromUtf8(data, size);
        }
    }
    text.truncate(out - reinterpret_cast<char16_t *>(text.data()));
    return text;
}

} // namespace bank
