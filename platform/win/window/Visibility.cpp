#include "platform/win/window/Visibility.h"

#include "platform/display/Backend.h"
#include "platform/win/WinConstants.h"
#include "platform/win/detail/LoopSeam.h"
#include "platform/win/input/Capture.h"
#include "platform/win/paint/Invalidation.h"
#include "platform/win/window/ActivationInternal.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/TopLevelSurface.h"
#include "platform/win/window/VisibilityInternal.h"
#include "platform/win/window/WindowState.h"
#include "platform/win/window/ZOrder.h"

namespace win {

namespace {

using detail::LookupWindow;
using detail::WindowRecord;

LPARAM PackSize(const RECT& client) {
    return MAKELPARAM(static_cast<uint32_t>(client.right - client.left) & 0xFFFF,
                      static_cast<uint32_t>(client.bottom - client.top) & 0xFFFF);
}

RECT ClientSize(const WindowRecord& record) {
    return {0, 0, record.clientRect.right - record.clientRect.left,
            record.clientRect.bottom - record.clientRect.top};
}

bool ShowIfHidden(HWND hwnd) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record || (record->style & WS_VISIBLE)) {
        return false;
    }
    detail::DeliverMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
    detail::MarkShown(hwnd);
    return true;
}

// Moves to rect (parent coordinates) and makes sure WM_SIZE reports the new state even when the
// size did not change.
void PlaceWithSizeKind(HWND hwnd, const RECT& rect, WPARAM kind) {
    const WindowRecord* record = LookupWindow(hwnd);
    const RECT before = ClientSize(*record);
    SetWindowPos(hwnd, {}, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if ((record = LookupWindow(hwnd)) && ClientSize(*record) == before) {
        detail::DeliverMessage(hwnd, WM_SIZE, kind, PackSize(before));
    }
}

void Minimize(HWND hwnd) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record || (record->style & WS_MINIMIZE)) {
        return;
    }
    record->maximizedBeforeMinimize = (record->style & WS_MAXIMIZE) != 0;
    record->style = (record->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
    detail::SyncTopLevelShown(*record);
    detail::ExposeParentArea(*record, record->windowRect);
    detail::ReleaseFocusWithin(hwnd);
    if (detail::WindowManager().active == hwnd) {
        detail::ActivateNextWindow(hwnd);
    }
    detail::DeliverMessage(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
}

void Maximize(HWND hwnd) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record || (record->style & WS_MAXIMIZE)) {
        return;
    }
    const bool wasMinimized = (record->style & WS_MINIMIZE) != 0;
    record->style = (record->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
    if (wasMinimized) {
        detail::SyncTopLevelShown(*record);
        detail::InvalidateWholeWindow(hwnd);
    }
    RECT area;
    if (const WindowRecord* parent = LookupWindow(record->parent)) {
        area = ClientSize(*parent);
    } else {
        const display::Backend& backend = display::CurrentBackend();
        area = {0, 0, backend.ScreenWidth(), backend.ScreenHeight()};
    }
    PlaceWithSizeKind(hwnd, area, SIZE_MAXIMIZED);
}

void Restore(HWND hwnd) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return;
    }
    if (record->style & WS_MINIMIZE) {
        record->style &= ~WS_MINIMIZE;
        detail::WindowManager().paintMaybePending = true;
        const bool maximized = record->maximizedBeforeMinimize;
        if (maximized) {
            record->style |= WS_MAXIMIZE;
        }
        detail::SyncTopLevelShown(*record);
        detail::InvalidateWholeWindow(hwnd);
        detail::DeliverMessage(hwnd, WM_SIZE, maximized ? SIZE_MAXIMIZED : SIZE_RESTORED,
                               PackSize(ClientSize(*record)));
        return;
    }
    if (record->style & WS_MAXIMIZE) {
        record->style &= ~WS_MAXIMIZE;
        PlaceWithSizeKind(hwnd, record->restoreRect, SIZE_RESTORED);
    }
}

void ActivateShown(HWND hwnd) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record || record->parent || !(record->style & WS_VISIBLE) ||
        (record->style & WS_MINIMIZE) || !detail::MayActivate(*record)) {
        return;
    }
    detail::Restack(hwnd, HWND_TOP);
    detail::ChangeActiveWindow(hwnd, WA_ACTIVE);
}

} // namespace

namespace detail {

void MarkShown(HWND hwnd) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return;
    }
    record->style |= WS_VISIBLE;
    SyncTopLevelShown(*record);
    InvalidateWholeWindow(hwnd);
    WindowManager().paintMaybePending = true;
}

void MarkHidden(HWND hwnd) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return;
    }
    record->style &= ~WS_VISIBLE;
    SyncTopLevelShown(*record);
    ExposeParentArea(*record, record->windowRect);
    ReleaseFocusWithin(hwnd);
    OnWindowHidden(hwnd);
    if (WindowManager().active == hwnd) {
        ActivateNextWindow(hwnd);
    }
}

} // namespace detail

BOOL ShowWindow(HWND hwnd, int cmd) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record || hwnd == detail::WindowManager().desktop) {
        return FALSE;
    }
    const std::shared_ptr<WindowRecord> keep = detail::KeepWindow(hwnd);
    const BOOL wasVisible = (record->style & WS_VISIBLE) ? TRUE : FALSE;
    switch (cmd) {
    case SW_HIDE:
        if (wasVisible) {
            detail::DeliverMessage(hwnd, WM_SHOWWINDOW, FALSE, 0);
            detail::MarkHidden(hwnd);
        }
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        ShowIfHidden(hwnd);
        Minimize(hwnd);
        break;
    case SW_SHOWMAXIMIZED:
        ShowIfHidden(hwnd);
        Maximize(hwnd);
        ActivateShown(hwnd);
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
        ShowIfHidden(hwnd);
        Restore(hwnd);
        ActivateShown(hwnd);
        break;
    case SW_SHOW:
        ShowIfHidden(hwnd);
        ActivateShown(hwnd);
        break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
        ShowIfHidden(hwnd);
        break;
    default:
        return FALSE;
    }
    return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
    const WindowRecord* record = LookupWindow(hwnd);
    while (record) {
        if (!(record->style & WS_VISIBLE)) {
            return FALSE;
        }
        if (!record->parent) {
            return TRUE;
        }
        record = LookupWindow(record->parent);
    }
    return FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return FALSE;
    }
    const BOOL wasDisabled = (record->style & WS_DISABLED) ? TRUE : FALSE;
    if (enable && wasDisabled) {
        record->style &= ~WS_DISABLED;
        detail::DeliverMessage(hwnd, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        record->style |= WS_DISABLED;
        const HWND capture = GetCapture();
        if (capture == hwnd || detail::IsDescendant(capture, hwnd)) {
            ReleaseCapture();
        }
        if (detail::WindowManager().focus == hwnd) {
            detail::ReleaseFocusWithin(hwnd);
        }
        detail::DeliverMessage(hwnd, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    const WindowRecord* record = LookupWindow(hwnd);
    return record && !(record->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd) {
    const WindowRecord* record = LookupWindow(hwnd);
    return record && (record->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
    const WindowRecord* record = LookupWindow(hwnd);
    return record && (record->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

} // namespace win
