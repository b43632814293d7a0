#include "platform/ole/error/UnhandledError.h"

#include "platform/win/test/TestApi.h"

#include <exception>
#include <utility>

namespace ole {

namespace {

// Bounded so a long-running host that never drains the log does not grow without limit.
constexpr size_t kKeptErrors = 64;

struct ErrorSink {
    UnhandledErrorHandler handler;
    std::vector<Error> recent;
};

ErrorSink& Sink() {
    thread_local ErrorSink sink;
    return sink;
}

[[maybe_unused]] const bool g_resetAdded =
    (win::test::AddResetStep([] { Sink().recent.clear(); }), true);

} // namespace

UnhandledErrorHandler SetUnhandledErrorHandler(UnhandledErrorHandler handler) {
    return std::exchange(Sink().handler, std::move(handler));
}

void ReportUnhandledError(const Error& error) {
    ErrorSink& sink = Sink();
    if (sink.recent.size() == kKeptErrors)
        sink.recent.erase(sink.recent.begin());
    sink.recent.push_back(error);
    if (sink.handler) {
        // The handler is the last boundary: nothing it throws may escape either.
        try {
            UnhandledErrorHandler handler = sink.handler;
            handler(error);
        } catch (...) {
        }
    }
}

void ReportCurrentException() {
    ReportUnhandledError(CurrentExceptionAsError());
}

std::vector<Error> TakeReportedErrors() {
    return std::exchange(Sink().recent, {});
}

} // namespace ole
