#include "platform/forms/host/FocusTracker.h"

#include "platform/forms/control/Control.h"
#include "platform/forms/host/Extender.h"
#include "platform/win/Win.h"
#include "platform/win/window/MessageObserver.h"

#include <algorithm>
#include <vector>

namespace forms {

namespace {

// The user controls whose surface is hwnd or one of its ancestors, innermost first.
std::vector<ole::Ptr<Extender>> UserControlsAround(win::HWND hwnd) {
    std::vector<ole::Ptr<Extender>> found;
    for (win::HWND h = hwnd; h && win::IsWindow(h); h = win::GetAncestor(h, win::GA_PARENT)) {
        if (auto extender = ole::PtrCast<Extender>(Control::FromWindow(h)))
            found.push_back(std::move(extender));
        if ((win::GetWindowLongA(h, win::GWL_STYLE) & win::WS_CHILD) == 0)
            break;
    }
    return found;
}

bool Contains(const std::vector<ole::Ptr<Extender>>& set, const ole::Ptr<Extender>& item) {
    return std::find(set.begin(), set.end(), item) != set.end();
}

// Runs before the window's own procedure, so EnterFocus still comes before GotFocus; the
// runtime's own procedures notify too, and the extenders ignore a repeated transition.
class FocusObserver : public win::detail::MessageObserver {
public:
    void BeforeDeliver(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM,
                       int) override {
        if (msg == win::WM_SETFOCUS) {
            NotifyFocusMoved(win::HwndFromParam(static_cast<win::LPARAM>(wParam)), hwnd);
        }
    }
    void AfterDeliver(win::HWND, win::UINT, win::LRESULT, int) override {}
};

} // namespace

void NotifyFocusMoved(win::HWND from, win::HWND to) {
    const auto left = UserControlsAround(from);
    const auto entered = UserControlsAround(to);
    for (const auto& extender : left) {
        if (!Contains(entered, extender))
            extender->FocusLeft();
    }
    for (auto it = entered.rbegin(); it != entered.rend(); ++it) {
        if (!Contains(left, *it))
            (*it)->FocusEntered();
    }
}

void WatchFocusOfEveryWindow() {
    thread_local FocusObserver observer;
    thread_local bool installed = false;
    if (!installed) {
        win::detail::AddMessageObserver(&observer);
        installed = true;
    }
}

} // namespace forms
