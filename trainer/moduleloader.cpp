#include "moduleloader.h"

#include "core/log.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

namespace trainer {

QFunctionPointer moduleEntry(const char *module, const char *symbol) {
    const QString name = QLatin1String(module);
    QStringList reasons;
    for (const QString &folder :
         {QCoreApplication::applicationDirPath(), QStringLiteral(SAFEDRIVE_BUILD_MODULE_DIR)}) {
        QLibrary library(folder + u'/' + name);
        if (const QFunctionPointer entry = library.resolve(symbol))
            return entry;
        reasons << library.errorString();
    }
    qCWarning(core::lcTrainer()).noquote() << "cannot load" << name << ":" << reasons.join(u"; ");
    return nullptr;
}

} // namespace trainer
