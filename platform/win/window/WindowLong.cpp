#include "platform/win/window/WindowLong.h"

#include "platform/win/WinConstants.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/WindowState.h"
#include "platform/win/window/ZOrder.h"

#include <string_view>

namespace win {

namespace {

using detail::LookupWindow;

// Sends the style notifications around the change; the handler of WM_STYLECHANGING may adjust
// styleNew.
LONG_PTR ChangeStyle(HWND hwnd, int index, DWORD newValue) {
    detail::WindowRecord* record = LookupWindow(hwnd);
    const DWORD old = index == GWL_STYLE ? record->style : record->exStyle;
    STYLESTRUCT change{old, newValue};
    const WPARAM which = static_cast<WPARAM>(static_cast<intptr_t>(index));
    detail::DeliverMessage(hwnd, WM_STYLECHANGING, which, reinterpret_cast<LPARAM>(&change));
    record = LookupWindow(hwnd);
    if (!record) {
        return 0;
    }
    if (index == GWL_STYLE) {
        record->style = change.styleNew;
        // WS_VISIBLE set directly may reveal a pending update region.
        detail::WindowManager().paintMaybePending = true;
    } else {
        const bool topmostChanged = ((record->exStyle ^ change.styleNew) & WS_EX_TOPMOST) != 0;
        record->exStyle = change.styleNew;
        if (topmostChanged && !record->parent) {
            detail::NormalizeTopLevelOrder(true);
        }
    }
    change.styleOld = old;
    detail::DeliverMessage(hwnd, WM_STYLECHANGED, which, reinterpret_cast<LPARAM>(&change));
    return static_cast<LONG_PTR>(old);
}

} // namespace

LONG_PTR GetWindowLongA(HWND hwnd, int index) {
    const detail::WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return 0;
    }
    switch (index) {
    case GWL_WNDPROC:
        return reinterpret_cast<LONG_PTR>(record->proc);
    case GWL_HINSTANCE:
        return static_cast<LONG_PTR>(record->instance.Value());
    case GWL_HWNDPARENT:
        return static_cast<LONG_PTR>(record->parent ? record->parent.Value()
                                                    : record->owner.Value());
    case GWL_ID:
        return record->id;
    case GWL_STYLE:
        return static_cast<LONG_PTR>(record->style);
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(record->exStyle);
    case GWL_USERDATA:
        return record->userData;
    default:
        return 0;
    }
}

LONG_PTR SetWindowLongA(HWND hwnd, int index, LONG_PTR value) {
    detail::WindowRecord* record = LookupWindow(hwnd);
    if (!record || hwnd == detail::WindowManager().desktop) {
        return 0;
    }
    LONG_PTR old = 0;
    switch (index) {
    case GWL_WNDPROC:
        // A running dispatch keeps the procedure it started with; the next message sees this one.
        old = reinterpret_cast<LONG_PTR>(record->proc);
        record->proc = reinterpret_cast<WNDPROC>(value);
        return old;
    case GWL_HINSTANCE:
        old = static_cast<LONG_PTR>(record->instance.Value());
        record->instance = HINSTANCE::FromValue(static_cast<uint32_t>(value));
        return old;
    case GWL_HWNDPARENT: {
        // Changes the owner of a top-level window.
        if (record->parent) {
            return 0;
        }
        old = static_cast<LONG_PTR>(record->owner.Value());
        const HWND owner = HwndFromParam(value);
        record->owner = (owner && owner != hwnd && LookupWindow(owner)) ? owner : HWND{};
        detail::NormalizeTopLevelOrder();
        return old;
    }
    case GWL_ID:
        old = record->id;
        record->id = value;
        return old;
    case GWL_STYLE:
    case GWL_EXSTYLE:
        return ChangeStyle(hwnd, index, static_cast<DWORD>(value));
    case GWL_USERDATA:
        old = record->userData;
        record->userData = value;
        return old;
    default:
        return 0;
    }
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
    if (!LookupWindow(hwnd)) {
        return FALSE;
    }
    return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE
                                                                                         : FALSE;
}

int GetWindowTextA(HWND hwnd, LPSTR text, int maxCount) {
    if (!text || maxCount <= 0) {
        return 0;
    }
    text[0] = '\0';
    if (!LookupWindow(hwnd)) {
        return 0;
    }
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                         reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLengthA(HWND hwnd) {
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

} // namespace win
