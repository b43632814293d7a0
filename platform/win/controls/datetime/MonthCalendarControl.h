#pragma once

#include "platform/win/controls/common/ControlFont.h"
#include "platform/win/controls/datetime/CalendarLayout.h"

#include <array>
#include <memory>

namespace win::controls {

// What the dropped month calendar reports to the date picker that opened it.
class CalendarOwner {
public:
    virtual ~CalendarOwner() = default;
    // A click on a day: the date (its time of day is the selection's).
    virtual void CalendarPicked(const SYSTEMTIME& date) = 0;
    // A press outside the calendar.
    virtual void CalendarCancelled() = 0;
};

// The month calendar a date picker drops down ("SysMonthCal32", a topmost popup that is never
// activated and holds the mouse while open). It shows one month: a title with month and year and
// previous / next arrows, a weekday header and 6 x 7 days, the neighbouring months' days in the
// trailing colour, the selected day in the title colours, today framed. Colours are the MCSC_*
// colours of the picker.
class MonthCalendarControl {
public:
    using Colors = std::array<COLORREF, 6>;

    explicit MonthCalendarControl(HWND hwnd) : m_hwnd(hwnd) {}

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

    // Shows selected's month with selected marked.
    void Start(std::weak_ptr<CalendarOwner> owner, const SYSTEMTIME& selected, const Colors& colors,
               HFONT font);
    CalendarLayout Layout() const { return {m_cellWidth, m_cellHeight}; }
    int ShownYear() const { return m_year; }
    int ShownMonth() const { return m_month; }
    // The date shown in a cell (0 to 41).
    SYSTEMTIME CellDate(int cell) const;

private:
    void Navigate(int months);
    void OnButtonDown(POINT pt);
    void Paint();

    HWND m_hwnd;
    std::weak_ptr<CalendarOwner> m_owner;
    SYSTEMTIME m_selected;
    Colors m_colors{};
    ControlFont m_font;
    int m_year = 2000;
    int m_month = 1;
    int m_cellWidth = 24;
    int m_cellHeight = 15;
};

} // namespace win::controls
