#include "core/mediapath.h"

#include <QDir>

#include <algorithm>

namespace core {

namespace {

// Whether a media name, with '/' as its separator, stays inside its folder.
bool staysInsideFolder(const QString &name) {
    if (name.isEmpty() || name.startsWith(u'/'))
        return false; // absolute path, UNC path, or nothing but separators
    for (const QChar c : name) {
        if (c == u':' || c.unicode() < 0x20)
            return false; // a drive letter or stream name; control characters
    }
    for (const QString &segment : name.split(u'/')) {
        // "..", and also "... " which Windows trims to a walk upwards; an empty last segment
        // names a folder, not a file.
        const bool onlyDotsAndBlanks = std::all_of(segment.cbegin(), segment.cend(),
                                                   [](QChar c) { return c == u'.' || c == u' '; });
        if (onlyDotsAndBlanks)
            return false;
    }
    return true;
}

} // namespace

std::optional<QString> mediaFilePath(const QString &programFolder, const QString &folder,
                                     const QString &name) {
    QString relative = QString(name).replace(u'\\', u'/');
    // The bank keeps the joining separator at the front of the name ("\12.png").
    if (relative.startsWith(u'/'))
        relative.remove(0, 1);
    if (!staysInsideFolder(relative))
        return std::nullopt;
    const QString folderPath = QString(programFolder + folder).replace(u'\\', u'/');
    return QDir::toNativeSeparators(folderPath + u'/' + relative);
}

} // namespace core
