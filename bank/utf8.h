#pragma once

#include <QString>

namespace bank {

// QString::fromUtf8 with a fast path for what a question bank holds (ASCII and Chinese, one to
// three bytes a character): the record set converts every text field it hands out, and this
// is most of the cost of reading a record. Anything else (four-byte characters, malformed
// bytes) goes to QString::fromUtf8, so the result is always the same as Qt's.
QString fromUtf8(const char *data, qsizetype size);

} // namespace bank
