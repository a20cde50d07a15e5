#include "clipbackend.h"

#include "core/log.h"

#include <QCoreApplication>
#include <QLibrary>

namespace trainer {

namespace {

// Installed, the module sits beside the program; in a build tree, in the build's module folder.
QStringList moduleCandidates() {
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/safedrive-clips"),
            QStringLiteral(SAFEDRIVE_BUILD_MODULE_DIR "/safedrive-clips")};
}

} // namespace

std::unique_ptr<ClipBackend> loadClipBackend(ClipBackend::Reports reports) {
    QStringList reasons;
    for (const QString &candidate : moduleCandidates()) {
        // Once loaded, the module stays for the rest of the run: the backend's code lives there.
        QLibrary module(candidate);
        const auto create = reinterpret_cast<CreateClipBackend>(module.resolve(kCreateClipBackend));
        if (create)
            return std::unique_ptr<ClipBackend>(create(std::move(reports)));
        reasons << module.errorString();
    }
    qCWarning(core::lcTrainer()).noquote() << "no clip player:" << reasons.join(u"; ");
    return nullptr;
}

} // namespace trainer
