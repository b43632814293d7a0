#include "platform/win/window/SurfaceEvents.h"

#include "platform/win/WinConstants.h"
#include "platform/win/loop/MessageLoop.h"
#include "platform/win/window/ActivationInternal.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/TopLevelSurface.h"
#include "platform/win/window/Visibility.h"
#include "platform/win/window/WindowState.h"

namespace win::detail {

namespace {

WindowRecord* TopLevel(uint32_t id) {
    WindowRecord* record = LookupWindow(HWND::FromValue(id));
    return record && !record->parent && record->surface ? record : nullptr;
}

} // namespace

void OnSurfaceFocus(uint32_t id, bool focused) {
    const WindowRecord* record = TopLevel(id);
    if (!record) {
        return;
    }
    const HWND hwnd = record->hwnd;
    if (focused) {
        if ((record->style & WS_VISIBLE) && MayActivate(*record)) {
            ChangeActiveWindow(hwnd, WA_ACTIVE);
        }
    } else if (WindowManager().active == hwnd) {
        ChangeActiveWindow({}, WA_ACTIVE);
    }
}

void OnSurfaceCloseRequest(uint32_t id) {
    if (const WindowRecord* record = TopLevel(id); record && !(record->style & WS_DISABLED)) {
        PostMessageA(record->hwnd, WM_CLOSE, 0, 0);
    }
}

void OnSurfaceExposed(uint32_t id, const RECT& damage) {
    if (const WindowRecord* record = TopLevel(id)) {
        PresentTopLevel(*record, damage);
    }
}

void OnSurfaceMoved(uint32_t id, const RECT& r) {
    const WindowRecord* record = TopLevel(id);
    if (!record || (record->style & WS_MINIMIZE) || r == record->windowRect) {
        return;
    }
    SetWindowPos(record->hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void OnSurfaceMinimized(uint32_t id, bool minimized) {
    const WindowRecord* record = TopLevel(id);
    if (!record || minimized == ((record->style & WS_MINIMIZE) != 0)) {
        return;
    }
    ShowWindow(record->hwnd, minimized ? SW_SHOWMINNOACTIVE : SW_RESTORE);
}

void OnSurfaceTopmost(uint32_t id, bool topmost) {
    const WindowRecord* record = TopLevel(id);
    if (!record || topmost == ((record->exStyle & WS_EX_TOPMOST) != 0)) {
        return;
    }
    SetWindowPos(record->hwnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void OnSurfaceFramed(uint32_t id, std::optional<NonClientInsets> frame) {
    WindowRecord* record = TopLevel(id);
    if (!record) {
        return;
    }
    record->managerFrame = frame;
    SetWindowPos(record->hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The screen kept the old pixels where the X window moved inside its frame. WM_SIZE may have
    // destroyed the window.
    if (const WindowRecord* framed = TopLevel(id)) {
        const RECT& w = framed->windowRect;
        PresentTopLevel(*framed, {0, 0, w.right - w.left, w.bottom - w.top});
    }
}

} // namespace win::detail
