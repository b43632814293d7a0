#include "platform/forms/host/FocusTracker.h"

#include "platform/forms/control/Control.h"
#include "platform/forms/host/Extender.h"
#include "platform/win/Win.h"

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

} // namespace forms
