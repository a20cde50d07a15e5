#include "core/guard.h"

#include "core/error.h"

using namespace Qt::Literals::StringLiterals;

namespace core {

void logSwallowed(const QLoggingCategory &category, const char *step, const std::exception &e) {
    if (!category.isInfoEnabled())
        return;
    const auto *error = dynamic_cast<const Error *>(&e);
    const QString reason =
        error ? u'[' + QString::number(error->number()) + u"] "_s + error->description()
              : QString::fromUtf8(e.what());
    qCInfo(category).noquote() << QLatin1String(step) << "failed:" << reason;
}

} // namespace core
