#include "platform/win/controls/edit/EditControl.h"

#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/controls/common/ControlColors.h"
#include "platform/win/controls/common/ControlProcs.h"
#include "platform/win/controls/common/ControlStates.h"
#include "platform/win/controls/common/Notify.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/DeviceContexts.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/input/Capture.h"
#include "platform/win/input/Caret.h"
#include "platform/win/input/Input.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/rect/RectHelpers.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/text/Fonts.h"
#include "platform/win/text/Text.h"
#include "platform/win/window/Activation.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/Visibility.h"
#include "platform/win/window/WindowLong.h"

#include <algorithm>

namespace win::controls {

namespace {

using EditStates = ControlStates<EditControl>;

bool KeyDown(int vk) {
    return GetKeyState(vk) < 0;
}

} // namespace

bool EditControl::ReadOnly() const {
    return (GetWindowLongA(m_hwnd, GWL_STYLE) & ES_READONLY) != 0;
}

bool EditControl::Enabled() const {
    return IsWindowEnabled(m_hwnd) != FALSE;
}

void EditControl::Measure() {
    const WindowDc dc(m_hwnd);
    const HDC hdc = dc.Get();
    if (!hdc) {
        return;
    }
    {
        const SelectedObject selection(hdc, m_font.Usable());
        TEXTMETRICA metrics;
        if (GetTextMetricsA(hdc, &metrics)) {
            m_lineHeight = metrics.tmHeight;
        }
        const std::string utf8 = m_text.Utf8();
        m_x.assign(m_text.Length() + 1, 0);
        if (!utf8.empty()) {
            std::vector<int> advances(m_text.Length(), 0);
            SIZE size;
            GetTextExtentExPointA(hdc, utf8.data(), static_cast<int>(utf8.size()), 0, nullptr,
                                  advances.data(), &size);
            std::copy(advances.begin(), advances.end(), m_x.begin() + 1);
        }
    }
}

int EditControl::PositionX(size_t position) const {
    return m_x[std::min(position, m_x.size() - 1)];
}

// The caret position nearest to a client x: the boundary whose pixel is closest.
size_t EditControl::PositionAt(int clientX) const {
    const int x = clientX - kMarginX + m_scroll;
    size_t best = 0;
    for (size_t i = 1; i < m_x.size(); ++i) {
        if (std::abs(m_x[i] - x) < std::abs(m_x[best] - x)) {
            best = i;
        }
    }
    return best;
}

// Keeps the caret inside the client area; when the text shrinks, no blank space is left on the
// right while the text is wider than the view.
void EditControl::ScrollToCaret() {
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int view = std::max(1, static_cast<int>(client.right) - 2 * kMarginX);
    const int caretX = PositionX(m_text.Caret());
    const int before = m_scroll;
    if (caretX < m_scroll) {
        m_scroll = std::max(0, caretX - view / 4);
    } else if (caretX >= m_scroll + view) {
        m_scroll = caretX - view + 1;
    }
    m_scroll = std::clamp(m_scroll, 0, std::max(0, m_x.back() - view + 1));
    if (m_scroll != before) {
        InvalidateRect(m_hwnd, nullptr, FALSE);
    }
}

void EditControl::PlaceCaret() {
    if (m_focused) {
        SetCaretPos(kMarginX + PositionX(m_text.Caret()) - m_scroll, kMarginY);
    }
}

void EditControl::SelectionMoved() {
    ScrollToCaret();
    PlaceCaret();
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

bool EditControl::AnnounceChange() {
    DefWindowProcA(m_hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(m_text.Utf8().c_str()));
    Measure();
    ScrollToCaret();
    PlaceCaret();
    NotifyParent(m_hwnd, EN_UPDATE);
    if (m_dead) {
        return false;
    }
    InvalidateRect(m_hwnd, nullptr, FALSE);
    NotifyParent(m_hwnd, EN_CHANGE);
    return !m_dead;
}

void EditControl::OnChar(char32_t c) {
    if (ReadOnly()) {
        return;
    }
    if (c == 8) {
        if (m_text.DeleteBackward()) {
            AnnounceChange();
        }
        return;
    }
    // Enter, Esc, Tab and other control characters type nothing in a single-line edit.
    if (c < 32 || c == 127) {
        return;
    }
    const std::u32string insert(1, c);
    const EditText::Edit edit = m_text.ReplaceSelection(insert);
    if (edit.changed && !AnnounceChange()) {
        return;
    }
    if (edit.truncated) {
        NotifyParent(m_hwnd, EN_MAXTEXT);
    }
}

void EditControl::OnKeyDown(int vk) {
    const bool shift = KeyDown(VK_SHIFT);
    const bool control = KeyDown(VK_CONTROL);
    const size_t caret = m_text.Caret();
    switch (vk) {
    case VK_LEFT:
        if (control) {
            size_t p = caret;
            while (p > 0 && m_text.Text()[p - 1] == U' ') {
                --p;
            }
            m_text.MoveCaret(m_text.WordStart(p) == p && p > 0 ? p - 1 : m_text.WordStart(p),
                             shift);
        } else if (m_text.HasSelection() && !shift) {
            m_text.MoveCaret(m_text.SelectionStart(), false);
        } else {
            m_text.MoveCaret(caret > 0 ? caret - 1 : 0, shift);
        }
        break;
    case VK_RIGHT:
        if (control) {
            size_t p = m_text.WordEnd(caret);
            if (p == caret && p < m_text.Length()) {
                ++p;
            }
            while (p < m_text.Length() && m_text.Text()[p] == U' ') {
                ++p;
            }
            m_text.MoveCaret(p, shift);
        } else if (m_text.HasSelection() && !shift) {
            m_text.MoveCaret(m_text.SelectionEnd(), false);
        } else {
            m_text.MoveCaret(caret + 1, shift);
        }
        break;
    case VK_HOME:
        m_text.MoveCaret(0, shift);
        break;
    case VK_END:
        m_text.MoveCaret(m_text.Length(), shift);
        break;
    case VK_DELETE:
        if (!ReadOnly() && m_text.DeleteForward()) {
            AnnounceChange();
        }
        return;
    default:
        return;
    }
    SelectionMoved();
}

void EditControl::OnMouseDown(POINT pt, bool shift, bool doubleClick) {
    if (GetFocus() != m_hwnd) {
        SetFocus(m_hwnd);
        if (m_dead) {
            return;
        }
    }
    const size_t position = PositionAt(pt.x);
    if (doubleClick) {
        m_text.Select(m_text.WordStart(position), m_text.WordEnd(position));
    } else {
        m_text.MoveCaret(position, shift);
    }
    m_dragging = true;
    SetCapture(m_hwnd);
    SelectionMoved();
}

void EditControl::OnMouseMove(POINT pt) {
    if (!m_dragging) {
        return;
    }
    m_text.MoveCaret(PositionAt(pt.x), true);
    SelectionMoved();
}

void EditControl::OnSetFocus() {
    m_focused = true;
    CreateCaret(m_hwnd, {}, 1, m_lineHeight);
    PlaceCaret();
    ShowCaret(m_hwnd);
    InvalidateRect(m_hwnd, nullptr, FALSE);
    NotifyParent(m_hwnd, EN_SETFOCUS);
}

void EditControl::OnKillFocus() {
    m_focused = false;
    m_dragging = false;
    DestroyCaret();
    InvalidateRect(m_hwnd, nullptr, FALSE);
    NotifyParent(m_hwnd, EN_KILLFOCUS);
}

LRESULT EditControl::OnSetText(LPCSTR text) {
    const std::string before = m_text.Utf8();
    const std::string after = text ? text : "";
    m_text.SetUtf8(after);
    m_scroll = 0;
    if (before == after) {
        DefWindowProcA(m_hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(after.c_str()));
        SelectionMoved();
        return TRUE;
    }
    AnnounceChange();
    return TRUE;
}

LRESULT EditControl::GetSel(WPARAM wParam, LPARAM lParam) const {
    const auto start = static_cast<DWORD>(m_text.SelectionStart());
    const auto end = static_cast<DWORD>(m_text.SelectionEnd());
    if (wParam) {
        *reinterpret_cast<DWORD*>(wParam) = start;
    }
    if (lParam) {
        *reinterpret_cast<DWORD*>(lParam) = end;
    }
    return start > 0xFFFF || end > 0xFFFF ? -1 : MAKELRESULT(start, end);
}

// -1 as start deselects (the caret stays); -1 as end means the end of the text. The caret goes
// to the end position.
void EditControl::SetSel(LPARAM start, LPARAM end) {
    if (start < 0) {
        m_text.MoveCaret(m_text.Caret(), false);
    } else {
        const size_t length = m_text.Length();
        const size_t to = end < 0 ? length : static_cast<size_t>(end);
        m_text.Select(static_cast<size_t>(start), to);
    }
    SelectionMoved();
}

// Programmatic replacement works on read-only edits too and is announced like typing.
void EditControl::ReplaceSel(LPCSTR text) {
    const EditText::Edit edit = m_text.ReplaceSelection(DecodeText(text ? text : ""));
    if (edit.changed && !AnnounceChange()) {
        return;
    }
    if (edit.truncated) {
        NotifyParent(m_hwnd, EN_MAXTEXT);
    }
    if (!edit.changed) {
        SelectionMoved();
    }
}

void EditControl::Paint() {
    const PaintDc paint(m_hwnd);
    const HDC hdc = paint.Get();
    if (!hdc) {
        return;
    }
    {
        const SavedDc saved(hdc);
        if (const HFONT font = m_font.Usable()) {
            SelectObject(hdc, font);
        }
        const bool editable = !ReadOnly() && Enabled();
        const HBRUSH brush =
            ControlColorBrush(m_hwnd, hdc, editable ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
        RECT client;
        GetClientRect(m_hwnd, &client);
        FillRect(hdc, &client, brush);
        if (!Enabled()) {
            SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
        }

        const std::u32string& text = m_text.Text();
        const auto drawRun = [&](size_t from, size_t to, UINT options) {
            if (from >= to) {
                return;
            }
            const std::string run = EncodeText(std::u32string_view(text).substr(from, to - from));
            const int x = kMarginX + PositionX(from) - m_scroll;
            RECT cell{x, kMarginY, kMarginX + PositionX(to) - m_scroll, kMarginY + m_lineHeight};
            IntersectRect(&cell, &cell, &client);
            ExtTextOutA(hdc, x, kMarginY, options | ETO_CLIPPED,
                        options & ETO_OPAQUE ? &cell : &client, run.data(),
                        static_cast<UINT>(run.size()), nullptr);
        };

        const bool showSelection = m_focused && m_text.HasSelection();
        const size_t start = showSelection ? m_text.SelectionStart() : text.size();
        const size_t end = showSelection ? m_text.SelectionEnd() : text.size();
        drawRun(0, start, 0);
        if (showSelection) {
            const SavedDc highlight(hdc);
            SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            SetBkColor(hdc, GetSysColor(COLOR_HIGHLIGHT));
            SetBkMode(hdc, OPAQUE);
            drawRun(start, end, ETO_OPAQUE);
        }
        drawRun(end, text.size(), 0);
    }
}

LRESULT EditControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: {
        const LRESULT result = DefWindowProcA(m_hwnd, msg, wParam, lParam);
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        m_text.SetUtf8(cs && cs->lpszName ? cs->lpszName : "");
        Measure();
        return result;
    }
    case WM_NCDESTROY:
        m_dead = true;
        EditStates::Erase(m_hwnd);
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case WM_SETFONT:
        m_font.Set(HfontFromParam(static_cast<intptr_t>(wParam)));
        Measure();
        if (m_focused) {
            CreateCaret(m_hwnd, {}, 1, m_lineHeight);
            ShowCaret(m_hwnd);
        }
        ScrollToCaret();
        PlaceCaret();
        if (LOWORD(static_cast<uint64_t>(lParam))) {
            InvalidateRect(m_hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return HandleToParam(m_font.Get());
    case WM_SETTEXT:
        return OnSetText(reinterpret_cast<LPCSTR>(lParam));
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_CHAR:
        OnChar(static_cast<char32_t>(wParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<int>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnMouseDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, (wParam & MK_SHIFT) != 0,
                    msg == WM_LBUTTONDBLCLK);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP:
        if (m_dragging) {
            m_dragging = false;
            if (GetCapture() == m_hwnd) {
                ReleaseCapture();
            }
        }
        return 0;
    case WM_CAPTURECHANGED:
        m_dragging = false;
        return 0;
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus();
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT fills with the parent's brush
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SIZE:
        ScrollToCaret();
        PlaceCaret();
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return 0;
    case WM_ENABLE:
    case WM_STYLECHANGED:
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case EM_GETSEL:
        return GetSel(wParam, lParam);
    case EM_SETSEL:
        SetSel(static_cast<int32_t>(wParam), static_cast<int32_t>(lParam));
        return 0;
    case EM_REPLACESEL:
        ReplaceSel(reinterpret_cast<LPCSTR>(lParam));
        return 0;
    case EM_LIMITTEXT:
        m_text.SetLimit(static_cast<size_t>(wParam));
        return 0;
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(m_text.Limit());
    case EM_SETREADONLY: {
        const LONG_PTR style = GetWindowLongA(m_hwnd, GWL_STYLE);
        SetWindowLongA(m_hwnd, GWL_STYLE,
                       wParam ? (style | ES_READONLY) : (style & ~LONG_PTR{ES_READONLY}));
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return TRUE;
    }
    default:
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    }
}

LRESULT EditWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<EditControl> state =
        msg == WM_NCCREATE ? EditStates::Create(hwnd) : EditStates::Find(hwnd);
    if (!state) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    return state->Handle(msg, wParam, lParam);
}

} // namespace win::controls
