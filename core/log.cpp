#include "core/log.h"

namespace core {

Q_LOGGING_CATEGORY(lcBank, "safedrive.bank", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTrainer, "safedrive.trainer", QtWarningMsg)
Q_LOGGING_CATEGORY(lcFrame, "safedrive.frame", QtWarningMsg)

} // namespace core
