#include "platform/win/controls/combobox/ComboBoxControl.h"

#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/controls/common/ControlColors.h"
#include "platform/win/controls/common/ControlPaint.h"
#include "platform/win/controls/common/ControlProcs.h"
#include "platform/win/controls/common/ControlStates.h"
#include "platform/win/controls/common/Focus.h"
#include "platform/win/controls/common/Notify.h"
#include "platform/win/gdi/DecorationConstants.h"
#include "platform/win/gdi/Decorations.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/input/Capture.h"
#include "platform/win/input/Input.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/rect/RectHelpers.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/system/SystemMetrics.h"
#include "platform/win/text/Fonts.h"
#include "platform/win/text/Text.h"
#include "platform/win/window/Activation.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/Tree.h"
#include "platform/win/window/Visibility.h"
#include "platform/win/window/WindowLong.h"

#include <algorithm>
#include <cstring>

namespace win::controls {

namespace {

using ComboStates = ControlStates<ComboBoxControl>;

constexpr int kTextMargin = 2;

bool OpensOrCloses(UINT msg, WPARAM vk) {
    return (msg == WM_KEYDOWN && vk == VK_F4) ||
           (msg == WM_SYSKEYDOWN && (vk == VK_DOWN || vk == VK_UP));
}

// The Edit child of a CBS_DROPDOWN combo box hands the keys that work the list to the combo box.
LRESULT ComboEditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND combo = GetParent(edit);
    const bool dropped = SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
    const bool listKey =
        msg == WM_KEYDOWN &&
        (wParam == VK_UP || wParam == VK_DOWN || wParam == VK_PRIOR || wParam == VK_NEXT ||
         (dropped && (wParam == VK_RETURN || wParam == VK_ESCAPE)));
    if (OpensOrCloses(msg, wParam) || listKey) {
        return SendMessageA(combo, msg, wParam, lParam);
    }
    return EditWndProc(edit, msg, wParam, lParam);
}

} // namespace

DWORD ComboBoxControl::Kind() const {
    return static_cast<DWORD>(GetWindowLongA(m_hwnd, GWL_STYLE)) & 3;
}

int ComboBoxControl::FieldHeight() const {
    return m_fieldHeight > 0 ? m_fieldHeight : m_fontHeight + 2;
}

int ComboBoxControl::DroppedWidth() const {
    RECT window;
    GetWindowRect(m_hwnd, &window);
    return std::max(static_cast<int>(window.right - window.left), m_droppedWidth);
}

// Up to kDroppedItems items inside a one-pixel border; an empty list shows one empty row.
int ComboBoxControl::ListHeight() const {
    const int count = static_cast<int>(ToList(LB_GETCOUNT, 0, 0));
    const int itemHeight = static_cast<int>(ToList(LB_GETITEMHEIGHT, 0, 0));
    return std::clamp(count, 1, kDroppedItems) * itemHeight + 2;
}

RECT ComboBoxControl::ButtonRect() const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int edge = kChrome - 1;
    return {std::max(edge, static_cast<int>(client.right) - edge - GetSystemMetrics(SM_CXVSCROLL)),
            edge, client.right - edge, client.bottom - edge};
}

RECT ComboBoxControl::FieldRect() const {
    return {kChrome, kChrome, ButtonRect().left, kChrome + FieldHeight()};
}

std::shared_ptr<ListBoxControl> ComboBoxControl::List() const {
    return ControlStates<ListBoxControl>::Find(m_list);
}

LRESULT ComboBoxControl::ToList(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return m_list ? SendMessageA(m_list, msg, wParam, lParam) : CB_ERR;
}

void ComboBoxControl::MeasureFont() {
    m_fontHeight = m_font.LineHeight(m_hwnd, m_fontHeight);
}

// The closed height follows the field; the edit child fills the field.
void ComboBoxControl::ApplyHeight() {
    RECT window;
    GetWindowRect(m_hwnd, &window);
    SetWindowPos(m_hwnd, {}, 0, 0, window.right - window.left, ClosedHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_edit) {
        const RECT field = FieldRect();
        SetWindowPos(m_edit, {}, field.left, field.top, field.right - field.left,
                     field.bottom - field.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void ComboBoxControl::OnCreate(const CREATESTRUCTA& cs) {
    MeasureFont();
    const auto self = ComboStates::Find(m_hwnd);
    m_list =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "ComboLBox", "", WS_POPUP | WS_BORDER, 0,
                        0, cs.cx, kDroppedItems * m_fontHeight + 2, m_hwnd, {}, {},
                        reinterpret_cast<LPVOID>(static_cast<uintptr_t>(m_hwnd.Value())));
    if (const auto list = List(); list && self) {
        list->SetOwner(std::weak_ptr<ListOwner>(self));
    }
    if (Kind() == CBS_DROPDOWN || Kind() == CBS_SIMPLE) {
        m_edit = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 10,
                                 10, m_hwnd, HMENU::FromValue(kComboEditId), {}, nullptr);
        SetWindowLongA(m_edit, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboEditProc));
    }
    ApplyHeight();
}

