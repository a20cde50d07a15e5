#pragma once

#include "bank/error.h"

#include <QString>

namespace bank {

// Why a bank could not be opened, in plain Chinese for the learner ("文件不存在"), from the
// error that opening it (or its first statement) raised.
QString openFailureReason(const Error &error);

} // namespace bank
