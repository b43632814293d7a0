#pragma once

#include "platform/win/controls/common/ControlFont.h"
#include "platform/win/controls/datetime/DateFormat.h"
#include "platform/win/controls/datetime/MonthCalendarControl.h"

#include <memory>
#include <string>
#include <vector>

namespace win::controls {

// One date-time picker ("SysDateTimePick32"): the date and time as editable fields in the current
// format, an optional check box (DTS_SHOWNONE; unchecked means no date) and a drop button that
// opens the month calendar.
//
// The field paints over what WM_ERASEBKGND left: it never fills its background, so a parent or
// subclass that erases in its own colour shows through. Notifications by WM_NOTIFY to the parent:
//   a user's change (a field key, a digit, the check box, a picked day): DTN_DATETIMECHANGE
//   opening the calendar: DTN_DROPDOWN (the calendar exists, not yet shown)
//   picking a day: the field shows the day, DTN_DATETIMECHANGE (when it changed), the calendar
//     closes, DTN_CLOSEUP
//   closing without a pick (Esc, Enter, a click outside, the focus leaving): DTN_CLOSEUP
// Messages change the date without a notification.
class DateTimeControl : public CalendarOwner, public std::enable_shared_from_this<DateTimeControl> {
public:
    explicit DateTimeControl(HWND hwnd);

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

    void CalendarPicked(const SYSTEMTIME& date) override;
    void CalendarCancelled() override { CloseUp(); }

private:
    DWORD Style() const;
    bool ShowsNone() const;
    DateFormat Format() const;
    std::string Text() const { return Format().Text(m_time); }
    RECT CheckRect() const;
    RECT ButtonRect() const;
    int TextLeft() const;
    // Each segment's rectangle in the client area, in the order of the format.
    std::vector<RECT> SegmentRects(HDC hdc, const DateFormat& format) const;
    int FirstField(const DateFormat& format) const;

    // The date clamped into the range; true when it changed.
    bool SetTime(SYSTEMTIME time);
    void Changed();
    void Drop();
    void CloseUp();
    void ToggleCheck();
    void MoveField(int direction);
    void Step(int delta);
    void TypeDigit(int digit);
    void OnButtonDown(POINT pt);
    void OnKeyDown(int vk, bool alt);
    void Paint();
    LRESULT SetSystemTime(WPARAM flag, const SYSTEMTIME* time);
    LRESULT SetRange(WPARAM flags, const SYSTEMTIME* range);

    HWND m_hwnd;
    HWND m_calendar;
    ControlFont m_font;
    SYSTEMTIME m_time;
    bool m_none = false;
    bool m_customFormat = false;
    std::string m_format;
    int m_field = -1;
    std::string m_typed;
    MonthCalendarControl::Colors m_colors;
    SYSTEMTIME m_min;
    SYSTEMTIME m_max;
    WPARAM m_range = 0;
    bool m_focused = false;
    bool m_dead = false;
};

} // namespace win::controls
