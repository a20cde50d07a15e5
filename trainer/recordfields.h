#pragma once

#include "bank/recordset.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace trainer {

// Reading the current record the way every handler does.

// The field as text; Null reads as the empty text.
inline QString fieldText(const bank::RecordSet &set, const QString &name) {
    const QVariant value = set.field(name);
    return value.isValid() ? value.toString() : QString();
}

// Neither Null nor the empty text.
inline bool fieldPresent(const bank::RecordSet &set, const QString &name) {
    return !fieldText(set, name).isEmpty();
}

// The field compared as a number (the question type "2" equals 2); Null or a text that is no
// number has no value.
inline std::optional<double> fieldNumber(const bank::RecordSet &set, const QString &name) {
    bool ok = false;
    const double number = fieldText(set, name).trimmed().toDouble(&ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

} // namespace trainer
