#pragma once

#include <QFile>
#include <QString>

// The path of the file named name (a module, a library) mapped into this process; empty when
// none is.
inline QString mappedFile(const QString &name) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const qsizetype slash = line.indexOf('/');
        if (slash < 0)
            continue;
        const QString path = QString::fromUtf8(line.mid(slash));
        if (path.endsWith(u'/' + name))
            return path;
    }
    return {};
}
