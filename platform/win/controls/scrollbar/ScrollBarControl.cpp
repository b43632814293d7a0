#include "platform/win/controls/scrollbar/ScrollBarControl.h"

#include "platform/base/TextCase.h"
#include "platform/win/WinConstants.h"
#include "platform/win/controls/common/ControlColors.h"
#include "platform/win/controls/common/ControlProcs.h"
#include "platform/win/controls/common/ControlStates.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/DecorationConstants.h"
#include "platform/win/gdi/Decorations.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/input/Capture.h"
#include "platform/win/input/Input.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/rect/RectHelpers.h"
#include "platform/win/timer/Timers.h"
#include "platform/win/window/Activation.h"
#include "platform/win/window/Classes.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/Tree.h"
#include "platform/win/window/Visibility.h"
#include "platform/win/window/WindowLong.h"

namespace win::controls {

namespace {

using ScrollBarStates = ControlStates<ScrollBarControl>;

WORD CodeFor(ScrollPart part) {
    switch (part) {
    case ScrollPart::LineUp:
        return SB_LINEUP;
    case ScrollPart::PageUp:
        return SB_PAGEUP;
    case ScrollPart::PageDown:
        return SB_PAGEDOWN;
    case ScrollPart::LineDown:
        return SB_LINEDOWN;
    default:
        return SB_ENDSCROLL;
    }
}

} // namespace

bool ScrollBarControl::Vertical() const {
    return (GetWindowLongA(m_hwnd, GWL_STYLE) & SBS_VERT) != 0;
}

ScrollBarLayout ScrollBarControl::Layout() const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    return ScrollBarLayout(client, Vertical(), m_range, m_tracking ? m_trackPos : m_range.Pos());
}

void ScrollBarControl::Send(WORD code, int pos) {
    const HWND parent = GetParent(m_hwnd);
    if (!parent) {
        return;
    }
    const bool withPos = code == SB_THUMBPOSITION || code == SB_THUMBTRACK;
    SendMessageA(parent, Vertical() ? WM_VSCROLL : WM_HSCROLL,
                 MAKEWPARAM(code, withPos ? static_cast<uint32_t>(pos) : 0u),
                 HandleToParam(m_hwnd));
}

void ScrollBarControl::Redraw(BOOL redraw) {
    if (redraw) {
        InvalidateRect(m_hwnd, nullptr, FALSE);
    }
}

// The scroll bar of a list box is part of the list: a click on it leaves the focus where it is.
bool ScrollBarControl::PartOfList() const {
    char name[16] = {};
    GetClassNameA(GetParent(m_hwnd), name, sizeof name);
    return base::EqualsNoCase(name, "ListBox") || base::EqualsNoCase(name, "ComboLBox");
}

void ScrollBarControl::OnButtonDown(POINT pt) {
    if (GetFocus() != m_hwnd && !PartOfList()) {
        SetFocus(m_hwnd);
        if (m_dead) {
            return;
        }
    }
    const ScrollBarLayout layout = Layout();
    const ScrollPart part = layout.HitTest(pt);
    if (part == ScrollPart::None) {
        return;
    }
    m_pressed = part;
    SetCapture(m_hwnd);
    InvalidateRect(m_hwnd, nullptr, FALSE);
    if (part == ScrollPart::Thumb) {
        m_tracking = true;
        m_trackPos = m_range.Pos();
        m_dragOffset = layout.Along(pt) - layout.ThumbStart();
        return;
    }
    SetTimer(m_hwnd, kRepeatTimer, kFirstRepeatMs, nullptr);
    Send(CodeFor(part));
}

void ScrollBarControl::OnMouseMove(POINT pt) {
    if (!m_tracking) {
        return;
    }
    const ScrollBarLayout layout = Layout();
    const int pos = layout.PosForThumbStart(layout.Along(pt) - m_dragOffset);
    if (pos != m_trackPos) {
        m_trackPos = pos;
        InvalidateRect(m_hwnd, nullptr, FALSE);
        Send(SB_THUMBTRACK, pos);
    }
}

void ScrollBarControl::OnRepeat() {
    if (m_pressed == ScrollPart::None || m_tracking) {
        KillTimer(m_hwnd, kRepeatTimer);
        return;
    }
    SetTimer(m_hwnd, kRepeatTimer, kRepeatMs, nullptr);
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(m_hwnd, &cursor);
    if (Layout().HitTest(cursor) == m_pressed) {
        Send(CodeFor(m_pressed));
    }
}

void ScrollBarControl::EndPress(bool notify) {
    const bool wasTracking = m_tracking;
    m_pressed = ScrollPart::None;
    m_tracking = false;
    KillTimer(m_hwnd, kRepeatTimer);
    InvalidateRect(m_hwnd, nullptr, FALSE);
    if (notify) {
        if (wasTracking) {
            Send(SB_THUMBPOSITION, m_trackPos);
            if (m_dead) {
                return;
            }
        }
        Send(SB_ENDSCROLL);
    }
}

void ScrollBarControl::OnButtonUp() {
    if (m_pressed == ScrollPart::None) {
        return;
    }
    EndPress(true);
    if (!m_dead && GetCapture() == m_hwnd) {
        ReleaseCapture();
    }
}

