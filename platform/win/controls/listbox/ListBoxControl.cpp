#include "platform/win/controls/listbox/ListBoxControl.h"

#include "platform/base/TextCase.h"
#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/controls/common/ControlColors.h"
#include "platform/win/controls/common/ControlPaint.h"
#include "platform/win/controls/common/ControlProcs.h"
#include "platform/win/controls/common/ControlStates.h"
#include "platform/win/controls/common/ControlText.h"
#include "platform/win/controls/common/Focus.h"
#include "platform/win/controls/common/Notify.h"
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
#include "platform/win/window/Classes.h"
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

// Items start this far from the left edge of a row.
constexpr int kTextMargin = 2;

} // namespace

int ListBoxControl::ItemHeight() const {
    return m_itemHeight > 0 ? m_itemHeight : m_fontHeight;
}

int ListBoxControl::VisibleCount() const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    return std::max(1, static_cast<int>(client.bottom) / ItemHeight());
}

int ListBoxControl::ListWidth() const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    const bool bar = m_scroll && IsWindowVisible(m_scroll);
    return client.right - (bar ? GetSystemMetrics(SM_CXVSCROLL) : 0);
}

ListBoxControl::Selection ListBoxControl::SelectionKind() const {
    const auto style = static_cast<DWORD>(GetWindowLongA(m_hwnd, GWL_STYLE));
    if (IsDroppedList()) {
        return Selection::Single;
    }
    if (style & LBS_EXTENDEDSEL) {
        return Selection::Extended;
    }
    return (style & LBS_MULTIPLESEL) ? Selection::Multiple : Selection::Single;
}

bool ListBoxControl::Notifies() const {
    return IsDroppedList() || (GetWindowLongA(m_hwnd, GWL_STYLE) & LBS_NOTIFY) != 0;
}

void ListBoxControl::NotifySelChange() {
    if (IsDroppedList()) {
        NotifyWindow(m_combo, m_hwnd, static_cast<uint32_t>(GetWindowLongA(m_combo, GWL_ID)),
                     LBN_SELCHANGE);
    } else if (Notifies()) {
        NotifyParent(m_hwnd, LBN_SELCHANGE);
    }
}

void ListBoxControl::SelectByUser(int index, bool always) {
    if (!m_items.At(index)) {
        return;
    }
    EnsureVisible(index);
    if (index == m_sel && !always) {
        return;
    }
    m_sel = index;
    m_hot = -1;
    InvalidateRect(m_hwnd, nullptr, FALSE);
    NotifySelChange();
}

void ListBoxControl::PickByUser(int index, bool shift, bool control, bool toggle) {
    ListItem* item = m_items.At(index);
    if (!item) {
        return;
    }
    EnsureVisible(index);
    bool changed = index != m_sel;
    m_sel = index;
    if (SelectionKind() == Selection::Multiple || (control && toggle && !shift)) {
        if (toggle) {
            changed = m_items.Select(index, index, !item->selected) || changed;
        }
        m_anchor = index;
    } else if (shift) {
        if (!m_items.At(m_anchor)) {
            m_anchor = index;
        }
        changed = (control ? m_items.Select(m_anchor, index, true)
                           : m_items.SelectOnly(m_anchor, index)) ||
                  changed;
    } else {
        changed = m_items.SelectOnly(index, index) || changed;
        m_anchor = index;
    }
    if (changed) {
        InvalidateRect(m_hwnd, nullptr, FALSE);
        NotifySelChange();
    }
}

LRESULT ListBoxControl::HandleSelectionMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const bool multiple = SelectionKind() != Selection::Single;
    switch (msg) {
    case LB_GETSEL: {
        const int index = static_cast<int>(wParam);
        const ListItem* item = m_items.At(index);
        if (!item) {
            return LB_ERR;
        }
        return (multiple ? item->selected : index == m_sel) ? 1 : 0;
    }
    case LB_SETSEL: {
        // lParam -1 selects or deselects every item.
        const int index = static_cast<int>(lParam);
        if (!multiple || (index != -1 && !m_items.At(index))) {
            return LB_ERR;
        }
        if (index == -1) {
            m_items.Select(0, m_items.Count() - 1, wParam != 0);
        } else {
            m_items.Select(index, index, wParam != 0);
        }
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return 0;
    }
    case LB_GETSELCOUNT:
        return multiple ? m_items.SelectedCount() : LB_ERR;
    case LB_GETSELITEMS: {
        if (!multiple) {
            return LB_ERR;
        }
        auto* out = reinterpret_cast<int*>(lParam);
        const std::vector<int> selected = m_items.SelectedIndexes();
        const size_t count = out ? std::min(selected.size(), static_cast<size_t>(wParam)) : 0;
        std::copy_n(selected.begin(), count, out);
        return static_cast<LRESULT>(count);
    }
    default:
        return LB_ERR;
    }
}

