#include "platform/win/controls/static/StaticControl.h"

#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/controls/common/ControlColors.h"
#include "platform/win/controls/common/ControlPaint.h"
#include "platform/win/controls/common/ControlProcs.h"
#include "platform/win/controls/common/ControlStates.h"
#include "platform/win/controls/common/ControlText.h"
#include "platform/win/controls/common/Notify.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/icon/Icons.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/text/Text.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/Visibility.h"
#include "platform/win/window/WindowLong.h"

namespace win::controls {

namespace {

UINT TextFormat(DWORD style) {
    const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        return DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | prefix;
    case SS_RIGHT:
        return DT_RIGHT | DT_WORDBREAK | DT_EXPANDTABS | prefix;
    case SS_LEFTNOWORDWRAP:
        return DT_LEFT | DT_SINGLELINE | DT_EXPANDTABS | prefix;
    default:
        return DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | prefix;
    }
}

} // namespace

DWORD StaticControl::Style() const {
    return static_cast<DWORD>(GetWindowLongA(m_hwnd, GWL_STYLE));
}

void StaticControl::Paint() {
    const ControlPaint paint(m_hwnd, m_font);
    if (!paint.Valid()) {
        return;
    }
    const HDC hdc = paint.Dc();
    RECT client = paint.Client();
    FillRect(hdc, &client, ControlColorBrush(m_hwnd, hdc, WM_CTLCOLORSTATIC));
    const DWORD style = Style();
    if ((style & SS_TYPEMASK) == SS_ICON) {
        if (m_icon) {
            DrawIcon(hdc, 0, 0, m_icon);
        }
        return;
    }
    if (!IsWindowEnabled(m_hwnd)) {
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    }
    const std::string text = WindowText(m_hwnd);
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &client, TextFormat(style));
}

LRESULT StaticControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleTextAndFont(m_hwnd, m_font, msg, wParam, lParam, result)) {
        return result;
    }
    switch (msg) {
    case WM_NCCREATE:
        // A sunken static carries the one-pixel static edge in its frame.
        if (Style() & SS_SUNKEN) {
            SetWindowLongA(m_hwnd, GWL_EXSTYLE,
                           GetWindowLongA(m_hwnd, GWL_EXSTYLE) | WS_EX_STATICEDGE);
        }
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case STM_SETICON: {
        const HICON previous = m_icon;
        m_icon = HandleFromParam<HICON>(static_cast<intptr_t>(wParam));
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return HandleToParam(previous);
    }
    case STM_GETICON:
        return HandleToParam(m_icon);
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (Style() & SS_NOTIFY) {
            NotifyParent(m_hwnd, msg == WM_LBUTTONDOWN ? STN_CLICKED : STN_DBLCLK);
        }
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT fills with the parent's brush
    case WM_PAINT:
        Paint();
        return 0;
    default:
        // WM_COMMAND from the static's own children (a browse button) ends here, unanswered.
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    }
}

LRESULT StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return StateWndProc<StaticControl>(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
