#include "core/wholenumber.h"

#include <limits>

namespace core {

bool isWholeNumber(const QString &text) {
    const qsizetype digitsFrom = text.startsWith(u'-') ? 1 : 0;
    if (text.size() == digitsFrom)
        return false;
    for (qsizetype i = digitsFrom; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    }
    bool fits = false;
    text.toLongLong(&fits);
    return fits;
}

std::optional<QString> wholeNumberText(const QVariant &value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return QString::number(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::UShort: {
        const qulonglong number = value.toULongLong();
        if (number > qulonglong(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        return QString::number(number);
    }
    case QMetaType::QString: {
        const QString text = value.toString();
        if (!isWholeNumber(text))
            return std::nullopt;
        return QString::number(text.toLongLong()); // "007" pastes as 7
    }
    default:
        return std::nullopt; // Null, reals, blobs and everything else
    }
}

} // namespace core