void ListBoxControl::SetTop(int top) {
    top = std::clamp(top, 0, std::max(0, m_items.Count() - VisibleCount()));
    if (top != m_top) {
        m_top = top;
        InvalidateRect(m_hwnd, nullptr, FALSE);
    }
    UpdateScrollBar();
}

void ListBoxControl::EnsureVisible(int index) {
    if (index < 0) {
        return;
    }
    if (index < m_top) {
        SetTop(index);
    } else if (index >= m_top + VisibleCount()) {
        SetTop(index - VisibleCount() + 1);
    }
}

// The scroll bar is a child at the right of the client area, shown while the items do not fit.
void ListBoxControl::UpdateScrollBar() {
    const bool allowed = IsDroppedList() || (GetWindowLongA(m_hwnd, GWL_STYLE) & WS_VSCROLL) != 0;
    const int visible = VisibleCount();
    const bool needed = allowed && m_items.Count() > visible;
    const bool shown = m_scroll && IsWindowVisible(m_scroll);
    if (!needed) {
        if (shown) {
            ShowWindow(m_scroll, SW_HIDE);
            InvalidateRect(m_hwnd, nullptr, FALSE);
        }
        return;
    }
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    if (!m_scroll) {
        m_scroll = CreateWindowExA(0, "ScrollBar", "", WS_CHILD | SBS_VERT, client.right - width, 0,
                                   width, client.bottom, m_hwnd, {}, {}, nullptr);
    } else {
        SetWindowPos(m_scroll, {}, client.right - width, 0, width, client.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SCROLLINFO info;
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = m_items.Count() - 1;
    info.nPage = static_cast<UINT>(visible);
    info.nPos = m_top;
    SendMessageA(m_scroll, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info));
    if (!shown) {
        ShowWindow(m_scroll, SW_SHOW);
        InvalidateRect(m_hwnd, nullptr, FALSE);
    }
}

int ListBoxControl::ItemAt(POINT pt) const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    if (pt.x < 0 || pt.x >= ListWidth() || pt.y < 0 || pt.y >= client.bottom) {
        return -1;
    }
    const int index = m_top + pt.y / ItemHeight();
    return index < m_items.Count() ? index : -1;
}

void ListBoxControl::MeasureFont() {
    m_fontHeight = m_font.LineHeight(m_hwnd, m_fontHeight);
}

