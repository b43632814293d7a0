#include "platform/win/controls/datetime/MonthCalendarControl.h"

#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/controls/common/ControlPaint.h"
#include "platform/win/controls/common/ControlProcs.h"
#include "platform/win/controls/common/ControlStates.h"
#include "platform/win/controls/datetime/CalendarDate.h"
#include "platform/win/controls/datetime/DateFormat.h"
#include "platform/win/gdi/Brushes.h"
#include "platform/win/gdi/DecorationConstants.h"
#include "platform/win/gdi/Decorations.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/OwnedObject.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/rect/RectHelpers.h"
#include "platform/win/text/Fonts.h"
#include "platform/win/text/Text.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/Messages.h"

#include <algorithm>
#include <string>

namespace win::controls {

namespace {

void FillColor(HDC hdc, const RECT& rect, COLORREF color) {
    const OwnedObject<HBRUSH> brush(CreateSolidBrush(color));
    FillRect(hdc, &rect, brush.Get());
}

void CentredText(HDC hdc, const std::string& text, RECT rect, COLORREF color) {
    SetTextColor(hdc, color);
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace

void MonthCalendarControl::Start(std::weak_ptr<CalendarOwner> owner, const SYSTEMTIME& selected,
                                 const Colors& colors, HFONT font) {
    m_owner = std::move(owner);
    m_selected = selected;
    m_colors = colors;
    m_font.Set(font);
    m_year = selected.wYear;
    m_month = selected.wMonth;
    const WindowDc dc(m_hwnd);
    if (dc.Get()) {
        const SelectedObject selection(dc.Get(), HGDIOBJ(m_font.Usable()));
        TEXTMETRICA metrics;
        SIZE digits{};
        GetTextMetricsA(dc.Get(), &metrics);
        GetTextExtentPoint32A(dc.Get(), "00", 2, &digits);
        m_cellHeight = std::max(1, static_cast<int>(metrics.tmHeight)) + 2;
        m_cellWidth = std::max(m_cellHeight, static_cast<int>(digits.cx) + 10);
    }
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

SYSTEMTIME MonthCalendarControl::CellDate(int cell) const {
    SYSTEMTIME date = m_selected;
    const int64_t first =
        calendar::DayNumber(m_year, m_month, 1) - calendar::DayOfWeek(m_year, m_month, 1);
    calendar::SetFromDayNumber(date, first + cell);
    return date;
}

void MonthCalendarControl::Navigate(int months) {
    const int index = m_year * 12 + (m_month - 1) + months;
    if (index / 12 < calendar::kMinYear || index / 12 > calendar::kMaxYear) {
        return;
    }
    m_year = index / 12;
    m_month = index % 12 + 1;
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

void MonthCalendarControl::OnButtonDown(POINT pt) {
    RECT client;
    GetClientRect(m_hwnd, &client);
    const auto owner = m_owner.lock();
    if (!PtInRect(&client, pt)) {
        if (owner) {
            owner->CalendarCancelled();
        }
        return;
    }
    const CalendarLayout::Hit hit = Layout().HitTest(pt);
    switch (hit.part) {
    case CalendarLayout::Part::Previous:
        Navigate(-1);
        break;
    case CalendarLayout::Part::Next:
        Navigate(1);
        break;
    case CalendarLayout::Part::Day: {
        const SYSTEMTIME date = CellDate(hit.cell);
        if (owner && calendar::IsValid(date)) {
            owner->CalendarPicked(date);
        }
        break;
    }
    case CalendarLayout::Part::None:
        break;
    }
}

void MonthCalendarControl::Paint() {
    const ControlPaint paint(m_hwnd, m_font);
    if (!paint.Valid()) {
        return;
    }
    const HDC hdc = paint.Dc();
    const CalendarLayout layout = Layout();
    SetBkMode(hdc, TRANSPARENT);
    FillColor(hdc, paint.Client(), m_colors[MCSC_BACKGROUND]);
    FillColor(hdc, layout.Title(), m_colors[MCSC_TITLEBK]);
    SYSTEMTIME shown = m_selected;
    shown.wYear = static_cast<WORD>(m_year);
    shown.wMonth = static_cast<WORD>(m_month);
    CentredText(hdc, DateFormat("MMMM yyyy").Text(shown), layout.Title(), m_colors[MCSC_TITLETEXT]);
    RECT previous = layout.Previous();
    RECT next = layout.Next();
    DrawFrameControl(hdc, &previous, DFC_SCROLL, DFCS_SCROLLLEFT | DFCS_FLAT);
    DrawFrameControl(hdc, &next, DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_FLAT);

    FillColor(hdc, layout.Month(), m_colors[MCSC_MONTHBK]);
    static constexpr const char* kWeekdays[] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
    for (int column = 0; column < 7; ++column) {
        CentredText(hdc, kWeekdays[column], layout.Header(column), m_colors[MCSC_TITLEBK]);
    }
    const SYSTEMTIME today = calendar::Today();
    for (int cell = 0; cell < CalendarLayout::kCells; ++cell) {
        const SYSTEMTIME date = CellDate(cell);
        const RECT rect = layout.Cell(cell);
        const bool selected = date.wYear == m_selected.wYear && date.wMonth == m_selected.wMonth &&
                              date.wDay == m_selected.wDay;
        COLORREF color = date.wMonth == m_month ? m_colors[MCSC_TEXT] : m_colors[MCSC_TRAILINGTEXT];
        if (selected) {
            FillColor(hdc, rect, m_colors[MCSC_TITLEBK]);
            color = m_colors[MCSC_TITLETEXT];
        }
        if (date.wYear == today.wYear && date.wMonth == today.wMonth && date.wDay == today.wDay) {
            const OwnedObject<HBRUSH> red(CreateSolidBrush(RGB(255, 0, 0)));
            FrameRect(hdc, &rect, red.Get());
        }
        CentredText(hdc, std::to_string(date.wDay), rect, color);
    }
}

LRESULT MonthCalendarControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    default:
        return DefWindowProcA(m_hwnd, msg, wParam, lParam);
    }
}

LRESULT MonthCalendarWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return StateWndProc<MonthCalendarControl>(hwnd, msg, wParam, lParam);
}

} // namespace win::controls
