#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace core {

// Values taken from a bank (chapter numbers, ids) are pasted into SQL texts. A hostile bank
// could hold anything there, so a value is pasted only as the decimal text of a whole number:
// digits with an optional leading '-', no blanks, within 64 bits. Anything else gives nullopt,
// and the caller treats the step as failed.
std::optional<QString> wholeNumberText(const QVariant &value);

// Whether text is exactly such a decimal whole number (e.g. a chapter number kept as text).
bool isWholeNumber(const QString &text);

} // namespace core
