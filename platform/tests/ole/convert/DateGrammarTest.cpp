#include "platform/ole/convert/DateGrammar.h"
#include "platform/base/Clock.h"
#include "platform/ole/convert/Calendar.h"
#include "platform/ole/convert/DateParts.h"
#include "platform/ole/convert/Format.h"
#include "platform/ole/convert/StandardText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ole;

namespace {

// The standard text of what `text` reads as, or "-" when it is not a date.
std::string Read(const char* text) {
    const auto date = ParseDateText(text);
    return date ? DateText(*date) : "-";
}

} // namespace

TEST(DateGrammarTest, NumericFormsIncludingDayFirst) {
    EXPECT_EQ(Read("1/13/2024"), "1/13/2024");
    EXPECT_EQ(Read("13/1/2024"), "1/13/2024"); // 13 January: the first number exceeds 12
    EXPECT_EQ(Read("1/2/2024"), "1/2/2024");   // month first otherwise
    EXPECT_EQ(Read("1-13-2024"), "1/13/2024");
    EXPECT_EQ(Read("1.13.2024"), "1/13/2024");
    EXPECT_EQ(Read("2024-01-13"), "1/13/2024");
    EXPECT_EQ(Read("2024/1/13"), "1/13/2024");
    EXPECT_EQ(Read(" 2/29/2024 "), "2/29/2024");
    EXPECT_EQ(Read("1/1/99"), "1/1/1999");
    EXPECT_EQ(Read("1/1/29"), "1/1/2029");
    EXPECT_EQ(Read("1/1/30"), "1/1/1930");
    EXPECT_EQ(Read("12/31/9999"), "12/31/9999");
    EXPECT_EQ(Read("1/1/100"), "1/1/100");
}

TEST(DateGrammarTest, MonthNamesWeekdaysAndTimes) {
    EXPECT_EQ(Read("31 December 2020"), "12/31/2020");
    EXPECT_EQ(Read("Dec 31, 2020"), "12/31/2020");
    EXPECT_EQ(Read("december 31 2020"), "12/31/2020");
    EXPECT_EQ(Read("31-Dec-2020"), "12/31/2020");
    EXPECT_EQ(Read("08-Dec-26"), "12/8/2026");
    EXPECT_EQ(Read("Sept. 5, 2021"), "9/5/2021");
    EXPECT_EQ(Read("2020 Dec 31"), "12/31/2020");
    EXPECT_EQ(Read("Tuesday, December 8, 2026"), "12/8/2026");
    EXPECT_EQ(Read("Sat 1/2/2021"), "1/2/2021");
    EXPECT_EQ(Read("2024-01-13 14:05"), "1/13/2024 2:05:00 PM");
    EXPECT_EQ(Read("2024-01-13 14:05:09"), "1/13/2024 2:05:09 PM");
    EXPECT_EQ(Read("Dec 31, 2020 10:00 PM"), "12/31/2020 10:00:00 PM");
    EXPECT_EQ(Read("3:04:05 pm"), "3:04:05 PM");
    EXPECT_EQ(Read("12:00 AM"), "12:00:00 AM");
    EXPECT_EQ(Read("12:30 PM"), "12:30:00 PM");
    EXPECT_EQ(Read("0:00"), "12:00:00 AM");
    EXPECT_EQ(Read("Dec 31, 2020 10 pm"), "12/31/2020 10:00:00 PM");
    EXPECT_EQ(Read("18:30 31.12.2020"), "12/31/2020 6:30:00 PM");
    EXPECT_EQ(Read("31 Dec 2020, Thu 7:05 p"), "12/31/2020 7:05:00 PM");
    EXPECT_EQ(Read("December 2020"), "12/1/2020");
    EXPECT_EQ(Read("12/2020"), "12/1/2020");
    EXPECT_EQ(Read("2020-12"), "12/1/2020");
    // A time alone lies on day zero.
    EXPECT_DOUBLE_EQ(*ParseDateText("18:00"), 0.75);
    // Before 1899-12-30 the fraction still counts forward from midnight.
    EXPECT_DOUBLE_EQ(*ParseDateText("12/29/1899 6:00"), -1.25);
}

TEST(DateGrammarTest, RejectsNumbersInvalidDatesAndStrayText) {
    for (const char* text : {"12",
                             "1.5",
                             "45000",
                             "-1",
                             "",
                             " ",
                             "2/30/2024",
                             "2/29/2023",
                             "13/13/2024",
                             "0/1/2024",
                             "1/0/2024",
                             "1/1/0099",
                             "1/1/10000",
                             "25:00",
                             "12:60",
                             "13:00 PM",
                             "1.2",
                             "1/2/3/4",
                             "1/2-2024",
                             "Foo 1, 2020",
                             "December",
                             "Monday",
                             "December 2020 31 12",
                             "1/1/2024 5",
                             "1/1/2024 noon",
                             "1:2:3:4",
                             "2024-13-01",
                             "$1/1/2024"}) {
        EXPECT_FALSE(IsDateText(text)) << text;
    }
}

TEST(DateGrammarTest, DatesWithoutAYearFallInTheCurrentYear) {
    base::Clock::Reset();
    base::Clock::SetDateTimeBase(45000.0); // 2023
    EXPECT_EQ(Read("3/4"), "3/4/2023");
    EXPECT_EQ(Read("25-12"), "12/25/2023");
    EXPECT_EQ(Read("Dec 31"), "12/31/2023");
    EXPECT_EQ(Read("31 December"), "12/31/2023");
    EXPECT_EQ(Read("2/29"), "-"); // not in 2023
    base::Clock::Reset();
}

TEST(DateGrammarTest, TextTheDatePickerShowsReadsBack) {
    // Default, numeric and month-name forms, across leap days and the century edges.
    for (const double date : {45000.0, 45351.0, 36526.0, 2.0, -36522.0, 2958465.0, 45000.5}) {
        for (const char* format : {"General Date", "Short Date", "Long Date", "Medium Date"}) {
            const std::string text = Format(Variant::FromDate(date), format);
            const auto back = ParseDateText(text);
            ASSERT_TRUE(back.has_value()) << text;
            const double expected =
                std::string_view(format) == "General Date" ? date : std::trunc(date);
            // Medium dates carry two-digit years, which only round-trip inside the window.
            if (std::string_view(format) != "Medium Date" ||
                (Year(date) >= 1930 && Year(date) < 2030)) {
                EXPECT_DOUBLE_EQ(*back, expected) << text;
            }
        }
    }
}
