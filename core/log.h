#pragma once

#include <QLoggingCategory>

namespace core {

// One category per layer. Only warnings show by default; QT_LOGGING_RULES="safedrive.*=true"
// also shows every failure that a step guard swallowed, with its reason.
Q_DECLARE_LOGGING_CATEGORY(lcBank)
Q_DECLARE_LOGGING_CATEGORY(lcTrainer)
Q_DECLARE_LOGGING_CATEGORY(lcFrame)

} // namespace core
