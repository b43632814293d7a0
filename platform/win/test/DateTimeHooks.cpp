#include "platform/win/test/DateTimeHooks.h"

#include "platform/win/controls/ControlConstants.h"
#include "platform/win/controls/common/ControlStates.h"
#include "platform/win/controls/datetime/MonthCalendarControl.h"
#include "platform/win/system/SystemMetrics.h"
#include "platform/win/test/TestApi.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/Messages.h"

#include <cstdlib>

namespace win::test {

namespace {

HWND Calendar(HWND picker) {
    return HwndFromParam(SendMessageA(picker, DTM_GETMONTHCAL, 0, 0));
}

POINT Centre(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace

bool dateTimeDrop(HWND picker) {
    if (!Calendar(picker)) {
        RECT client;
        GetClientRect(picker, &client);
        click(picker, {client.right - GetSystemMetrics(SM_CXVSCROLL) / 2, client.bottom / 2});
        pump();
    }
    return static_cast<bool>(Calendar(picker));
}

bool dateTimeClose(HWND picker) {
    const HWND calendar = Calendar(picker);
    if (!calendar) {
        return false;
    }
    RECT r;
    GetWindowRect(calendar, &r);
    click(r.left > 0 && r.top > 0 ? POINT{r.left - 1, r.top - 1} : POINT{r.right, r.bottom});
    pump();
    return !Calendar(picker);
}

bool dateTimePickDay(HWND picker, int year, int month, int day) {
    if (!dateTimeDrop(picker)) {
        return false;
    }
    const HWND calendar = Calendar(picker);
    const auto state = controls::ControlStates<controls::MonthCalendarControl>::Find(calendar);
    if (!state) {
        return false;
    }
    const controls::CalendarLayout layout = state->Layout();
    const int steps = (year * 12 + month) - (state->ShownYear() * 12 + state->ShownMonth());
    if (std::abs(steps) > 12 * 200) {
        return false;
    }
    for (int i = 0; i < std::abs(steps); ++i) {
        click(calendar, Centre(steps > 0 ? layout.Next() : layout.Previous()));
        pump();
    }
    for (int cell = 0; cell < controls::CalendarLayout::kCells; ++cell) {
        const SYSTEMTIME date = state->CellDate(cell);
        if (date.wYear == year && date.wMonth == month && date.wDay == day) {
            click(calendar, Centre(layout.Cell(cell)));
            pump();
            return true;
        }
    }
    return false;
}

std::string dateTimeText(HWND picker) {
    const auto length = static_cast<size_t>(SendMessageA(picker, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    const auto copied = static_cast<size_t>(
        SendMessageA(picker, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied);
    return text;
}

} // namespace win::test
