#pragma once

#include "platform/ole/error/Error.h"
#include "platform/ole/error/UnhandledError.h"

#include <utility>

namespace forms {

// Where an automation error that escapes an event handler (a host's sink, a form's or a
// control's handler, a menu Click) ends: it goes to the platform's unhandled-error handler and
// log (ole::ReportUnhandledError), and the user sees a stop-icon message box with its
// description, titled with the program's App.Title. The program keeps running. Errors raised
// while an error box is open are reported without a box of their own.
void ReportEventError(const ole::Error& error);
// The same for the exception being handled; other exceptions become error 440 (out-of-memory 7).
// Call only inside a catch block.
void ReportCurrentEventException();

// While one lives, errors the automation layer catches at its own boundaries (a sink connected
// to a ConnectionPoint, window and hook procedures) are shown in the error box too, after the
// handler that was installed has heard them. Scopes nest; the outermost restores the handler.
// A program installs one around its message loop; CallEventHandler makes one per dispatch.
class EventErrorBoxScope {
public:
    EventErrorBoxScope();
    ~EventErrorBoxScope();
    EventErrorBoxScope(const EventErrorBoxScope&) = delete;
    EventErrorBoxScope& operator=(const EventErrorBoxScope&) = delete;
};

// Runs `handler` as an event dispatch: whatever escapes it, and whatever the connection point
// it raises through catches from its sinks, is reported as above, one box per error, and does
// not propagate. Returns false when the handler itself failed.
//
//   forms::CallEventHandler([&] { m_events.Raise(EventClick); });
template <class F>
bool CallEventHandler(F&& handler) noexcept {
    const EventErrorBoxScope boxes;
    try {
        std::forward<F>(handler)();
        return true;
    } catch (...) {
        ReportCurrentEventException();
        return false;
    }
}

} // namespace forms
