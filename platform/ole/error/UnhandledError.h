#pragma once

#include "platform/ole/error/Error.h"

#include <functional>
#include <vector>

namespace ole {

// Where errors go that may not propagate: out of an event sink, a window procedure, a hook, a timer
// or a paint. The installed handler (the host's error box, a test's collector) receives them; the
// last few are kept for tests either way.
using UnhandledErrorHandler = std::function<void(const Error&)>;

// Returns the previous handler.
UnhandledErrorHandler SetUnhandledErrorHandler(UnhandledErrorHandler handler);
void ReportUnhandledError(const Error& error);
// Reports whatever the current exception is, converting non-automation exceptions to error 440.
// Call only inside a catch block.
void ReportCurrentException();

// Test probe: the errors reported on this thread since the last call, oldest first.
std::vector<Error> TakeReportedErrors();

} // namespace ole
