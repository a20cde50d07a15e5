#pragma once

#include "bankmodel.h"

#include <QByteArray>

namespace banktool {

// A JSON source read into bank rows, and every way it breaks the source format (syntax, types,
// missing or unknown fields). An element with such a problem is left out of `bank`, except that
// a chapter whose id reads still counts as a chapter, so its questions are not reported as
// orphans as well.
struct ParsedSource {
    Bank bank;
    QList<Problem> problems;
};

ParsedSource parseSource(const QByteArray &json);

} // namespace banktool
