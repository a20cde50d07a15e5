#include "frame/errorhook.h"

#include "core/log.h"

using namespace Qt::Literals::StringLiterals;

namespace frame {

namespace {
ErrorHook &currentHook() {
    static ErrorHook hook;
    return hook;
}
} // namespace

ErrorHook setErrorHook(ErrorHook hook) {
    ErrorHook previous = std::move(currentHook());
    currentHook() = std::move(hook);
    return previous;
}

void reportError(int number, const QString &description, const QString &procedure) {
    qCInfo(core::lcFrame).noquote()
        << "ruZuvoz" << procedure
        << "failed:" << u'[' + QString::number(number) + u"] "_s + description;
    if (currentHook())
        currentHook()(number, description, u"ruZuvoz"_s, procedure);
}

} // namespace frame
