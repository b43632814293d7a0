#include "platform/ole/convert/Calendar.h"

#include "platform/base/Rounding.h"

#include <cmath>

namespace ole {

namespace {

constexpr int64_t kSecondsPerDay = 86400;
// Days from 0000-03-01, where the civil algorithm counts from, to 1899-12-30.
constexpr int64_t kEpochShift = 693899;

// Days since 0000-03-01 (proleptic Gregorian) by 400-year eras, so leap rules stay exact.
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2 ? 1 : 0;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

void CivilFromDays(int64_t z, CivilDateTime& out) {
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp < 10 ? mp + 3 : mp - 9;
    out.year = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    out.month = static_cast<int>(m);
    out.day = static_cast<int>(d);
}

} // namespace

bool IsValidDateValue(double date) {
    // The first day's times count back from kMinDateValue, so the range reaches just short of
    // the day before it.
    return date > kMinDateValue - 1.0 && date < kMaxDateValue + 1.0 / kSecondsPerDay;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int64_t DayNumber(int year, int month, int day) {
    return DaysFromCivil(year, month, day) - kEpochShift;
}

std::optional<double> DateFromParts(int year, int month, int day) {
    if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        return std::nullopt;
    }
    return static_cast<double>(DayNumber(year, month, day));
}

double EncodeDate(int64_t dayNumber, double time) {
    const auto day = static_cast<double>(dayNumber);
    return dayNumber >= 0 ? day + time : day - time;
}

CivilDateTime SplitDate(double date) {
    // Values no date can hold are pinned to the range so the arithmetic below stays defined.
    if (std::isnan(date)) {
        date = 0.0;
    } else if (date <= kMinDateValue - 1.0) {
        date = kMinDateValue;
    } else if (date > kMaxDateValue) {
        date = kMaxDateValue;
    }
    const double whole = std::trunc(date);
    auto dayNumber = static_cast<int64_t>(whole);
    int64_t seconds = base::RoundHalfEvenToInt64(std::fabs(date - whole) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        ++dayNumber;
    }
    CivilDateTime out;
    CivilFromDays(dayNumber + kEpochShift, out);
    out.hour = static_cast<int>(seconds / 3600);
    out.minute = static_cast<int>(seconds / 60 % 60);
    out.second = static_cast<int>(seconds % 60);
    return out;
}

int WeekdayOf(double date, int firstDayOfWeek) {
    const CivilDateTime parts = SplitDate(date);
    // 1899-12-30 was a Saturday (7 with Sunday first).
    const int64_t days = DayNumber(parts.year, parts.month, parts.day);
    const int sundayBased = static_cast<int>(((days + 6) % 7 + 7) % 7) + 1;
    return (sundayBased - firstDayOfWeek + 7) % 7 + 1;
}

int ExpandTwoDigitYear(int year) {
    if (year < 0 || year > 99) {
        return year;
    }
    return year < 30 ? 2000 + year : 1900 + year;
}

} // namespace ole
