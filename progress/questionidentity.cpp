#include "questionidentity.h"

#include <QCryptographicHash>

namespace progress {

QString questionHash(const QString &stem, const QStringList &options, const QString &answer) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    // Unit separators keep "ab"+"c" apart from "a"+"bc".
    const auto addField = [&hash](const QString &field) {
        hash.addData(field.toUtf8());
        hash.addData(QByteArrayView("\x1f", 1));
    };
    addField(stem);
    for (const QString &option : options)
        addField(option);
    addField(answer);
    return QString::fromLatin1(hash.result().toHex().left(16));
}

} // namespace progress
