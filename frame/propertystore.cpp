#include "frame/propertystore.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace frame {

PropertyStore PropertyStore::fromVariantMap(const QVariantMap &map) {
    PropertyStore store;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        store.WriteProperty(it.key(), it.value());
    return store;
}

PropertyStore PropertyStore::fromJson(const QByteArray &json) {
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return {};
    PropertyStore store;
    const QJsonObject object = document.object();
    // QJsonObject sorts its keys; the order of reading is fixed by the reader, not the store.
    for (auto it = object.begin(); it != object.end(); ++it)
        store.WriteProperty(it.key(), it.value().toVariant());
    return store;
}

PropertyStore PropertyStore::fromFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromJson(file.readAll());
}

qsizetype PropertyStore::indexOf(const QString &key) const {
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).first.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant PropertyStore::ReadProperty(const QString &key, const QVariant &defaultValue) const {
    const qsizetype i = indexOf(key);
    return i < 0 ? defaultValue : m_entries.at(i).second;
}

void PropertyStore::WriteProperty(const QString &key, const QVariant &value,
                                  const QVariant &defaultValue) {
    const qsizetype i = indexOf(key);
    if (defaultValue.isValid() && value == defaultValue) {
        if (i >= 0)
            m_entries.removeAt(i);
        return;
    }
    if (i >= 0)
        m_entries[i].second = value;
    else
        m_entries.append({key.toLower(), value});
}

bool PropertyStore::contains(const QString &key) const {
    return indexOf(key) >= 0;
}

QStringList PropertyStore::keys() const {
    QStringList result;
    for (const auto &entry : m_entries)
        result << entry.first;
    return result;
}

QByteArray PropertyStore::toJson() const {
    QJsonObject object;
    for (const auto &entry : m_entries)
        object.insert(entry.first, QJsonValue::fromVariant(entry.second));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace frame
