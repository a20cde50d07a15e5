#pragma once

#include <QString>

#include <stdexcept>

namespace bank {

// A failure of the question-bank layer: the engine's number and its description.
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

// Runs one step of a sequence whose steps are each allowed to fail quietly
// ("errors ignored, go on with the next step"). Returns whether the step succeeded.
template <class Step> bool tryStep(Step &&step) noexcept {
    try {
        step();
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace bank
