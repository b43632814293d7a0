#include "platform/win/controls/datetime/CalendarDate.h"

#include "platform/base/Clock.h"

#include <cmath>
#include <tuple>

namespace win::controls::calendar {

namespace {

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Automation dates count days from 1899-12-30.
constexpr int64_t kOleEpochDay = -25569;

} // namespace

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// Days from civil: years start in March so the leap day ends the year.
int64_t DayNumber(int year, int month, int day) {
    const int64_t y = year - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int DayOfWeek(int year, int month, int day) {
    // 1970-01-01 was a Thursday.
    const int64_t n = DayNumber(year, month, day);
    return static_cast<int>(((n % 7) + 7 + 4) % 7);
}

void SetFromDayNumber(SYSTEMTIME& time, int64_t dayNumber) {
    const int64_t z = dayNumber + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    const int64_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wDayOfWeek = static_cast<WORD>(
        DayOfWeek(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)));
}

bool IsValid(const SYSTEMTIME& time) {
    return time.wYear >= kMinYear && time.wYear <= kMaxYear && time.wMonth >= 1 &&
           time.wMonth <= 12 && time.wDay >= 1 &&
           time.wDay <= DaysInMonth(time.wYear, time.wMonth) && time.wHour < 24 &&
           time.wMinute < 60 && time.wSecond < 60;
}

int Compare(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    const auto key = [](const SYSTEMTIME& t) {
        return std::tie(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    };
    return key(a) < key(b) ? -1 : key(b) < key(a) ? 1 : 0;
}

SYSTEMTIME Today() {
    SYSTEMTIME today;
    const auto days = static_cast<int64_t>(std::floor(base::Clock::Now()));
    SetFromDayNumber(today, days + kOleEpochDay);
    return today;
}

} // namespace win::controls::calendar
