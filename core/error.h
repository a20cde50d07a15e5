#pragma once

#include <QString>

#include <stdexcept>

namespace core {

// The project's failure: a number and a description. The bank layer's errors derive from it;
// trainer code throws it for its own failures (a pool short of its quota, an id that is no
// whole number).
class Error : public std::runtime_error {
public:
    Error(int number, const QString &description)
        : std::runtime_error(description.toStdString()), m_number(number),
          m_description(description) {}

    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

} // namespace core
