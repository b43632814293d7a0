#include "platform/win/controls/tooltip/TooltipControl.h"
#include "platform/base/Utf8.h"
#include "platform/win/input/InputRouter.h"

#include "platform/win/WinConstants.h"
#include "platform/win/controls/common/ControlProcs.h"
#include "platform/win/controls/common/ControlStates.h"
#include "platform/win/controls/common/Notify.h"
#include "platform/win/controls/tooltip/TooltipRelay.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/icon/Icons.h"
#include "platform/win/input/Input.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/rect/RectHelpers.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/system/SystemMetrics.h"
#include "platform/win/timer/Timers.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/Visibility.h"
#include "platform/win/window/WindowLong.h"

#include <algorithm>

namespace win::controls {

namespace {

using TooltipStates = ControlStates<TooltipControl>;

// The cursor's tip sits this far below the pointer.
constexpr int kCursorOffset = 16;

int TitleIconId(WPARAM icon) {
    switch (icon) {
    case TTI_INFO:
        return IDI_INFORMATION;
    case TTI_WARNING:
        return IDI_WARNING;
    case TTI_ERROR:
        return IDI_ERROR;
    default:
        return 0;
    }
}

} // namespace

COLORREF TooltipControl::BackColor() const {
    return m_backColor.value_or(GetSysColor(COLOR_INFOBK));
}

COLORREF TooltipControl::TextColor() const {
    return m_textColor.value_or(GetSysColor(COLOR_INFOTEXT));
}

TipLook TooltipControl::Look(const Tool& tool, bool balloon) const {
    TipLook look;
    look.text = tool.text;
    look.title = m_title;
    look.iconId = TitleIconId(m_titleIcon);
    look.back = BackColor();
    look.ink = TextColor();
    look.font = m_font.Usable();
    look.margin = m_margin;
    look.balloon = balloon;
    look.noPrefix = (GetWindowLongA(m_hwnd, GWL_STYLE) & TTS_NOPREFIX) != 0;
    return look;
}

SIZE TooltipControl::WindowSize(const Tool& tool, bool balloon) const {
    const WindowDc dc(m_hwnd);
    if (!dc.Get()) {
        return {};
    }
    return MeasureTip(dc.Get(), Look(tool, balloon)).WindowSize();
}

void TooltipControl::SetDelay(WPARAM kind, LPARAM value) {
    // LOWORD is unsigned: MAKELONG(-1, 0) asks for 65535 ms; only -1 as a whole means default.
    const bool reset = static_cast<uint32_t>(value) == 0xFFFFFFFFu;
    const UINT ms = LOWORD(static_cast<uint64_t>(value));
    switch (kind) {
    case TTDT_AUTOMATIC:
        m_initial = reset ? kDefaultInitial : ms;
        m_reshow = reset ? kDefaultReshow : ms / 5;
        m_autopop = reset ? kDefaultAutopop : ms * 10;
        break;
    case TTDT_RESHOW:
        m_reshow = reset ? kDefaultReshow : ms;
        break;
    case TTDT_AUTOPOP:
        m_autopop = reset ? kDefaultAutopop : ms;
        break;
    case TTDT_INITIAL:
        m_initial = reset ? kDefaultInitial : ms;
        break;
    default:
        break;
    }
}

LRESULT TooltipControl::GetDelay(WPARAM kind) const {
    switch (kind) {
    case TTDT_RESHOW:
        return m_reshow;
    case TTDT_AUTOPOP:
        return m_autopop;
    default:
        return m_initial;
    }
}

void TooltipControl::Observe(HWND window, UINT msg, LPARAM lParam) {
    if (m_dead || window == m_hwnd) {
        return;
    }
    if (m_tools.Watches(window)) {
        OnMouse(window, msg, lParam);
    } else if (m_current &&
               (msg == WM_MOUSEMOVE || msg == WM_NCMOUSEMOVE || detail::IsButtonPress(msg))) {
        // The pointer is over some other window: it has left the tool.
        Leave();
    }
}

void TooltipControl::ToolWindowGone(HWND window) {
    if (!m_dead && m_current && m_current->hwnd == window) {
        Leave();
    }
}

void TooltipControl::OnMouse(HWND window, UINT msg, LPARAM lParam) {
    if (!m_active) {
        return;
    }
    if (detail::IsButtonPress(msg)) {
        if (m_phase == Phase::Shown) {
            Hide(Phase::Popped);
        } else if (m_phase == Phase::Waiting) {
            KillTimer(m_hwnd, kShowTimer);
            m_phase = Phase::Popped;
        }
        return;
    }
    if (msg == WM_NCMOUSEMOVE) {
        Leave();
        return;
    }
    if (msg != WM_MOUSEMOVE) {
        return;
    }
    const Tool* tool = m_tools.FindAt(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (!tool) {
        Leave();
        return;
    }
    const ToolKey key{tool->hwnd, tool->id};
    if (m_current && *m_current == key) {
        return;
    }
    const bool wasShown = m_phase == Phase::Shown;
    if (wasShown) {
        Hide(Phase::Idle);
        if (m_dead) {
            return;
        }
    }
    m_current = key;
    m_phase = Phase::Waiting;
    SetTimer(m_hwnd, kShowTimer, wasShown ? m_reshow : m_initial, nullptr);
}

void TooltipControl::Leave() {
    KillTimer(m_hwnd, kShowTimer);
    if (m_phase == Phase::Shown) {
        Hide(Phase::Idle);
    }
    m_phase = Phase::Idle;
    m_current.reset();
}

void TooltipControl::Hide(Phase next) {
    if (m_phase != Phase::Shown) {
        m_phase = next;
        return;
    }
    m_phase = next;
    KillTimer(m_hwnd, kAutopopTimer);
    if (m_current) {
        SendNotify(m_current->hwnd, m_hwnd, m_current->id, TTN_POP);
        if (m_dead) {
            return;
        }
    }
    ShowWindow(m_hwnd, SW_HIDE);
}

void TooltipControl::Show() {
    KillTimer(m_hwnd, kShowTimer);
    const Tool* tool = m_current ? m_tools.Find(*m_current) : nullptr;
    if (!m_active || !tool || tool->text.empty() ||
        (!(tool->flags & TTF_IDISHWND) && IsRectEmpty(&tool->rect))) {
        m_phase = m_current ? Phase::Popped : Phase::Idle;
        return;
    }
    const ToolKey key = *m_current;
    const bool center = (tool->flags & TTF_CENTERTIP) != 0;
    RECT toolArea = tool->rect;
    if (tool->flags & TTF_IDISHWND) {
        GetWindowRect(tool->Window(), &toolArea);
    } else {
        MapWindowPoints(tool->hwnd, {}, reinterpret_cast<POINT*>(&toolArea), 2);
    }
    m_shownBalloon = (GetWindowLongA(m_hwnd, GWL_STYLE) & TTS_BALLOON) != 0;
    const SIZE size = WindowSize(*tool, m_shownBalloon);
    SetWindowPos(m_hwnd, {}, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    m_phase = Phase::Shown;
    // A non-zero answer means the receiver placed the window itself.
    const LRESULT placed = SendNotify(key.hwnd, m_hwnd, key.id, TTN_SHOW);
    if (m_dead || m_phase != Phase::Shown) {
        return;
    }
    int x = 0;
    int y = 0;
    if (!placed) {
        POINT cursor;
        GetCursorPos(&cursor);
        x = center ? (toolArea.left + toolArea.right) / 2 - size.cx / 2 : cursor.x;
        y = center ? toolArea.bottom : cursor.y + kCursorOffset;
        const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
        const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
        if (y + size.cy > screenHeight) {
            y = (center ? toolArea.top : cursor.y) - size.cy;
        }
        x = std::clamp(x, 0, std::max(0, screenWidth - size.cx));
        y = std::max(y, 0);
    }
    SetWindowPos(m_hwnd, HWND_TOPMOST, x, y, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | (placed ? SWP_NOMOVE : 0));
    ShowWindow(m_hwnd, SW_SHOWNA);
    InvalidateRect(m_hwnd, nullptr, TRUE);
    SetTimer(m_hwnd, kAutopopTimer, m_autopop, nullptr);
}

void TooltipControl::Paint() {
    const PaintDc paint(m_hwnd);
    if (!paint.Get()) {
        return;
    }
    if (const Tool* tool = m_current ? m_tools.Find(*m_current) : nullptr) {
        RECT client;
        GetClientRect(m_hwnd, &client);
        PaintTip(paint.Get(), Look(*tool, m_shownBalloon), client);
    }
}

LRESULT TooltipControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE: {
        // Whatever style is asked for, a tooltip is a captionless popup that never activates.
        const auto style = static_cast<DWORD>(GetWindowLongA(m_hwnd, GWL_STYLE));
        SetWindowLongA(m_hwnd, GWL_STYLE, static_cast<LONG_PTR>(WS_POPUP | (style & 0xFFFF)));
        const auto exStyle = static_cast<DWORD>(GetWindowLongA(m_hwnd, GWL_EXSTYLE));
        SetWindowLongA(m_hwnd, GWL_EXSTYLE,
                       static_cast<LONG_PTR>(exStyle | WS_EX_TOOLWINDOW | WS_EX_TOPMOST));
        // ...and stays hidden until a tip shows, even when created visible.
        reinterpret_cast<CREATESTRUCTA*>(lParam)->style &= ~static_cast<LONG>(WS_VISIBLE);
        EnsureTooltipRelay();
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    }
    case WM_NCDESTROY:
        m_dead = true;
        TooltipStates::Erase(m_hwnd);
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case WM_NCHITTEST: {
        const Tool* tool = m_current ? m_tools.Find(*m_current) : nullptr;
        if (m_phase == Phase::Shown && tool && (tool->flags & TTF_TRANSPARENT)) {
            return HTTRANSPARENT;
        }
        return HTCLIENT;
    }
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Hide(Phase::Popped);
        return 0;
    case WM_TIMER:
        if (wParam == kShowTimer) {
            Show();
        } else if (wParam == kAutopopTimer) {
            KillTimer(m_hwnd, kAutopopTimer);
            Hide(Phase::Popped);
        }
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SETFONT:
        m_font.Set(HfontFromParam(static_cast<intptr_t>(wParam)));
        if (LOWORD(static_cast<uint64_t>(lParam))) {
            InvalidateRect(m_hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return HandleToParam(m_font.Get());

    case TTM_ACTIVATE:
        if (wParam) {
            m_active = true;
        } else {
            Leave();
            m_active = false;
        }
        return 0;
    case TTM_SETDELAYTIME:
        SetDelay(wParam, lParam);
        return 0;
    case TTM_GETDELAYTIME:
        return GetDelay(wParam);
    case TTM_ADDTOOLA: {
        const auto* info = reinterpret_cast<const TOOLINFOA*>(lParam);
        return ValidToolInfo(info) && m_tools.Add(ToolFromInfo(*info)) ? TRUE : FALSE;
    }
    case TTM_DELTOOLA: {
        const auto* info = reinterpret_cast<const TOOLINFOA*>(lParam);
        if (!ValidToolInfo(info)) {
            return 0;
        }
        const ToolKey key{info->hwnd, info->uId};
        if (m_current && *m_current == key) {
            Leave();
        }
        m_tools.Remove(key);
        return 0;
    }
    case TTM_NEWTOOLRECTA: {
        const auto* info = reinterpret_cast<const TOOLINFOA*>(lParam);
        if (!ValidToolInfo(info)) {
            return 0;
        }
        if (Tool* tool = m_tools.Find({info->hwnd, info->uId})) {
            tool->rect = info->rect;
        }
        return 0;
    }
    case TTM_RELAYEVENT:
        if (const auto* relayed = reinterpret_cast<const MSG*>(lParam)) {
            OnMouse(relayed->hwnd, relayed->message, relayed->lParam);
        }
        return 0;
    case TTM_GETTOOLINFOA: {
        auto* info = reinterpret_cast<TOOLINFOA*>(lParam);
        const Tool* tool = ValidToolInfo(info) ? m_tools.Find({info->hwnd, info->uId}) : nullptr;
        if (!tool) {
            return FALSE;
        }
        FillToolInfo(*tool, *info, kDefaultTextBuffer);
        return TRUE;
    }
    case TTM_SETTOOLINFOA: {
        const auto* info = reinterpret_cast<const TOOLINFOA*>(lParam);
        if (ValidToolInfo(info)) {
            if (Tool* tool = m_tools.Find({info->hwnd, info->uId})) {
                *tool = ToolFromInfo(*info);
            }
        }
        return 0;
    }
    case TTM_GETTEXTA: {
        auto* info = reinterpret_cast<TOOLINFOA*>(lParam);
        const Tool* tool = ValidToolInfo(info) ? m_tools.Find({info->hwnd, info->uId}) : nullptr;
        if (!tool || !info->lpszText) {
            return 0;
        }
        return static_cast<LRESULT>(base::CopyUtf8ToBuffer(tool->text, info->lpszText,
                                                           wParam ? wParam : kDefaultTextBuffer));
    }
    case TTM_UPDATETIPTEXTA: {
        const auto* info = reinterpret_cast<const TOOLINFOA*>(lParam);
        Tool* tool = ValidToolInfo(info) ? m_tools.Find({info->hwnd, info->uId}) : nullptr;
        if (!tool) {
            return 0;
        }
        tool->text = ToolFromInfo(*info).text;
        if (m_phase == Phase::Shown && m_current && *m_current == ToolKey{tool->hwnd, tool->id}) {
            if (tool->text.empty()) {
                Hide(Phase::Popped);
            } else {
                const SIZE size = WindowSize(*tool, m_shownBalloon);
                SetWindowPos(m_hwnd, {}, 0, 0, size.cx, size.cy,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                InvalidateRect(m_hwnd, nullptr, TRUE);
            }
        }
        return 0;
    }
    case TTM_GETTOOLCOUNT:
        return static_cast<LRESULT>(m_tools.Count());
    case TTM_ENUMTOOLSA: {
        auto* info = reinterpret_cast<TOOLINFOA*>(lParam);
        const Tool* tool = m_tools.At(wParam);
        if (!tool || !ValidToolInfo(info)) {
            return FALSE;
        }
        FillToolInfo(*tool, *info, kDefaultTextBuffer);
        return TRUE;
    }
    case TTM_SETTIPBKCOLOR:
        m_backColor = static_cast<COLORREF>(wParam);
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    case TTM_SETTIPTEXTCOLOR:
        m_textColor = static_cast<COLORREF>(wParam);
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    case TTM_GETTIPBKCOLOR:
        return BackColor();
    case TTM_GETTIPTEXTCOLOR:
        return TextColor();
    case TTM_SETMARGIN:
        if (const auto* margin = reinterpret_cast<const RECT*>(lParam)) {
            m_margin = *margin;
        }
        return 0;
    case TTM_GETMARGIN:
        if (auto* margin = reinterpret_cast<RECT*>(lParam)) {
            *margin = m_margin;
        }
        return 0;
    case TTM_POP:
        Hide(Phase::Popped);
        return 0;
    case TTM_ADJUSTRECT: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        if (!rect) {
            return FALSE;
        }
        const bool balloon = (GetWindowLongA(m_hwnd, GWL_STYLE) & TTS_BALLOON) != 0;
        if (wParam) {
            TooltipLayout::TextToWindow(*rect, m_margin, balloon);
        } else {
            TooltipLayout::WindowToText(*rect, m_margin, balloon);
        }
        return TRUE;
    }
    case TTM_SETTITLEA: {
        const auto* title = reinterpret_cast<LPCSTR>(lParam);
        m_title = title ? title : "";
        m_titleIcon = wParam;
        return TRUE;
    }
    default:
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    }
}

LRESULT TooltipWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<TooltipControl> state =
        msg == WM_NCCREATE ? TooltipStates::Create(hwnd) : TooltipStates::Find(hwnd);
    if (!state) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    return state->Handle(msg, wParam, lParam);
}

} // namespace win::controls
