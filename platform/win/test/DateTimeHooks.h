#pragma once

// Driving a date-time picker's month calendar from tests the way a user does: every step is a
// click through the hardware queue, so subclasses and notifications see what a hand would cause.

#include "platform/win/WinTypes.h"

#include <string>

namespace win::test {

// Clicks the picker's drop button; true when the calendar is open afterwards.
bool dateTimeDrop(HWND picker);
// Clicks beside the open calendar, which closes it without a pick; false when none was open.
bool dateTimeClose(HWND picker);
// Opens the calendar if needed, clicks its arrows to the month and clicks the day; false when the
// calendar could not be opened or the day is out of reach.
bool dateTimePickDay(HWND picker, int year, int month, int day);
// The text the picker displays (also while its check box is cleared).
std::string dateTimeText(HWND picker);

} // namespace win::test