void ScrollBarControl::OnKeyDown(int vk) {
    switch (vk) {
    case VK_UP:
    case VK_LEFT:
        Send(SB_LINEUP);
        break;
    case VK_DOWN:
    case VK_RIGHT:
        Send(SB_LINEDOWN);
        break;
    case VK_PRIOR:
        Send(SB_PAGEUP);
        break;
    case VK_NEXT:
        Send(SB_PAGEDOWN);
        break;
    case VK_HOME:
        Send(SB_TOP);
        break;
    case VK_END:
        Send(SB_BOTTOM);
        break;
    default:
        break;
    }
}

void ScrollBarControl::Paint() {
    const PaintDc paint(m_hwnd);
    const HDC hdc = paint.Get();
    if (!hdc) {
        return;
    }
    const HBRUSH track = ControlColorBrush(m_hwnd, hdc, WM_CTLCOLORSCROLLBAR);
    const ScrollBarLayout layout = Layout();
    const bool vertical = Vertical();
    const bool active = IsWindowEnabled(m_hwnd) && m_range.Reach() > 0;
    const UINT inactive = active ? 0 : DFCS_INACTIVE;

    RECT up = layout.LineUpRect();
    RECT down = layout.LineDownRect();
    DrawFrameControl(hdc, &up, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | inactive |
                         (m_pressed == ScrollPart::LineUp ? DFCS_PUSHED : 0));
    DrawFrameControl(hdc, &down, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | inactive |
                         (m_pressed == ScrollPart::LineDown ? DFCS_PUSHED : 0));

    // A pressed page area shows dark while the button is held.
    const RECT pageUp = layout.PageUpRect();
    const RECT pageDown = layout.PageDownRect();
    FillRect(hdc, &pageUp,
             m_pressed == ScrollPart::PageUp ? HBRUSH::FromValue(COLOR_3DDKSHADOW + 1) : track);
    FillRect(hdc, &pageDown,
             m_pressed == ScrollPart::PageDown ? HBRUSH::FromValue(COLOR_3DDKSHADOW + 1) : track);
    if (const auto thumb = layout.ThumbRect(); thumb && active) {
        RECT r = *thumb;
        FillRect(hdc, &r, HBRUSH::FromValue(COLOR_BTNFACE + 1));
        DrawEdge(hdc, &r, EDGE_RAISED, BF_RECT);
        if (m_focused) {
            InflateRect(&r, -3, -3);
            DrawFocusRect(hdc, &r);
        }
    } else if (const auto hidden = layout.ThumbRect()) {
        FillRect(hdc, &*hidden, track);
    }
}

LRESULT ScrollBarControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCDESTROY:
        m_dead = true;
        ScrollBarStates::Erase(m_hwnd);
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case SBM_SETPOS: {
        const int previous = m_range.SetPos(static_cast<int>(wParam));
        Redraw(static_cast<BOOL>(lParam));
        return previous;
    }
    case SBM_GETPOS:
        return m_range.Pos();
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        const int previous = m_range.SetRange(static_cast<int>(wParam), static_cast<int>(lParam));
        Redraw(msg == SBM_SETRANGEREDRAW);
        return previous;
    }
    case SBM_GETRANGE:
        if (wParam) {
            *reinterpret_cast<int*>(wParam) = m_range.Min();
        }
        if (lParam) {
            *reinterpret_cast<int*>(lParam) = m_range.Max();
        }
        return 0;
    case SBM_SETSCROLLINFO: {
        const auto* info = reinterpret_cast<const SCROLLINFO*>(lParam);
        if (!info || info->cbSize != sizeof(SCROLLINFO)) {
            return 0;
        }
        const int pos = m_range.SetInfo(*info);
        Redraw(static_cast<BOOL>(wParam));
        return pos;
    }
    case SBM_GETSCROLLINFO: {
        auto* info = reinterpret_cast<SCROLLINFO*>(lParam);
        if (!info || info->cbSize != sizeof(SCROLLINFO)) {
            return FALSE;
        }
        m_range.FillInfo(*info, m_tracking ? m_trackPos : m_range.Pos());
        return TRUE;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp();
        return 0;
    case WM_CAPTURECHANGED:
        if (m_pressed != ScrollPart::None) {
            EndPress(true);
        }
        return 0;
    case WM_TIMER:
        if (wParam == kRepeatTimer) {
            OnRepeat();
            return 0;
        }
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case WM_KEYDOWN:
        OnKeyDown(static_cast<int>(wParam));
        return 0;
    case WM_KEYUP:
        switch (wParam) {
        case VK_UP:
        case VK_DOWN:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_HOME:
        case VK_END:
            Send(SB_ENDSCROLL);
            break;
        default:
            break;
        }
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        m_focused = msg == WM_SETFOCUS;
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return 0;
    case WM_ENABLE:
    case WM_SIZE:
    case WM_STYLECHANGED:
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    default:
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    }
}

LRESULT ScrollBarWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<ScrollBarControl> state =
        msg == WM_NCCREATE ? ScrollBarStates::Create(hwnd) : ScrollBarStates::Find(hwnd);
    if (!state) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    return state->Handle(msg, wParam, lParam);
}

} // namespace win::controls
