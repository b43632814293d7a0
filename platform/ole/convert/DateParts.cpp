#include "platform/ole/convert/DateParts.h"

#include "platform/base/Clock.h"
#include "platform/ole/convert/Calendar.h"
#include "platform/ole/error/Error.h"

#include <cmath>

namespace ole {

namespace {

constexpr int64_t kSecondsPerDay = 86400;

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

} // namespace

double Now() {
    return base::Clock::Now();
}

double Date() {
    return std::floor(Now());
}

double Time() {
    const double now = Now();
    return now - std::floor(now);
}

double Timer() {
    return Time() * kSecondsPerDay;
}

int Year(double date) {
    return SplitDate(date).year;
}

int Month(double date) {
    return SplitDate(date).month;
}

int Day(double date) {
    return SplitDate(date).day;
}

int Hour(double date) {
    return SplitDate(date).hour;
}

int Minute(double date) {
    return SplitDate(date).minute;
}

int Second(double date) {
    return SplitDate(date).second;
}

int Weekday(double date, int firstDayOfWeek) {
    if (firstDayOfWeek < 1 || firstDayOfWeek > 7) {
        RaiseError(ERR_INVALID_CALL);
    }
    return WeekdayOf(date, firstDayOfWeek);
}

double DateSerial(int32_t year, int32_t month, int32_t day) {
    int64_t y = ExpandTwoDigitYear(year);
    const int64_t monthIndex = static_cast<int64_t>(month) - 1;
    y += FloorDiv(monthIndex, 12);
    const int64_t m = monthIndex - FloorDiv(monthIndex, 12) * 12 + 1;
    if (y < kMinYear || y > kMaxYear) {
        RaiseError(ERR_INVALID_CALL);
    }
    const int64_t dayNumber =
        DayNumber(static_cast<int>(y), static_cast<int>(m), 1) + static_cast<int64_t>(day) - 1;
    const auto result = static_cast<double>(dayNumber);
    if (!IsValidDateValue(result)) {
        RaiseError(ERR_INVALID_CALL);
    }
    return result;
}

double TimeSerial(int32_t hour, int32_t minute, int32_t second) {
    const int64_t total = static_cast<int64_t>(hour) * 3600 + static_cast<int64_t>(minute) * 60 +
                          static_cast<int64_t>(second);
    const int64_t days = FloorDiv(total, kSecondsPerDay);
    const int64_t rest = total - days * kSecondsPerDay;
    return EncodeDate(days, static_cast<double>(rest) / kSecondsPerDay);
}

} // namespace ole
