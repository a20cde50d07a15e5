#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace frame {

// A window's stored settings for its frame: key/value pairs matched without regard to case,
// kept in writing order. Read from a QVariantMap or a small JSON object.
class PropertyStore {
public:
    PropertyStore() = default;
    static PropertyStore fromVariantMap(const QVariantMap &map);
    // A JSON object of keys and numbers/booleans; anything else yields an empty store.
    static PropertyStore fromJson(const QByteArray &json);
    // Loads a JSON resource or file; a missing or unreadable one yields an empty store.
    static PropertyStore fromFile(const QString &path);

    // The stored value, or defaultValue when the key is missing.
    QVariant ReadProperty(const QString &key, const QVariant &defaultValue = {}) const;
    // Stores the value unless it equals defaultValue (then any stored value is dropped).
    void WriteProperty(const QString &key, const QVariant &value,
                       const QVariant &defaultValue = {});

    bool contains(const QString &key) const;
    QStringList keys() const;
    bool isEmpty() const { return m_entries.isEmpty(); }
    QByteArray toJson() const;

private:
    qsizetype indexOf(const QString &key) const;
    QList<QPair<QString, QVariant>> m_entries;
};

} // namespace frame
