#include "mediabackend.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace trainer {

bool gstreamerPlaybackPluginFound(const QStringList &folders) {
    for (const QString &folder : folders) {
        for (const char *file : {"/libgstplayback.so", "/libgstplayback.dll"}) {
            if (QFileInfo::exists(folder + QLatin1String(file)))
                return true;
        }
    }
    return false;
}

#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)

bool mediaBackendUsable() {
    return true;
} // the platform's own media framework

#else

namespace {

// Folders GStreamer loads its plugins from: the environment's choice, else the usual places.
QStringList pluginFolders() {
    QStringList folders;
    for (const char *variable : {"GST_PLUGIN_SYSTEM_PATH_1_0", "GST_PLUGIN_SYSTEM_PATH",
                                 "GST_PLUGIN_PATH_1_0", "GST_PLUGIN_PATH"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            folders += value.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    }
    folders += {u"/usr/lib/gstreamer-1.0"_s, u"/usr/lib64/gstreamer-1.0"_s,
                u"/usr/local/lib/gstreamer-1.0"_s};
    const QDir usrLib(u"/usr/lib"_s);
    for (const QString &multiarch : usrLib.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        folders += usrLib.filePath(multiarch + u"/gstreamer-1.0"_s);
    return folders;
}

} // namespace

bool mediaBackendUsable() {
    static const bool usable = [] {
        if (qEnvironmentVariable("QT_MEDIA_BACKEND") == u"ffmpeg"_s)
            return true;
        return gstreamerPlaybackPluginFound(pluginFolders());
    }();
    return usable;
}

#endif

} // namespace trainer
