#include "platform/forms/errors/EventErrorBoundary.h"

#include "platform/forms/app/App.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/win/window/Activation.h"

namespace forms {

namespace {

struct BoxRouting {
    int depth = 0;
    ole::UnhandledErrorHandler previous;
    // Boxes shown so far: a report that already passed through the routing handler is not shown
    // a second time.
    uint64_t shown = 0;
    bool boxOpen = false;
};

BoxRouting& Routing() {
    static BoxRouting routing;
    return routing;
}

void ShowErrorBox(const ole::Error& error) {
    BoxRouting& routing = Routing();
    ++routing.shown;
    // Error boxes do not nest: a handler that fails again while the box's loop repaints or
    // dispatches (a failing Paint, say) would otherwise stack boxes without end. Such errors are
    // still reported.
    if (routing.boxOpen) {
        return;
    }
    routing.boxOpen = true;
    win::MessageBoxA(win::GetActiveWindow(), error.Description().c_str(),
                     App::Program().Title().c_str(), win::MB_OK | win::MB_ICONSTOP);
    routing.boxOpen = false;
}

void RouteToBox(const ole::Error& error) {
    // A copy: the previous handler may replace itself while it runs.
    if (const ole::UnhandledErrorHandler previous = Routing().previous) {
        previous(error);
    }
    ShowErrorBox(error);
}

} // namespace

void ReportEventError(const ole::Error& error) {
    const uint64_t shownBefore = Routing().shown;
    ole::ReportUnhandledError(error);
    if (Routing().shown == shownBefore) {
        ShowErrorBox(error);
    }
}

void ReportCurrentEventException() {
    ReportEventError(ole::CurrentExceptionAsError());
}

EventErrorBoxScope::EventErrorBoxScope() {
    BoxRouting& routing = Routing();
    if (routing.depth++ == 0) {
        routing.previous = ole::SetUnhandledErrorHandler(&RouteToBox);
    }
}

EventErrorBoxScope::~EventErrorBoxScope() {
    BoxRouting& routing = Routing();
    if (--routing.depth == 0) {
        ole::SetUnhandledErrorHandler(std::exchange(routing.previous, nullptr));
    }
}

} // namespace forms