void ComboBoxControl::Open() {
    if (m_dropped || !m_list) {
        return;
    }
    NotifyParent(m_hwnd, CBN_DROPDOWN);
    if (m_dead || !IsWindow(m_list)) {
        return;
    }
    RECT combo;
    GetWindowRect(m_hwnd, &combo);
    const int height = ListHeight();
    int top = combo.bottom;
    if (top + height > GetSystemMetrics(SM_CYSCREEN)) {
        top = combo.top - height;
    }
    m_dropped = true;
    SetWindowPos(m_list, HWND_TOPMOST, combo.left, top, DroppedWidth(), height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (const auto list = List()) {
        list->SetDropped(true);
    }
    SetCapture(m_list);
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

void ComboBoxControl::Close(bool chosen) {
    if (!m_dropped) {
        return;
    }
    m_dropped = false;
    NotifyParent(m_hwnd, chosen ? CBN_SELENDOK : CBN_SELENDCANCEL);
    if (m_dead) {
        return;
    }
    if (const auto list = List()) {
        list->SetDropped(false);
    }
    if (GetCapture() == m_list) {
        ReleaseCapture();
    }
    ShowWindow(m_list, SW_HIDE);
    InvalidateRect(m_hwnd, nullptr, FALSE);
    NotifyParent(m_hwnd, CBN_CLOSEUP);
}

void ComboBoxControl::OnKeyDown(int vk, bool alt) {
    if ((vk == VK_F4 && !alt) || (alt && (vk == VK_DOWN || vk == VK_UP))) {
        if (m_dropped) {
            if (const auto list = List()) {
                list->ChooseHighlighted();
            }
            Close(true);
        } else {
            Open();
        }
        return;
    }
    if (m_dropped && vk == VK_RETURN) {
        if (const auto list = List()) {
            list->ChooseHighlighted();
        }
        Close(true);
    } else if (m_dropped && vk == VK_ESCAPE) {
        Close(false);
    } else if (vk == VK_UP || vk == VK_DOWN || vk == VK_PRIOR || vk == VK_NEXT ||
               (!m_edit && (vk == VK_HOME || vk == VK_END))) {
        ToList(WM_KEYDOWN, static_cast<WPARAM>(vk), 0);
    }
}

void ComboBoxControl::SelectionShown() {
    if (m_edit) {
        char text[1024] = {};
        SelectedText(sizeof text, text);
        m_settingEdit = true;
        SetWindowTextA(m_edit, text);
        m_settingEdit = false;
        SendMessageA(m_edit, EM_SETSEL, 0, -1);
    }
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

void ComboBoxControl::OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND from = HwndFromParam(lParam);
    const WORD code = HIWORD(wParam);
    if (from == m_list && code == LBN_SELCHANGE) {
        SelectionShown();
        NotifyParent(m_hwnd, CBN_SELCHANGE);
    } else if (from == m_edit && m_edit) {
        switch (code) {
        case EN_CHANGE:
            if (!m_settingEdit) {
                NotifyParent(m_hwnd, CBN_EDITCHANGE);
            }
            break;
        case EN_UPDATE:
            if (!m_settingEdit) {
                NotifyParent(m_hwnd, CBN_EDITUPDATE);
            }
            break;
        case EN_SETFOCUS:
            FocusIn();
            break;
        case EN_KILLFOCUS:
            FocusOut(GetFocus());
            break;
        default:
            break;
        }
    }
}

void ComboBoxControl::FocusIn() {
    if (m_focused) {
        return;
    }
    m_focused = true;
    InvalidateRect(m_hwnd, nullptr, FALSE);
    NotifyParent(m_hwnd, CBN_SETFOCUS);
}

// The focus moving between the combo box and its edit is no loss.
void ComboBoxControl::FocusOut(HWND newFocus) {
    if (!m_focused || (newFocus && (newFocus == m_hwnd || newFocus == m_edit))) {
        return;
    }
    m_focused = false;
    Close(false);
    if (m_dead) {
        return;
    }
    InvalidateRect(m_hwnd, nullptr, FALSE);
    NotifyParent(m_hwnd, CBN_KILLFOCUS);
}

LRESULT ComboBoxControl::SelectedText(WPARAM size, char* buffer) const {
    const LRESULT sel = ToList(LB_GETCURSEL, 0, 0);
    const LRESULT length = sel < 0 ? 0 : ToList(LB_GETTEXTLEN, static_cast<WPARAM>(sel), 0);
    if (!buffer || size == 0) {
        return std::max<LRESULT>(length, 0);
    }
    std::string text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
    if (length > 0) {
        ToList(LB_GETTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(text.data()));
    }
    const size_t copied = std::min(static_cast<size_t>(std::max<LRESULT>(length, 0)), size - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return static_cast<LRESULT>(copied);
}

void ComboBoxControl::Paint() {
    const ControlPaint paint(m_hwnd, m_font);
    if (!paint.Valid()) {
        return;
    }
    const HDC hdc = paint.Dc();
    const HBRUSH brush = ControlColorBrush(m_hwnd, hdc, WM_CTLCOLORLISTBOX);
    if (m_dead) {
        return;
    }
    const bool enabled = IsWindowEnabled(m_hwnd) != FALSE;
    RECT client = paint.Client();
    FillRect(hdc, &client, brush);
    DrawEdge(hdc, &client, EDGE_SUNKEN, BF_RECT);
    RECT button = ButtonRect();
    DrawFrameControl(hdc, &button, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (m_dropped ? DFCS_PUSHED : 0) |
                         (enabled ? 0 : DFCS_INACTIVE));
    if (m_edit) {
        return;
    }
    RECT field = FieldRect();
    const bool highlighted = m_focused && !m_dropped && enabled;
    if (highlighted) {
        FillRect(hdc, &field, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        SetBkColor(hdc, GetSysColor(COLOR_HIGHLIGHT));
    } else if (!enabled) {
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    }
    char text[1024] = {};
    const auto length = static_cast<int>(SelectedText(sizeof text, text));
    RECT cell = field;
    cell.left += kTextMargin;
    DrawTextA(hdc, text, length, &cell, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (highlighted) {
        DrawFocusRect(hdc, &field);
    }
}

LRESULT ComboBoxControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE:
        // Scroll bars belong to the dropped list, which scrolls anyway: on the closed box one
        // would cover the drop button and take its clicks.
        SetWindowLongA(m_hwnd, GWL_STYLE,
                       GetWindowLongA(m_hwnd, GWL_STYLE) &
                           ~static_cast<LONG>(WS_VSCROLL | WS_HSCROLL));
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case WM_CREATE:
        OnCreate(*reinterpret_cast<const CREATESTRUCTA*>(lParam));
        return 0;
    case WM_DESTROY:
        if (m_list && IsWindow(m_list)) {
            DestroyWindow(m_list);
        }
        return 0;
    case WM_NCDESTROY:
        m_dead = true;
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case WM_WINDOWPOSCHANGING: {
        auto& pos = *reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(pos.flags & SWP_NOSIZE)) {
            pos.cy = ClosedHeight();
        }
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    }
    case WM_SIZE:
        if (m_edit) {
            const RECT field = FieldRect();
            SetWindowPos(m_edit, {}, field.left, field.top, field.right - field.left,
                         field.bottom - field.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return 0;
    case WM_SETFONT:
        m_font.Set(HfontFromParam(static_cast<intptr_t>(wParam)));
        MeasureFont();
        ToList(WM_SETFONT, wParam, FALSE);
        if (m_edit) {
            SendMessageA(m_edit, WM_SETFONT, wParam, FALSE);
        }
        ApplyHeight();
        return 0;
    case WM_GETFONT:
        return HandleToParam(m_font.Get());
    case WM_ENABLE:
        if (m_edit) {
            EnableWindow(m_edit, wParam ? TRUE : FALSE);
        }
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return 0;
    case WM_SETTEXT:
        if (m_edit) {
            return SendMessageA(m_edit, msg, wParam, lParam);
        } else {
            const LRESULT found = ToList(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lParam);
            if (found < 0) {
                return CB_ERR;
            }
            ToList(LB_SETCURSEL, static_cast<WPARAM>(found), 0);
            SelectionShown();
            return TRUE;
        }
    case WM_GETTEXT:
        return m_edit ? SendMessageA(m_edit, msg, wParam, lParam)
                      : SelectedText(wParam, reinterpret_cast<char*>(lParam));
    case WM_GETTEXTLENGTH:
        return m_edit ? SendMessageA(m_edit, msg, wParam, lParam) : SelectedText(0, nullptr);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (m_dropped ? DLGC_WANTALLKEYS : 0);
    case WM_SETFOCUS:
        if (m_edit) {
            SetFocus(m_edit);
        } else {
            FocusIn();
        }
        return 0;
    case WM_KILLFOCUS:
        FocusOut(HwndFromParam(static_cast<intptr_t>(wParam)));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!TakeFocusOnPress(m_edit ? m_edit : m_hwnd)) {
            return 0;
        }
        if (m_dropped) {
            Close(false);
        } else {
            Open();
        }
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<int>(wParam), false);
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_DOWN || wParam == VK_UP) {
            OnKeyDown(static_cast<int>(wParam), true);
            return 0;
        }
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case WM_CHAR:
        if (!m_edit) {
            ToList(WM_CHAR, wParam, lParam);
        }
        return 0;
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        // The list and the edit ask the combo box; its parent answers for them.
        if (const HWND parent = GetParent(m_hwnd)) {
            return SendMessageA(parent, msg, wParam, lParam);
        }
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case CB_ADDSTRING:
        return ToList(LB_ADDSTRING, wParam, lParam);
    case CB_INSERTSTRING:
        return ToList(LB_INSERTSTRING, wParam, lParam);
    case CB_DELETESTRING:
    case CB_RESETCONTENT:
    case CB_SETCURSEL: {
        const UINT listMsg = msg == CB_DELETESTRING   ? LB_DELETESTRING
                             : msg == CB_RESETCONTENT ? LB_RESETCONTENT
                                                      : LB_SETCURSEL;
        const LRESULT result = ToList(listMsg, wParam, lParam);
        SelectionShown();
        return result;
    }
    case CB_GETCOUNT:
        return ToList(LB_GETCOUNT, 0, 0);
    case CB_GETCURSEL:
        return ToList(LB_GETCURSEL, 0, 0);
    case CB_GETLBTEXT:
        return ToList(LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN:
        return ToList(LB_GETTEXTLEN, wParam, lParam);
    case CB_GETITEMDATA:
        return ToList(LB_GETITEMDATA, wParam, lParam);
    case CB_SETITEMDATA:
        return ToList(LB_SETITEMDATA, wParam, lParam);
    case CB_FINDSTRINGEXACT:
        return ToList(LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_SHOWDROPDOWN:
        if (wParam) {
            Open();
        } else {
            Close(false);
        }
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return m_dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        if (!rect) {
            return CB_ERR;
        }
        GetWindowRect(m_hwnd, rect);
        rect->right = rect->left + DroppedWidth();
        rect->bottom += ListHeight();
        return TRUE;
    }
    case CB_SETITEMHEIGHT: {
        const int height = static_cast<int>(lParam);
        if (static_cast<int>(wParam) >= 0) {
            return ToList(LB_SETITEMHEIGHT, 0, lParam);
        }
        if (height < 1 || height > 32767) {
            return CB_ERR;
        }
        m_fieldHeight = height;
        ApplyHeight();
        return 0;
    }
    case CB_GETITEMHEIGHT:
        return static_cast<int>(wParam) < 0 ? FieldHeight() : ToList(LB_GETITEMHEIGHT, 0, 0);
    case CB_GETDROPPEDWIDTH:
        return DroppedWidth();
    case CB_SETDROPPEDWIDTH:
        m_droppedWidth = std::max(0, static_cast<int>(wParam));
        return DroppedWidth();
    case CB_LIMITTEXT:
        if (m_edit) {
            SendMessageA(m_edit, EM_LIMITTEXT, wParam, 0);
        }
        return TRUE;
    case CB_GETEDITSEL:
        return m_edit ? SendMessageA(m_edit, EM_GETSEL, wParam, lParam) : CB_ERR;
    case CB_SETEDITSEL:
        if (!m_edit) {
            return CB_ERR;
        }
        SendMessageA(m_edit, EM_SETSEL, static_cast<WPARAM>(static_cast<int16_t>(LOWORD(lParam))),
                     static_cast<int16_t>(HIWORD(lParam)));
        return TRUE;
    default:
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    }
}

LRESULT ComboBoxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return StateWndProc<ComboBoxControl>(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
