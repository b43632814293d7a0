#include "platform/base/Utf8.h"
#include "platform/display/Backend.h"
#include "platform/win/WinConstants.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/input/Capture.h"
#include "platform/win/input/Cursors.h"
#include "platform/win/input/InputState.h"
#include "platform/win/menu/MenuBar.h"
#include "platform/win/menu/MenuTracker.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/window/Activation.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/NonClient.h"
#include "platform/win/window/Visibility.h"
#include "platform/win/window/WindowState.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace win {

namespace {

using detail::LookupWindow;
using detail::WindowRecord;

void SetText(HWND hwnd, LPCSTR text) {
    WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return;
    }
    record->text = text ? text : "";
    if (!record->parent) {
        display::CurrentBackend().SetTitle(hwnd.Value(), record->text);
    }
    if ((record->style & WS_CAPTION) == WS_CAPTION) {
        record->frameDirty = true;
        detail::WindowManager().paintMaybePending = true;
    }
}

LRESULT CalcSize(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record || !lParam) {
        return 0;
    }
    RECT* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                        : reinterpret_cast<RECT*>(lParam);
    const std::optional<detail::NonClientInsets>& frame = record->managerFrame;
    *rect = detail::ClientRectFromWindowRect(*rect, record->style, record->exStyle,
                                             frame ? &*frame : nullptr,
                                             record->IsChild() ? 0 : detail::MenuBarHeight(hwnd));
    return 0;
}

LRESULT EraseBackground(HWND hwnd, HDC hdc) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return 0;
    }
    const HBRUSH brush = record->ClassBackground();
    if (!brush) {
        return 0;
    }
    RECT client;
    GetClientRect(hwnd, &client);
    return FillRect(hdc, &client, brush) ? 1 : 0;
}

LRESULT ControlColor(UINT msg, HDC hdc) {
    if (msg == WM_CTLCOLORSCROLLBAR) {
        return HandleToParam(GetSysColorBrush(COLOR_SCROLLBAR));
    }
    const bool editLike = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
    const int background = editLike ? COLOR_WINDOW : COLOR_3DFACE;
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(background));
    return HandleToParam(GetSysColorBrush(background));
}

// The parent decides first; otherwise the class cursor inside the client area, the arrow on the
// frame.
LRESULT SetCursorDefault(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record) {
        return FALSE;
    }
    if (record->parent) {
        if (SendMessageA(record->parent, WM_SETCURSOR, wParam, lParam)) {
            return TRUE;
        }
        record = LookupWindow(hwnd);
        if (!record) {
            return FALSE;
        }
    }
    const int hit = static_cast<int16_t>(LOWORD(static_cast<uint64_t>(lParam)));
    if (hit == HTCLIENT) {
        const HCURSOR cursor = record->ClassCursor();
        if (!cursor) {
            return FALSE;
        }
        SetCursor(cursor);
        return TRUE;
    }
    if (hit == HTERROR || hit == HTNOWHERE) {
        return FALSE;
    }
    SetCursor(LoadCursorA({}, IDC_ARROW));
    return TRUE;
}

// Activation hands the focus back to the control that had it, or to the window itself.
void RestoreFocus(HWND hwnd) {
    const WindowRecord* record = LookupWindow(hwnd);
    if (!record || (record->style & WS_MINIMIZE)) {
        return;
    }
    const HWND focus = detail::WindowManager().focus;
    if (focus == hwnd || detail::IsDescendant(focus, hwnd)) {
        return;
    }
    const HWND last = record->lastFocus;
    if (last && detail::IsDescendant(last, hwnd) && IsWindowVisible(last) &&
        IsWindowEnabled(last)) {
        SetFocus(last);
    } else {
        SetFocus(hwnd);
    }
}

LRESULT SysCommand(HWND hwnd, WPARAM command, LPARAM lParam) {
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        return SendMessageA(hwnd, WM_CLOSE, 0, 0);
    case SC_MINIMIZE:
        ShowWindow(hwnd, SW_MINIMIZE);
        return 0;
    case SC_MAXIMIZE:
        ShowWindow(hwnd, SW_MAXIMIZE);
        return 0;
    case SC_RESTORE:
        ShowWindow(hwnd, SW_RESTORE);
        return 0;
    case SC_KEYMENU:
        detail::MenuTracker::TrackBarByKey(hwnd, static_cast<char>(lParam & 0x7F));
        return 0;
    case SC_MOUSEMENU:
        detail::MenuTracker::TrackBarByMouse(hwnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    default:
        return 0;
    }
}

