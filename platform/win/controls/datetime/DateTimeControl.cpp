#include "platform/win/controls/datetime/DateTimeControl.h"

#include "platform/base/Utf8.h"
#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/controls/common/ControlPaint.h"
#include "platform/win/controls/common/ControlProcs.h"
#include "platform/win/controls/common/ControlStates.h"
#include "platform/win/controls/common/ControlText.h"
#include "platform/win/controls/common/Focus.h"
#include "platform/win/controls/common/Notify.h"
#include "platform/win/controls/datetime/CalendarDate.h"
#include "platform/win/gdi/DecorationConstants.h"
#include "platform/win/gdi/Decorations.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/input/Capture.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/rect/RectHelpers.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/system/SystemMetrics.h"
#include "platform/win/text/Fonts.h"
#include "platform/win/text/Text.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/Tree.h"
#include "platform/win/window/Visibility.h"
#include "platform/win/window/WindowLong.h"

#include <algorithm>
#include <utility>

namespace win::controls {

namespace {

constexpr int kCheckSize = 13;
constexpr int kTextMargin = 2;

int Wrap(int value, int low, int high) {
    const int span = high - low + 1;
    return low + ((value - low) % span + span) % span;
}

void ClampDay(SYSTEMTIME& time) {
    time.wDay =
        static_cast<WORD>(std::min<int>(time.wDay, calendar::DaysInMonth(time.wYear, time.wMonth)));
}

} // namespace

DateTimeControl::DateTimeControl(HWND hwnd) : m_hwnd(hwnd), m_time(calendar::Today()) {
    m_colors = {GetSysColor(COLOR_WINDOW),        GetSysColor(COLOR_WINDOWTEXT),
                GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_CAPTIONTEXT),
                GetSysColor(COLOR_WINDOW),        GetSysColor(COLOR_GRAYTEXT)};
}

DWORD DateTimeControl::Style() const {
    return static_cast<DWORD>(GetWindowLongA(m_hwnd, GWL_STYLE));
}

bool DateTimeControl::ShowsNone() const {
    return (Style() & DTS_SHOWNONE) != 0;
}

DateFormat DateTimeControl::Format() const {
    if (m_customFormat) {
        return DateFormat(m_format);
    }
    const DWORD style = Style();
    if ((style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT) {
        return DateFormat(DateFormat::kTime);
    }
    return DateFormat((style & DTS_LONGDATEFORMAT) ? DateFormat::kLongDate
                                                   : DateFormat::kShortDate);
}

RECT DateTimeControl::CheckRect() const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    const int top = (client.bottom - kCheckSize) / 2;
    return {kTextMargin, top, kTextMargin + kCheckSize, top + kCheckSize};
}

RECT DateTimeControl::ButtonRect() const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    return {std::max(0, static_cast<int>(client.right) - GetSystemMetrics(SM_CXVSCROLL)), 0,
            client.right, client.bottom};
}

int DateTimeControl::TextLeft() const {
    return ShowsNone() ? 2 * kTextMargin + kCheckSize : kTextMargin;
}

std::vector<RECT> DateTimeControl::SegmentRects(HDC hdc, const DateFormat& format) const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    TEXTMETRICA metrics;
    GetTextMetricsA(hdc, &metrics);
    const int top = (client.bottom - metrics.tmHeight) / 2;
    std::vector<RECT> rects;
    int x = TextLeft();
    for (const DateSegment& segment : format.Segments()) {
        const std::string text = DateFormat::Text(segment, m_time);
        SIZE size{};
        GetTextExtentPoint32A(hdc, text.c_str(), static_cast<int>(text.size()), &size);
        rects.push_back({x, top, x + size.cx, top + metrics.tmHeight});
        x += size.cx;
    }
    return rects;
}

