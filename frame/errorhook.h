#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace frame {

// A failure inside the frame: the number and description its reporting hook receives.
class FrameError : public std::exception {
public:
    FrameError(int number, QString description)
        : m_number(number), m_description(std::move(description)) {}
    int number() const { return m_number; }
    const QString &description() const { return m_description; }
    const char *what() const noexcept override { return "ruZuvoz failure"; }

private:
    int m_number;
    QString m_description;
};

// The frame's reporting hook: every procedure hands its failure here and leaves normally.
// The default hook discards them, so no failure of the frame reaches the host or the learner;
// each is also logged under safedrive.frame.
using ErrorHook = std::function<void(int number, const QString &description, const QString &source,
                                     const QString &procedure)>;

// Installs a hook (an empty one restores the discarding default); returns the previous one.
ErrorHook setErrorHook(ErrorHook hook);

void reportError(int number, const QString &description, const QString &procedure);

// Runs one procedure's body; a failure inside it goes to the hook under the procedure's name.
template <typename Body> void guarded(const char *procedure, Body &&body) {
    try {
        body();
    } catch (const FrameError &e) {
        reportError(e.number(), e.description(), QLatin1String(procedure));
    } catch (const std::exception &e) {
        reportError(-1, QString::fromLocal8Bit(e.what()), QLatin1String(procedure));
    }
}

// The error numbers the frame raises itself.
namespace errors {
inline constexpr int DivisionByZero = 11;
inline constexpr int NoSuchElement = 340;
} // namespace errors

} // namespace frame
