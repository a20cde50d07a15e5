#pragma once

#include <QString>

namespace bank {

// What a connection text names: the provider, the bank file and its database password.
struct ConnectionText {
    QString provider;
    QString dataSource; // with `\` already turned into '/'
    QString password;
    bool readOnly = false; // "Mode=Read"
};

// Parses "key=value;key=value" (key names in any case, spaces around `=` and `;` ignored).
// Throws Error when the provider is not the Jet provider or the Data Source is missing.
ConnectionText parseConnectionText(const QString &text);

} // namespace bank
