#include "platform/win/controls/button/ButtonControl.h"

#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/controls/button/ButtonPainter.h"
#include "platform/win/controls/common/ControlColors.h"
#include "platform/win/controls/common/ControlPaint.h"
#include "platform/win/controls/common/ControlProcs.h"
#include "platform/win/controls/common/ControlStates.h"
#include "platform/win/controls/common/ControlText.h"
#include "platform/win/controls/common/Focus.h"
#include "platform/win/controls/common/Notify.h"
#include "platform/win/input/Capture.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/rect/RectHelpers.h"
#include "platform/win/window/Activation.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/Tree.h"
#include "platform/win/window/Visibility.h"
#include "platform/win/window/WindowLong.h"

#include <algorithm>
#include <vector>

namespace win::controls {

namespace {

bool HasGroupStyle(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_STYLE) & WS_GROUP) != 0;
}

bool IsRadio(HWND hwnd) {
    return (SendMessageA(hwnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

// The group runs from the nearest WS_GROUP sibling at or before `member` up to the next sibling
// that starts a group.
std::vector<HWND> GroupOf(HWND member) {
    HWND first = member;
    while (!HasGroupStyle(first)) {
        const HWND previous = GetWindow(first, GW_HWNDPREV);
        if (!previous) {
            break;
        }
        first = previous;
    }
    std::vector<HWND> group;
    for (HWND sibling = first; sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != first && HasGroupStyle(sibling)) {
            break;
        }
        group.push_back(sibling);
    }
    return group;
}

} // namespace

DWORD ButtonControl::Type() const {
    return static_cast<DWORD>(GetWindowLongA(m_hwnd, GWL_STYLE)) & BS_TYPEMASK;
}

bool ButtonControl::IsGroupBox() const {
    return Type() == BS_GROUPBOX;
}

bool ButtonControl::IsCheckable() const {
    const DWORD type = Type();
    return type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON && type != BS_GROUPBOX;
}

void ButtonControl::SetPushed(bool pushed) {
    if (m_pushed != pushed) {
        m_pushed = pushed;
        InvalidateRect(m_hwnd, nullptr, FALSE);
    }
}

// Two-state kinds read any non-zero check as checked; three-state kinds keep the indeterminate 2.
void ButtonControl::SetCheck(WPARAM check) {
    if (!IsCheckable()) {
        return;
    }
    const DWORD type = Type();
    const bool threeState = type == BS_3STATE || type == BS_AUTO3STATE;
    const LRESULT value =
        threeState ? std::min<LRESULT>(static_cast<LRESULT>(check & 3), BST_INDETERMINATE)
                   : (check ? BST_CHECKED : BST_UNCHECKED);
    if (value != m_check) {
        m_check = value;
        InvalidateRect(m_hwnd, nullptr, FALSE);
    }
}

void ButtonControl::OnButtonDown() {
    if (!TakeFocusOnPress(m_hwnd)) {
        return;
    }
    m_tracking = true;
    SetCapture(m_hwnd);
    SetPushed(true);
}

void ButtonControl::OnMouseMove(POINT pt) {
    if (m_tracking) {
        RECT client;
        GetClientRect(m_hwnd, &client);
        SetPushed(PtInRect(&client, pt) != FALSE);
    }
}

void ButtonControl::OnButtonUp(POINT pt) {
    if (!m_tracking) {
        return;
    }
    RECT client;
    GetClientRect(m_hwnd, &client);
    const bool inside = PtInRect(&client, pt) != FALSE;
    m_tracking = false;
    if (GetCapture() == m_hwnd) {
        ReleaseCapture();
    }
    if (m_dead) {
        return;
    }
    SetPushed(false);
    if (inside) {
        Clicked();
    }
}

void ButtonControl::CancelPress() {
    m_tracking = false;
    m_spacePressed = false;
    SetPushed(false);
}

void ButtonControl::UncheckGroupSiblings() {
    for (const HWND sibling : GroupOf(m_hwnd)) {
        if (sibling != m_hwnd && IsRadio(sibling)) {
            SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
}

bool ButtonControl::MoveWithinGroup(bool forward) {
    if (!IsRadio(m_hwnd)) {
        return false;
    }
    std::vector<HWND> radios;
    for (const HWND sibling : GroupOf(m_hwnd)) {
        if (sibling == m_hwnd ||
            (IsRadio(sibling) && IsWindowVisible(sibling) && IsWindowEnabled(sibling))) {
            radios.push_back(sibling);
        }
    }
    const auto self = std::find(radios.begin(), radios.end(), m_hwnd);
    const size_t index = static_cast<size_t>(self - radios.begin());
    const HWND target = radios[(index + (forward ? 1 : radios.size() - 1)) % radios.size()];
    if (target == m_hwnd) {
        return true;
    }
    // The arrow selects as it moves: the new button takes the focus, then its check, then the
    // parent hears the click, without the mouse messages a BM_CLICK would fake.
    SetFocus(target);
    if (GetFocus() != target) {
        return true;
    }
    if ((static_cast<DWORD>(GetWindowLongA(target, GWL_STYLE)) & BS_TYPEMASK) ==
        BS_AUTORADIOBUTTON) {
        for (const HWND sibling : GroupOf(target)) {
            if (IsRadio(sibling)) {
                SendMessageA(sibling, BM_SETCHECK, sibling == target ? BST_CHECKED : BST_UNCHECKED,
                             0);
            }
        }
    }
    NotifyParent(target, BN_CLICKED);
    return true;
}

void ButtonControl::Clicked() {
    switch (Type()) {
    case BS_AUTOCHECKBOX:
        SetCheck(m_check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTO3STATE:
        SetCheck(static_cast<WPARAM>((m_check + 1) % 3));
        break;
    case BS_AUTORADIOBUTTON:
        SetCheck(BST_CHECKED);
        UncheckGroupSiblings();
        if (m_dead) {
            return;
        }
        break;
    default:
        break;
    }
    NotifyParent(m_hwnd, BN_CLICKED);
}

void ButtonControl::Paint() {
    const ControlPaint paint(m_hwnd, m_font);
    if (!paint.Valid()) {
        return;
    }
    const DWORD type = Type();
    const bool push = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
    ButtonLook look;
    look.type = type;
    look.check = m_check;
    look.pushed = m_pushed;
    look.focused = m_focused;
    look.enabled = IsWindowEnabled(m_hwnd) != FALSE;
    look.text = WindowText(m_hwnd);
    ButtonPainter::Paint(
        paint.Dc(), paint.Client(),
        ControlColorBrush(m_hwnd, paint.Dc(), push ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC), look);
}

LRESULT ButtonControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleTextAndFont(m_hwnd, m_font, msg, wParam, lParam, result)) {
        return result;
    }
    switch (msg) {
    case WM_NCDESTROY:
        m_dead = true;
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case WM_NCHITTEST:
        // A group box only draws around its neighbours; the mouse reaches what lies beneath.
        if (IsGroupBox()) {
            return HTTRANSPARENT;
        }
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE:
        switch (Type()) {
        case BS_GROUPBOX:
            return DLGC_STATIC;
        case BS_PUSHBUTTON:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON:
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        default:
            return DLGC_BUTTON;
        }
    case BM_GETCHECK:
        return m_check;
    case BM_SETCHECK:
        SetCheck(wParam);
        return 0;
    case BM_GETSTATE:
        return m_check | (m_pushed ? BST_PUSHED : 0) | (m_focused ? BST_FOCUS : 0);
    case BM_SETSTATE:
        SetPushed(wParam != 0);
        return 0;
    case BM_SETSTYLE: {
        const auto style = static_cast<DWORD>(GetWindowLongA(m_hwnd, GWL_STYLE));
        SetWindowLongA(m_hwnd, GWL_STYLE, (style & 0xFFFF0000u) | (wParam & 0xFFFFu));
        if (LOWORD(static_cast<uint64_t>(lParam))) {
            InvalidateRect(m_hwnd, nullptr, TRUE);
        }
        return 0;
    }
    case BM_CLICK:
        // The press and release a hand would make, so a subclass sees them too.
        if (!IsGroupBox() && IsWindowEnabled(m_hwnd)) {
            SendMessageA(m_hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
            SendMessageA(m_hwnd, WM_LBUTTONUP, 0, 0);
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!IsGroupBox()) {
            OnButtonDown();
        }
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_CAPTURECHANGED:
        if (m_tracking) {
            CancelPress();
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_LEFT || wParam == VK_UP || wParam == VK_RIGHT || wParam == VK_DOWN) {
            if (!m_tracking && !m_spacePressed) {
                MoveWithinGroup(wParam == VK_RIGHT || wParam == VK_DOWN);
            }
            return 0;
        }
        // Held-key repeats (bit 30 of lParam) press nothing new.
        if (wParam == VK_SPACE && !m_tracking && !(lParam & (LPARAM{1} << 30)) && !IsGroupBox()) {
            m_spacePressed = true;
            SetPushed(true);
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && m_spacePressed) {
            m_spacePressed = false;
            SetPushed(false);
            Clicked();
        }
        return 0;
    case WM_SETFOCUS:
        m_focused = true;
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return 0;
    case WM_KILLFOCUS:
        m_focused = false;
        if (m_spacePressed || m_tracking) {
            if (GetCapture() == m_hwnd) {
                ReleaseCapture();
            }
            CancelPress();
        }
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT fills with the parent's brush
    case WM_PAINT:
        Paint();
        return 0;
    default:
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    }
}

LRESULT ButtonWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return StateWndProc<ButtonControl>(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