void ListBoxControl::SetDropped(bool dropped) {
    m_dropped = dropped;
    m_hot = -1;
    m_tracking = false;
    if (dropped) {
        UpdateScrollBar();
        EnsureVisible(m_sel);
    }
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

void ListBoxControl::ChooseHighlighted() {
    if (m_hot >= 0) {
        SelectByUser(m_hot);
    }
}

void ListBoxControl::OnScroll(WORD code) {
    const int page = VisibleCount();
    switch (code) {
    case SB_LINEUP:
        SetTop(m_top - 1);
        break;
    case SB_LINEDOWN:
        SetTop(m_top + 1);
        break;
    case SB_PAGEUP:
        SetTop(m_top - page);
        break;
    case SB_PAGEDOWN:
        SetTop(m_top + page);
        break;
    case SB_TOP:
        SetTop(0);
        break;
    case SB_BOTTOM:
        SetTop(m_items.Count());
        break;
    case SB_ENDSCROLL:
        // The scroll bar had the mouse for its press; an open dropped list takes it back.
        if (m_dropped && GetCapture() != m_hwnd) {
            SetCapture(m_hwnd);
        }
        break;
    default:
        break;
    }
}

void ListBoxControl::OnKeyDown(int vk) {
    const int count = m_items.Count();
    if (count == 0) {
        return;
    }
    const bool multiple = SelectionKind() != Selection::Single;
    if (multiple && vk == VK_SPACE) {
        PickByUser(std::max(m_sel, 0), false, GetKeyState(VK_CONTROL) < 0, true);
        return;
    }
    const int page = std::max(1, VisibleCount() - 1);
    const int from = m_sel;
    int to = from;
    switch (vk) {
    case VK_UP:
        to = from < 0 ? 0 : from - 1;
        break;
    case VK_DOWN:
        to = from + 1;
        break;
    case VK_HOME:
        to = 0;
        break;
    case VK_END:
        to = count - 1;
        break;
    case VK_PRIOR:
        to = from - page;
        break;
    case VK_NEXT:
        to = from < 0 ? 0 : from + page;
        break;
    default:
        return;
    }
    to = std::clamp(to, 0, count - 1);
    if (multiple) {
        PickByUser(to, SelectionKind() == Selection::Extended && GetKeyState(VK_SHIFT) < 0, false,
                   false);
    } else {
        SelectByUser(to);
    }
}

bool ListBoxControl::OnScrollBar(POINT pt) const {
    if (!m_scroll || !IsWindowVisible(m_scroll)) {
        return false;
    }
    RECT client;
    GetClientRect(m_hwnd, &client);
    return pt.x >= ListWidth() && pt.x < client.right && pt.y >= 0 && pt.y < client.bottom;
}

void ListBoxControl::ForwardToScrollBar(UINT msg, POINT pt) {
    SendMessageA(
        m_scroll, msg, MK_LBUTTON,
        MAKELPARAM(static_cast<uint32_t>(pt.x - ListWidth()), static_cast<uint32_t>(pt.y)));
}

void ListBoxControl::OnButtonDown(POINT pt, bool doubleClick, WPARAM keys) {
    if (m_dropped) {
        RECT client;
        GetClientRect(m_hwnd, &client);
        if (OnScrollBar(pt)) {
            ForwardToScrollBar(WM_LBUTTONDOWN, pt);
        } else if (!PtInRect(&client, pt)) {
            if (const auto owner = m_owner.lock()) {
                owner->ListCancelled();
            }
        } else {
            m_tracking = true;
            OnMouseMove(pt, 0);
        }
        return;
    }
    if (!TakeFocusOnPress(m_hwnd)) {
        return;
    }
    m_tracking = true;
    SetCapture(m_hwnd);
    const int item = ItemAt(pt);
    if (SelectionKind() == Selection::Single) {
        SelectByUser(item);
    } else {
        PickByUser(item, (keys & MK_SHIFT) != 0, (keys & MK_CONTROL) != 0, true);
    }
    if (doubleClick && item >= 0 && !m_dead && Notifies()) {
        NotifyParent(m_hwnd, LBN_DBLCLK);
    }
}

void ListBoxControl::OnMouseMove(POINT pt, WPARAM keys) {
    if (m_dropped) {
        const int item = ItemAt(pt);
        if (item >= 0 && item != m_hot) {
            m_hot = item;
            InvalidateRect(m_hwnd, nullptr, FALSE);
        }
    } else if (m_tracking) {
        switch (SelectionKind()) {
        case Selection::Single:
            SelectByUser(ItemAt(pt));
            break;
        case Selection::Extended:
            PickByUser(ItemAt(pt), true, (keys & MK_CONTROL) != 0, false);
            break;
        case Selection::Multiple:
            break;
        }
    }
}

void ListBoxControl::OnButtonUp(POINT pt) {
    if (!m_tracking) {
        return;
    }
    m_tracking = false;
    if (!m_dropped) {
        if (GetCapture() == m_hwnd) {
            ReleaseCapture();
        }
        return;
    }
    const int item = ItemAt(pt);
    if (item < 0) {
        return;
    }
    // A click on an item is a choice even when the item was selected already.
    SelectByUser(item, true);
    if (m_dead) {
        return;
    }
    if (const auto owner = m_owner.lock()) {
        owner->ListChose();
    }
}

void ListBoxControl::Paint() {
    const ControlPaint paint(m_hwnd, m_font);
    if (!paint.Valid()) {
        return;
    }
    const HDC hdc = paint.Dc();
    // A dropped list asks its combo box, which may move the list before answering.
    const HBRUSH brush = IsDroppedList()
                             ? ControlColorBrushFrom(m_combo, m_hwnd, hdc, WM_CTLCOLORLISTBOX)
                             : ControlColorBrush(m_hwnd, hdc, WM_CTLCOLORLISTBOX);
    if (m_dead) {
        return;
    }
    RECT client = paint.Client();
    FillRect(hdc, &client, brush);
    if (!IsWindowEnabled(m_hwnd)) {
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    }
    const COLORREF text = GetTextColor(hdc);
    const COLORREF back = GetBkColor(hdc);
    const int height = ItemHeight();
    const int width = ListWidth();
    const int highlighted = m_dropped && m_hot >= 0 ? m_hot : m_sel;
    const bool multiple = SelectionKind() != Selection::Single;
    const int last = std::min(m_items.Count(), m_top + VisibleCount() + 1);
    for (int i = m_top; i < last; ++i) {
        RECT row{0, (i - m_top) * height, width, (i - m_top + 1) * height};
        const bool selected = multiple ? m_items.At(i)->selected : i == highlighted;
        if (selected) {
            FillRect(hdc, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        SetTextColor(hdc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : text);
        SetBkColor(hdc, selected ? GetSysColor(COLOR_HIGHLIGHT) : back);
        RECT cell = row;
        cell.left += kTextMargin;
        const std::string& item = m_items.At(i)->text;
        DrawTextA(hdc, item.c_str(), static_cast<int>(item.size()), &cell,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (m_focused && !IsDroppedList() && i == std::max(m_sel, 0)) {
            DrawFocusRect(hdc, &row);
        }
    }
}

LRESULT ListBoxControl::GetText(int index, char* buffer) const {
    const ListItem* item = m_items.At(index);
    if (!item) {
        return LB_ERR;
    }
    if (buffer) {
        std::memcpy(buffer, item->text.c_str(), item->text.size() + 1);
    }
    return static_cast<LRESULT>(item->text.size());
}

// Without LBS_NOINTEGRALHEIGHT a list box is as tall as a whole number of items.
void ListBoxControl::AdjustIntegralHeight(WINDOWPOS& pos) const {
    if (IsDroppedList() || (pos.flags & SWP_NOSIZE) ||
        (GetWindowLongA(m_hwnd, GWL_STYLE) & LBS_NOINTEGRALHEIGHT)) {
        return;
    }
    RECT window;
    RECT client;
    GetWindowRect(m_hwnd, &window);
    GetClientRect(m_hwnd, &client);
    const int frame = (window.bottom - window.top) - client.bottom;
    const int inside = pos.cy - frame;
    if (inside > ItemHeight()) {
        pos.cy -= inside % ItemHeight();
    }
}

LRESULT ListBoxControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleTextAndFont(m_hwnd, m_font, msg, wParam, lParam, result)) {
        if (msg == WM_SETFONT || msg == WM_SIZE) {
            MeasureFont();
            SetTop(m_top);
        }
        return result;
    }
    switch (msg) {
    case WM_NCCREATE: {
        char name[16] = {};
        GetClassNameA(m_hwnd, name, sizeof name);
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (base::EqualsNoCase(name, "ComboLBox") && cs) {
            m_combo = HwndFromParam(reinterpret_cast<intptr_t>(cs->lpCreateParams));
        }
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    }
    case WM_CREATE: {
        MeasureFont();
        RECT window;
        GetWindowRect(m_hwnd, &window);
        SetWindowPos(m_hwnd, {}, 0, 0, window.right - window.left, window.bottom - window.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_NCCALCSIZE: {
        // The vertical scroll bar is a child inside the client area, shown only when needed.
        const LRESULT result = DefWindowProcA(m_hwnd, msg, wParam, lParam);
        if (GetWindowLongA(m_hwnd, GWL_STYLE) & WS_VSCROLL) {
            reinterpret_cast<RECT*>(lParam)->right += GetSystemMetrics(SM_CXVSCROLL);
        }
        return result;
    }
    case WM_WINDOWPOSCHANGING:
        AdjustIntegralHeight(*reinterpret_cast<WINDOWPOS*>(lParam));
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case WM_NCDESTROY:
        m_dead = true;
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case WM_VSCROLL:
        if (LOWORD(wParam) == SB_THUMBTRACK || LOWORD(wParam) == SB_THUMBPOSITION) {
            SetTop(HIWORD(wParam));
        } else {
            OnScroll(LOWORD(wParam));
        }
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<int>(wParam));
        return 0;
    case WM_CHAR:
        if (wParam > ' ' && wParam < 0x7F) {
            const int found = m_items.NextStartingWith(m_sel, static_cast<char>(wParam));
            if (SelectionKind() == Selection::Single) {
                SelectByUser(found);
            } else {
                PickByUser(found, false, false, false);
            }
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, msg == WM_LBUTTONDBLCLK, wParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, wParam);
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_CAPTURECHANGED:
        if (!m_dropped) {
            m_tracking = false;
        }
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        m_focused = msg == WM_SETFOCUS;
        if (!m_focused && m_tracking) {
            m_tracking = false;
            if (GetCapture() == m_hwnd) {
                ReleaseCapture();
            }
        }
        InvalidateRect(m_hwnd, nullptr, FALSE);
        if (!IsDroppedList()) {
            NotifyParent(m_hwnd, m_focused ? LBN_SETFOCUS : LBN_KILLFOCUS);
        }
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT fills with the brush of the colour message
    case WM_PAINT:
        Paint();
        return 0;
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
        const char* text = reinterpret_cast<const char*>(lParam);
        const bool sorted = (GetWindowLongA(m_hwnd, GWL_STYLE) & LBS_SORT) != 0;
        const int index = msg == LB_ADDSTRING
                              ? m_items.Add(text ? text : "", sorted)
                              : m_items.Insert(static_cast<int>(wParam), text ? text : "");
        if (index < 0) {
            return LB_ERR;
        }
        if (m_sel >= index) {
            ++m_sel;
        }
        if (m_anchor >= index) {
            ++m_anchor;
        }
        UpdateScrollBar();
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return index;
    }
    case LB_DELETESTRING: {
        const int index = static_cast<int>(wParam);
        if (!m_items.Erase(index)) {
            return LB_ERR;
        }
        m_sel = m_sel == index ? -1 : m_sel > index ? m_sel - 1 : m_sel;
        m_anchor = m_anchor == index ? -1 : m_anchor > index ? m_anchor - 1 : m_anchor;
        m_hot = -1;
        SetTop(m_top);
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return m_items.Count();
    }
    case LB_RESETCONTENT:
        m_items.Clear();
        m_sel = -1;
        m_anchor = -1;
        m_hot = -1;
        SetTop(0);
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return 0;
    case LB_SETCURSEL: {
        const int index = static_cast<int>(wParam);
        m_sel = m_items.At(index) ? index : -1;
        m_hot = -1;
        EnsureVisible(m_sel);
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return m_sel < 0 ? LB_ERR : m_sel;
    }
    case LB_GETCURSEL:
        return m_sel;
    case LB_GETSEL:
    case LB_SETSEL:
    case LB_GETSELCOUNT:
    case LB_GETSELITEMS:
        return HandleSelectionMessage(msg, wParam, lParam);
    case LB_GETTEXT:
        return GetText(static_cast<int>(wParam), reinterpret_cast<char*>(lParam));
    case LB_GETTEXTLEN:
        return GetText(static_cast<int>(wParam), nullptr);
    case LB_GETCOUNT:
        return m_items.Count();
    case LB_SETTOPINDEX:
        if (!m_items.At(static_cast<int>(wParam))) {
            return LB_ERR;
        }
        SetTop(static_cast<int>(wParam));
        return 0;
    case LB_GETTOPINDEX:
        return m_top;
    case LB_GETITEMDATA: {
        const ListItem* item = m_items.At(static_cast<int>(wParam));
        return item ? item->data : LB_ERR;
    }
    case LB_SETITEMDATA: {
        ListItem* item = m_items.At(static_cast<int>(wParam));
        if (!item) {
            return LB_ERR;
        }
        item->data = lParam;
        return TRUE;
    }
    case LB_SETITEMHEIGHT: {
        const int height = static_cast<int>(static_cast<int16_t>(LOWORD(lParam)));
        if (height < 1 || height > 255) {
            return LB_ERR;
        }
        m_itemHeight = height;
        SetTop(m_top);
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return 0;
    }
    case LB_FINDSTRINGEXACT: {
        const char* text = reinterpret_cast<const char*>(lParam);
        const int found = m_items.FindExact(static_cast<int>(wParam), text ? text : "");
        return found < 0 ? LB_ERR : found;
    }
    case LB_GETITEMHEIGHT:
        return ItemHeight();
    case LB_ITEMFROMPOINT: {
        const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        RECT client;
        GetClientRect(m_hwnd, &client);
        const bool outside = !PtInRect(&client, pt) || m_items.Count() == 0;
        const int nearest = std::clamp(m_top + std::max(0, static_cast<int>(pt.y)) / ItemHeight(),
                                       0, std::max(0, m_items.Count() - 1));
        const bool below = nearest != m_top + static_cast<int>(pt.y) / ItemHeight();
        return MAKELRESULT(static_cast<uint32_t>(nearest), outside || below ? 1u : 0u);
    }
    default:
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    }
}

LRESULT ListBoxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return StateWndProc<ListBoxControl>(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
