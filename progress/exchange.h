// The progress store's export file: one JSON document per edition, read back by a merge.
#pragma once

#include "progressstore.h"

#include <QByteArray>

#include <optional>

namespace progress {

// The whole of data as an export file for edition (for instance "safedrive-light").
QByteArray exportProgress(const ProgressData &data, const QString &edition);

// Reads an export file of edition. On any fault nothing is returned and error says, in plain
// Chinese, what is wrong (a file of another edition is refused as such).
std::optional<ProgressData> importProgress(const QByteArray &file, const QString &edition,
                                           QString *error);

} // namespace progress