int DateTimeControl::FirstField(const DateFormat& format) const {
    const auto& segments = format.Segments();
    for (size_t i = 0; i < segments.size(); ++i) {
        if (segments[i].field != DateField::Literal) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool DateTimeControl::SetTime(SYSTEMTIME time) {
    if ((m_range & GDTR_MIN) && calendar::Compare(time, m_min) < 0) {
        time = m_min;
    }
    if ((m_range & GDTR_MAX) && calendar::Compare(time, m_max) > 0) {
        time = m_max;
    }
    time.wDayOfWeek = static_cast<WORD>(calendar::DayOfWeek(time.wYear, time.wMonth, time.wDay));
    time.wMilliseconds = 0;
    InvalidateRect(m_hwnd, nullptr, TRUE);
    if (calendar::Compare(time, m_time) == 0) {
        return false;
    }
    m_time = time;
    return true;
}

void DateTimeControl::Changed() {
    SendNotify(GetParent(m_hwnd), m_hwnd, static_cast<UINT_PTR>(GetWindowLongA(m_hwnd, GWL_ID)),
               DTN_DATETIMECHANGE);
}

void DateTimeControl::Drop() {
    if (m_calendar) {
        return;
    }
    m_calendar = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "SysMonthCal32", "",
                                 WS_POPUP | WS_BORDER, 0, 0, 10, 10, m_hwnd, {}, {}, nullptr);
    const auto calendarState = ControlStates<MonthCalendarControl>::Find(m_calendar);
    if (!calendarState) {
        return;
    }
    SYSTEMTIME selected = m_time;
    if (m_none) {
        const SYSTEMTIME today = calendar::Today();
        selected.wYear = today.wYear;
        selected.wMonth = today.wMonth;
        selected.wDay = today.wDay;
    }
    calendarState->Start(weak_from_this(), selected, m_colors, m_font.Usable());
    const SIZE size = calendarState->Layout().Size();
    const int width = size.cx + 2;
    const int height = size.cy + 2;
    RECT picker;
    GetWindowRect(m_hwnd, &picker);
    const int left = (Style() & DTS_RIGHTALIGN) ? picker.right - width : picker.left;
    int top = picker.bottom;
    if (top + height > GetSystemMetrics(SM_CYSCREEN)) {
        top = picker.top - height;
    }
    SetWindowPos(m_calendar, HWND_TOPMOST, left, top, width, height, SWP_NOACTIVATE);
    SendNotify(GetParent(m_hwnd), m_hwnd, static_cast<UINT_PTR>(GetWindowLongA(m_hwnd, GWL_ID)),
               DTN_DROPDOWN);
    if (m_dead || !m_calendar || !IsWindow(m_calendar)) {
        return;
    }
    ShowWindow(m_calendar, SW_SHOWNA);
    SetCapture(m_calendar);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void DateTimeControl::CloseUp() {
    const HWND calendar = std::exchange(m_calendar, HWND{});
    if (!calendar) {
        return;
    }
    if (GetCapture() == calendar) {
        ReleaseCapture();
    }
    DestroyWindow(calendar);
    InvalidateRect(m_hwnd, nullptr, TRUE);
    // Whoever hears of the close sees the field as it now stands.
    UpdateWindow(m_hwnd);
    SendNotify(GetParent(m_hwnd), m_hwnd, static_cast<UINT_PTR>(GetWindowLongA(m_hwnd, GWL_ID)),
               DTN_CLOSEUP);
}

void DateTimeControl::CalendarPicked(const SYSTEMTIME& date) {
    SYSTEMTIME time = m_time;
    time.wYear = date.wYear;
    time.wMonth = date.wMonth;
    time.wDay = date.wDay;
    const bool wasNone = std::exchange(m_none, false);
    const bool changed = SetTime(time) || wasNone;
    // The field shows the day before anyone hears of it.
    UpdateWindow(m_hwnd);
    if (changed) {
        Changed();
        if (m_dead) {
            return;
        }
    }
    CloseUp();
}

void DateTimeControl::ToggleCheck() {
    if (!ShowsNone()) {
        return;
    }
    m_none = !m_none;
    InvalidateRect(m_hwnd, nullptr, TRUE);
    Changed();
}

void DateTimeControl::MoveField(int direction) {
    const DateFormat format = Format();
    const auto& segments = format.Segments();
    for (int i = m_field + direction; i >= 0 && i < static_cast<int>(segments.size());
         i += direction) {
        if (segments[static_cast<size_t>(i)].field != DateField::Literal) {
            m_field = i;
            break;
        }
    }
    m_typed.clear();
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void DateTimeControl::Step(int delta) {
    const DateFormat format = Format();
    if (m_none || m_field < 0 || m_field >= static_cast<int>(format.Segments().size())) {
        return;
    }
    SYSTEMTIME t = m_time;
    switch (format.Segments()[static_cast<size_t>(m_field)].field) {
    case DateField::Day:
        t.wDay =
            static_cast<WORD>(Wrap(t.wDay + delta, 1, calendar::DaysInMonth(t.wYear, t.wMonth)));
        break;
    case DateField::DayName:
        calendar::SetFromDayNumber(t, calendar::DayNumber(t.wYear, t.wMonth, t.wDay) + delta);
        break;
    case DateField::Month:
    case DateField::MonthName:
        t.wMonth = static_cast<WORD>(Wrap(t.wMonth + delta, 1, 12));
        ClampDay(t);
        break;
    case DateField::Year:
        t.wYear =
            static_cast<WORD>(std::clamp(t.wYear + delta, calendar::kMinYear, calendar::kMaxYear));
        ClampDay(t);
        break;
    case DateField::Hour12:
    case DateField::Hour24:
        t.wHour = static_cast<WORD>(Wrap(t.wHour + delta, 0, 23));
        break;
    case DateField::Minute:
        t.wMinute = static_cast<WORD>(Wrap(t.wMinute + delta, 0, 59));
        break;
    case DateField::Second:
        t.wSecond = static_cast<WORD>(Wrap(t.wSecond + delta, 0, 59));
        break;
    case DateField::AmPm:
        t.wHour = static_cast<WORD>((t.wHour + 12) % 24);
        break;
    case DateField::Literal:
        return;
    }
    if (calendar::IsValid(t) && SetTime(t)) {
        Changed();
    }
}

// Digits typed into a numeric field replace it as soon as they make a valid value; a digit that
// would not starts the field over.
void DateTimeControl::TypeDigit(int digit) {
    const DateFormat format = Format();
    if (m_none || m_field < 0 || m_field >= static_cast<int>(format.Segments().size())) {
        return;
    }
    const DateField field = format.Segments()[static_cast<size_t>(m_field)].field;
    const auto apply = [&](int value, size_t digits) {
        SYSTEMTIME t = m_time;
        switch (field) {
        case DateField::Day:
            if (value < 1 || value > calendar::DaysInMonth(t.wYear, t.wMonth)) {
                return false;
            }
            t.wDay = static_cast<WORD>(value);
            break;
        case DateField::Month:
            if (value < 1 || value > 12) {
                return false;
            }
            t.wMonth = static_cast<WORD>(value);
            ClampDay(t);
            break;
        case DateField::Year:
            if (digits < 4) {
                return true; // wait for all four
            }
            if (value < calendar::kMinYear) {
                return false;
            }
            t.wYear = static_cast<WORD>(value);
            ClampDay(t);
            break;
        case DateField::Hour12:
            if (value < 1 || value > 12) {
                return value == 0 && digits == 1;
            }
            t.wHour = static_cast<WORD>(value % 12 + (t.wHour >= 12 ? 12 : 0));
            break;
        case DateField::Hour24:
            if (value > 23) {
                return false;
            }
            t.wHour = static_cast<WORD>(value);
            break;
        case DateField::Minute:
        case DateField::Second:
            if (value > 59) {
                return false;
            }
            (field == DateField::Minute ? t.wMinute : t.wSecond) = static_cast<WORD>(value);
            break;
        default:
            return false;
        }
        if (SetTime(t)) {
            Changed();
        }
        return true;
    };
    m_typed += static_cast<char>('0' + digit);
    if (!apply(std::stoi(m_typed), m_typed.size())) {
        m_typed = std::string(1, static_cast<char>('0' + digit));
        if (!apply(digit, 1)) {
            m_typed.clear();
        }
    }
    if (m_typed.size() >= (field == DateField::Year ? 4u : 2u)) {
        m_typed.clear();
    }
}

void DateTimeControl::OnButtonDown(POINT pt) {
    if (!TakeFocusOnPress(m_hwnd)) {
        return;
    }
    const RECT check = CheckRect();
    const RECT button = ButtonRect();
    if (ShowsNone() && PtInRect(&check, pt)) {
        ToggleCheck();
        return;
    }
    if (PtInRect(&button, pt)) {
        Drop();
        return;
    }
    const WindowDc dc(m_hwnd);
    if (!dc.Get()) {
        return;
    }
    const SelectedObject font(dc.Get(), HGDIOBJ(m_font.Usable()));
    const DateFormat format = Format();
    const std::vector<RECT> rects = SegmentRects(dc.Get(), format);
    for (size_t i = 0; i < rects.size(); ++i) {
        if (format.Segments()[i].field != DateField::Literal && pt.x >= rects[i].left &&
            pt.x < rects[i].right) {
            m_field = static_cast<int>(i);
            m_typed.clear();
            InvalidateRect(m_hwnd, nullptr, TRUE);
        }
    }
}

void DateTimeControl::OnKeyDown(int vk, bool alt) {
    if (m_calendar) {
        if (vk == VK_ESCAPE || vk == VK_RETURN || vk == VK_F4) {
            CloseUp();
        }
        return;
    }
    if (vk == VK_F4 || (alt && vk == VK_DOWN)) {
        Drop();
        return;
    }
    switch (vk) {
    case VK_LEFT:
        MoveField(-1);
        break;
    case VK_RIGHT:
        MoveField(1);
        break;
    case VK_UP:
        Step(1);
        break;
    case VK_DOWN:
        Step(-1);
        break;
    case VK_SPACE:
        ToggleCheck();
        break;
    default:
        break;
    }
}

void DateTimeControl::Paint() {
    const ControlPaint paint(m_hwnd, m_font);
    if (!paint.Valid()) {
        return;
    }
    const HDC hdc = paint.Dc();
    const bool enabled = IsWindowEnabled(m_hwnd) != FALSE;
    const UINT inactive = enabled ? 0 : DFCS_INACTIVE;
    if (ShowsNone()) {
        RECT check = CheckRect();
        DrawFrameControl(hdc, &check, DFC_BUTTON,
                         DFCS_BUTTONCHECK | (m_none ? 0 : DFCS_CHECKED) | inactive);
    }
    RECT button = ButtonRect();
    DrawFrameControl(hdc, &button, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (m_calendar ? DFCS_PUSHED : 0) | inactive);

    // No background here: WM_ERASEBKGND painted it, possibly in the colours of a subclass.
    SetBkMode(hdc, TRANSPARENT);
    const RECT clip{TextLeft(), 0, button.left, paint.Client().bottom};
    const COLORREF ink = GetSysColor(m_none || !enabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
    const DateFormat format = Format();
    const std::vector<RECT> rects = SegmentRects(hdc, format);
    for (size_t i = 0; i < rects.size(); ++i) {
        const bool highlighted = m_focused && !m_none && static_cast<int>(i) == m_field;
        if (highlighted) {
            RECT cell;
            IntersectRect(&cell, &rects[i], &clip);
            FillRect(hdc, &cell, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        SetTextColor(hdc, highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ink);
        const std::string text = DateFormat::Text(format.Segments()[i], m_time);
        ExtTextOutA(hdc, rects[i].left, rects[i].top, ETO_CLIPPED, &clip, text.c_str(),
                    static_cast<UINT>(text.size()), nullptr);
    }
}

LRESULT DateTimeControl::SetSystemTime(WPARAM flag, const SYSTEMTIME* time) {
    if (flag == GDT_NONE) {
        if (!ShowsNone()) {
            return FALSE;
        }
        m_none = true;
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return TRUE;
    }
    if (flag != GDT_VALID || !time || !calendar::IsValid(*time)) {
        return FALSE;
    }
    m_none = false;
    SetTime(*time);
    return TRUE;
}

LRESULT DateTimeControl::SetRange(WPARAM flags, const SYSTEMTIME* range) {
    if (!range || ((flags & GDTR_MIN) && !calendar::IsValid(range[0])) ||
        ((flags & GDTR_MAX) && !calendar::IsValid(range[1]))) {
        return FALSE;
    }
    m_range = flags & (GDTR_MIN | GDTR_MAX);
    if (m_range & GDTR_MIN) {
        m_min = range[0];
    }
    if (m_range & GDTR_MAX) {
        m_max = range[1];
    }
    SetTime(m_time);
    return TRUE;
}

LRESULT DateTimeControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleTextAndFont(m_hwnd, m_font, msg, wParam, lParam, result)) {
        if (msg == WM_STYLECHANGED) {
            m_field = FirstField(Format());
        }
        return result;
    }
    switch (msg) {
    case WM_NCCREATE:
        // The sunken edge is the default look; GWL_EXSTYLE may take it away.
        SetWindowLongA(m_hwnd, GWL_EXSTYLE, GetWindowLongA(m_hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
        m_field = FirstField(Format());
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case WM_DESTROY:
        if (const HWND calendar = std::exchange(m_calendar, HWND{});
            calendar && IsWindow(calendar)) {
            DestroyWindow(calendar);
        }
        return 0;
    case WM_NCDESTROY:
        m_dead = true;
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case WM_GETTEXT:
        return static_cast<LRESULT>(
            base::CopyUtf8ToBuffer(Text(), reinterpret_cast<char*>(lParam), wParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(Text().size());
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
        m_focused = true;
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    case WM_KILLFOCUS:
        m_focused = false;
        m_typed.clear();
        CloseUp();
        if (!m_dead) {
            InvalidateRect(m_hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<int>(wParam), false);
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_DOWN) {
            OnKeyDown(VK_DOWN, true);
            return 0;
        }
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    case WM_CHAR:
        if (wParam >= '0' && wParam <= '9') {
            TypeDigit(static_cast<int>(wParam - '0'));
        }
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case DTM_GETSYSTEMTIME: {
        auto* time = reinterpret_cast<SYSTEMTIME*>(lParam);
        if (!time) {
            return static_cast<LRESULT>(GDT_ERROR);
        }
        if (m_none) {
            return static_cast<LRESULT>(GDT_NONE);
        }
        *time = m_time;
        return static_cast<LRESULT>(GDT_VALID);
    }
    case DTM_SETSYSTEMTIME:
        return SetSystemTime(wParam, reinterpret_cast<const SYSTEMTIME*>(lParam));
    case DTM_SETRANGE:
        return SetRange(wParam, reinterpret_cast<const SYSTEMTIME*>(lParam));
    case DTM_GETRANGE: {
        auto* range = reinterpret_cast<SYSTEMTIME*>(lParam);
        if (range) {
            range[0] = (m_range & GDTR_MIN) ? m_min : SYSTEMTIME{};
            range[1] = (m_range & GDTR_MAX) ? m_max : SYSTEMTIME{};
        }
        return static_cast<LRESULT>(m_range);
    }
    case DTM_SETFORMATA: {
        const char* format = reinterpret_cast<const char*>(lParam);
        m_customFormat = format != nullptr;
        m_format = format ? format : "";
        m_field = FirstField(Format());
        m_typed.clear();
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return TRUE;
    }
    case DTM_SETMCCOLOR:
    case DTM_GETMCCOLOR: {
        if (wParam >= m_colors.size()) {
            return -1;
        }
        const COLORREF previous = m_colors[wParam];
        if (msg == DTM_SETMCCOLOR) {
            m_colors[wParam] = static_cast<COLORREF>(lParam);
        }
        return static_cast<LRESULT>(previous);
    }
    case DTM_GETMONTHCAL:
        return HandleToParam(m_calendar);
    default:
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    }
}

LRESULT DateTimeWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return StateWndProc<DateTimeControl>(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
