#pragma once

#include "platform/ole/error/Error.h"
#include "platform/ole/error/UnhandledError.h"

namespace ole {

// Runs one step of a sequence that carries on after the step fails with an automation error, as
// resume-next handling does. Anything else (std::logic_error, std::bad_alloc ...) is a fault of
// ours, not a refusal: it goes to the unhandled-error report, where tests see it, and the sequence
// still carries on.
template <class F>
void ResumeNext(F&& step) noexcept {
    try {
        step();
    } catch (const Error&) {
    } catch (...) {
        try {
            ReportCurrentException();
        } catch (...) {
        }
    }
}

} // namespace ole
