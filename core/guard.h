#pragma once

#include <QLoggingCategory>

#include <exception>

namespace core {

// How one guarded step ended: its failure, or none.
struct StepOutcome {
    std::exception_ptr failure;
    bool succeeded() const { return !failure; }
};

// Writes a swallowed failure to the log: "<step> failed: [number] description".
void logSwallowed(const QLoggingCategory &category, const char *step, const std::exception &e);

// Runs one step of a sequence whose steps may each fail on their own ("errors ignored, go on
// with the next step"). A std::exception is logged under category and swallowed; anything else
// is a programming fault and passes.
template <class Step>
StepOutcome tryStep(const QLoggingCategory &category, const char *step, Step &&body) {
    try {
        body();
        return {};
    } catch (const std::exception &e) {
        logSwallowed(category, step, e);
        return {std::current_exception()};
    }
}

} // namespace core
