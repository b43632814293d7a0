#include "platform/win/window/Activation.h"

#include "platform/display/Backend.h"
#include "platform/win/WinConstants.h"
#include "platform/win/detail/LoopSeam.h"
#include "platform/win/window/ActivationInternal.h"
#include "platform/win/window/Visibility.h"
#include "platform/win/window/WindowState.h"
#include "platform/win/window/ZOrder.h"

namespace win {

namespace {

using detail::LookupWindow;
using detail::WindowRecord;

HWND Live(HWND hwnd) {
    return LookupWindow(hwnd) ? hwnd : HWND{};
}

WPARAM ActivateParam(WORD state, HWND hwnd) {
    return MAKEWPARAM(state, IsIconic(hwnd) ? 1 : 0);
}

void RememberFocus(HWND hwnd) {
    if (WindowRecord* root = LookupWindow(detail::RootWindow(hwnd))) {
        root->lastFocus = hwnd;
    }
}

} // namespace

namespace detail {

bool MayActivate(const WindowRecord& record, bool allowDisabled) {
    return !record.parent && !(record.exStyle & WS_EX_NOACTIVATE) &&
           (allowDisabled || !(record.style & WS_DISABLED)) &&
           !(record.windowClass && record.windowClass->neverActivates) && !record.beingDestroyed;
}

// A change of active window:
//
//   to the window losing activation    WM_NCACTIVATE(FALSE), WM_ACTIVATE(WA_INACTIVE, new)
//   to the window gaining it           WM_NCACTIVATE(TRUE),  WM_ACTIVATE(how, old)
//
// The gaining window's default WM_ACTIVATE handling restores its focus; a focus left behind in
// another top-level window is dropped afterwards.
void ChangeActiveWindow(HWND hwnd, WORD how) {
    WindowManagerState& wm = WindowManager();
    const HWND old = Live(wm.active);
    hwnd = Live(hwnd);
    if (old == hwnd) {
        return;
    }
    wm.active = hwnd;
    display::CurrentBackend().Activate(hwnd.Value());
    if (hwnd) {
        Restack(hwnd, HWND_TOP);
    }
    if (old) {
        DeliverMessage(old, WM_NCACTIVATE, FALSE, HandleToParam(hwnd));
        DeliverMessage(old, WM_ACTIVATE, ActivateParam(WA_INACTIVE, old), HandleToParam(hwnd));
    }
    if (wm.active != hwnd) {
        return; // a handler moved activation elsewhere
    }
    if (hwnd && LookupWindow(hwnd)) {
        DeliverMessage(hwnd, WM_NCACTIVATE, TRUE, HandleToParam(old));
        DeliverMessage(hwnd, WM_ACTIVATE, ActivateParam(how, hwnd), HandleToParam(old));
    }
    const HWND focus = Live(wm.focus);
    const HWND active = Live(wm.active);
    if (focus && RootWindow(focus) != active) {
        const WindowRecord* focusRoot = LookupWindow(RootWindow(focus));
        // Focus may sit in a popup that never activates (a drop-down list) beside the active one.
        if (!focusRoot || MayActivate(*focusRoot)) {
            ReleaseFocusWithin(RootWindow(focus));
        }
    }
}

void ActivateNextWindow(HWND leaving) {
    const WindowRecord* record = LookupWindow(leaving);
    auto eligible = [&](HWND hwnd, bool allowDisabled) {
        const WindowRecord* r = LookupWindow(hwnd);
        return r && hwnd != leaving && (r->style & WS_VISIBLE) && !(r->style & WS_MINIMIZE) &&
               MayActivate(*r, allowDisabled);
    };
    HWND next;
    if (record && record->owner) {
        const HWND ownerRoot = RootWindow(record->owner);
        if (eligible(ownerRoot, true)) {
            next = ownerRoot;
        }
    }
    if (!next) {
        for (HWND hwnd : WindowManager().topLevels) {
            if (eligible(hwnd, false)) {
                next = hwnd;
                break;
            }
        }
    }
    ChangeActiveWindow(next, WA_ACTIVE);
}

void ReleaseFocusWithin(HWND hwnd) {
    WindowManagerState& wm = WindowManager();
    const HWND focus = wm.focus;
    if (!focus || (focus != hwnd && !IsDescendant(focus, hwnd))) {
        return;
    }
    wm.focus = {};
    DeliverMessage(focus, WM_KILLFOCUS, 0, 0);
}

// A press inside a document window that is not its client's active one activates that window,
// even within the active frame.
namespace {

bool InInactiveMdiChild(HWND target) {
    for (const WindowRecord* record = LookupWindow(target); record && record->parent;
         record = LookupWindow(record->parent)) {
        if ((record->exStyle & WS_EX_MDICHILD) != 0) {
            const auto active = DeliverMessage(record->parent, WM_MDIGETACTIVE, 0, 0);
            return active != HandleToParam(record->hwnd);
        }
    }
    return false;
}

} // namespace

bool ActivateOnMousePress(HWND target, UINT msg, int hitCode) {
    if (!LookupWindow(target)) {
        return true;
    }
    const HWND root = RootWindow(target);
    if (root == WindowManager().active && !InInactiveMdiChild(target)) {
        return true;
    }
    const LRESULT answer =
        DeliverMessage(target, WM_MOUSEACTIVATE, HandleToParam(root),
                       MAKELPARAM(static_cast<uint32_t>(hitCode) & 0xFFFF, msg & 0xFFFF));
    const WindowRecord* rootRecord = LookupWindow(root);
    if (rootRecord && answer != MA_NOACTIVATE && answer != MA_NOACTIVATEANDEAT &&
        MayActivate(*rootRecord) && (rootRecord->style & WS_VISIBLE) &&
        root != WindowManager().active) {
        ChangeActiveWindow(root, WA_CLICKACTIVE);
    }
    return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

} // namespace detail

HWND SetActiveWindow(HWND hwnd) {
    detail::WindowManagerState& wm = detail::WindowManager();
    const HWND previous = Live(wm.active);
    if (!hwnd) {
        detail::ChangeActiveWindow({}, WA_ACTIVE);
        return previous;
    }
    const WindowRecord* root = LookupWindow(detail::RootWindow(hwnd));
    if (!root || !detail::MayActivate(*root)) {
        return {};
    }
    detail::ChangeActiveWindow(root->hwnd, WA_ACTIVE);
    return previous;
}

HWND GetActiveWindow() {
    return Live(detail::WindowManager().active);
}

BOOL SetForegroundWindow(HWND hwnd) {
    if (!LookupWindow(hwnd)) {
        return FALSE;
    }
    SetActiveWindow(hwnd);
    return GetActiveWindow() == detail::RootWindow(hwnd) ? TRUE : FALSE;
}

HWND GetForegroundWindow() {
    return GetActiveWindow();
}

// A focus change:
//
//   WH_CBT(HCBT_SETFOCUS, new, old)   non-zero refuses: null returned, nothing sent
//   activation of new's top-level     when it is not the active window
//   WM_KILLFOCUS(new) to old
//   WM_SETFOCUS(old) to new
HWND SetFocus(HWND hwnd) {
    detail::WindowManagerState& wm = detail::WindowManager();
    HWND old = Live(wm.focus);
    if (!hwnd) {
        if (detail::CallHookChain(WH_CBT, HCBT_SETFOCUS, 0, HandleToParam(old))) {
            return {};
        }
        if (old) {
            wm.focus = {};
            detail::DeliverMessage(old, WM_KILLFOCUS, 0, 0);
        }
        return old;
    }
    if (!LookupWindow(hwnd) || hwnd == wm.desktop || !IsWindowVisible(hwnd) ||
        !IsWindowEnabled(hwnd)) {
        return {};
    }
    if (hwnd == old) {
        return old;
    }
    if (detail::CallHookChain(WH_CBT, HCBT_SETFOCUS, HandleToParam(hwnd), HandleToParam(old))) {
        return {};
    }
    // The hook may have moved things around; decide on the state it left.
    if (!LookupWindow(hwnd) || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) {
        return {};
    }
    old = Live(wm.focus);
    if (hwnd == old) {
        return old;
    }
    const HWND previous = old;
    const HWND root = detail::RootWindow(hwnd);
    const WindowRecord* rootRecord = LookupWindow(root);
    if (root != Live(wm.active) && rootRecord && detail::MayActivate(*rootRecord)) {
        // Activation restores the focus to the remembered window, which is now this one.
        RememberFocus(hwnd);
        detail::ChangeActiveWindow(root, WA_ACTIVE);
        if (Live(wm.focus) == hwnd) {
            return previous;
        }
        // The activation handlers may have hidden, disabled or destroyed it.
        if (!LookupWindow(hwnd) || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) {
            return {};
        }
        old = Live(wm.focus);
    }
    wm.focus = hwnd;
    RememberFocus(hwnd);
    if (old) {
        detail::DeliverMessage(old, WM_KILLFOCUS, HandleToParam(hwnd), 0);
    }
    if (wm.focus == hwnd && LookupWindow(hwnd)) {
        detail::DeliverMessage(hwnd, WM_SETFOCUS, static_cast<WPARAM>(HandleToParam(old)), 0);
    }
    return previous;
}

HWND GetFocus() {
    return Live(detail::WindowManager().focus);
}

} // namespace win