constexpr LPARAM kAltDownBit = LPARAM{1} << 29;

} // namespace

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!LookupWindow(hwnd)) {
        return 0;
    }
    switch (msg) {
    case WM_NCCREATE:
        if (lParam) {
            SetText(hwnd, reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpszName);
        }
        return TRUE;
    case WM_NCCALCSIZE:
        return CalcSize(hwnd, wParam, lParam);
    case WM_NCHITTEST:
        return detail::NonClientHitTest(*LookupWindow(hwnd),
                                        {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT:
        detail::PaintNonClient(hwnd, detail::RootWindow(hwnd) == detail::WindowManager().active);
        return 0;
    case WM_NCACTIVATE:
        detail::PaintNonClient(hwnd, wParam != 0);
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (BeginPaint(hwnd, &ps)) {
            EndPaint(hwnd, &ps);
        }
        return 0;
    }
    case WM_ERASEBKGND:
        return EraseBackground(hwnd, HdcFromParam(static_cast<intptr_t>(wParam)));
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return ControlColor(msg, HdcFromParam(static_cast<intptr_t>(wParam)));
    case WM_SETCURSOR:
        return SetCursorDefault(hwnd, wParam, lParam);
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SETREDRAW:
        // Bulk updates switch redrawing off, then invalidate once it is back on.
        LookupWindow(hwnd)->redrawOff = wParam == FALSE;
        return 0;
    case WM_SETTEXT:
        SetText(hwnd, reinterpret_cast<LPCSTR>(lParam));
        return TRUE;
    case WM_GETTEXT:
        return static_cast<LRESULT>(base::CopyUtf8ToBuffer(
            LookupWindow(hwnd)->text, reinterpret_cast<char*>(lParam), wParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(LookupWindow(hwnd)->text.size());
    case WM_MOUSEACTIVATE:
        if (const HWND parent = LookupWindow(hwnd)->parent) {
            if (const LRESULT answer = SendMessageA(parent, WM_MOUSEACTIVATE, wParam, lParam)) {
                return answer;
            }
        }
        return MA_ACTIVATE;
    case WM_MOUSEWHEEL:
        // Unhandled wheel turns travel up to the parent.
        if (const HWND parent = LookupWindow(hwnd)->parent) {
            return SendMessageA(parent, msg, wParam, lParam);
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            RestoreFocus(hwnd);
        }
        return 0;
    case WM_CANCELMODE:
        if (GetCapture() == hwnd) {
            ReleaseCapture();
        }
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == static_cast<WPARAM>(VK_F4) && (lParam & kAltDownBit)) {
            SendMessageA(detail::RootWindow(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        if (wParam == static_cast<WPARAM>(VK_F10)) {
            SendMessageA(detail::RootWindow(hwnd), WM_SYSCOMMAND, SC_KEYMENU, 0);
        }
        return 0;
    case WM_SYSKEYUP:
        // Alt pressed and released with no other key or button between enters the menu bar.
        if (wParam == static_cast<WPARAM>(VK_MENU) &&
            detail::InputState::Instance().LastPress() == VK_MENU) {
            SendMessageA(detail::RootWindow(hwnd), WM_SYSCOMMAND, SC_KEYMENU, 0);
        }
        return 0;
    case WM_NCLBUTTONDOWN:
        if (wParam == static_cast<WPARAM>(HTMENU)) {
            SendMessageA(detail::RootWindow(hwnd), WM_SYSCOMMAND, SC_MOUSEMENU, lParam);
        }
        return 0;
    case WM_SYSCHAR:
        // Alt+letter is a menu mnemonic; the menu layer answers SC_KEYMENU.
        if (wParam != static_cast<WPARAM>(VK_SPACE)) {
            SendMessageA(detail::RootWindow(hwnd), WM_SYSCOMMAND, SC_KEYMENU,
                         static_cast<LPARAM>(wParam));
        }
        return 0;
    case WM_SYSCOMMAND:
        return SysCommand(hwnd, wParam, lParam);
    default:
        return 0;
    }
}

} // namespace win
