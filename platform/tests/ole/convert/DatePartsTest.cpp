#include "testsupport/ErrorOf.h"

#include "platform/base/Clock.h"
#include "platform/ole/convert/DateParts.h"
#include "platform/ole/convert/IntegerMath.h"

#include <gtest/gtest.h>

using namespace ole;
using testsupport::ErrorOf;

TEST(DatePartsTest, PartsOfADate) {
    const double date = 45000.0 + (18 * 3600 + 5 * 60 + 9) / 86400.0; // Wed 3/15/2023 18:05:09
    EXPECT_EQ(Year(date), 2023);
    EXPECT_EQ(Month(date), 3);
    EXPECT_EQ(Day(date), 15);
    EXPECT_EQ(Hour(date), 18);
    EXPECT_EQ(Minute(date), 5);
    EXPECT_EQ(Second(date), 9);
    EXPECT_EQ(Weekday(date), 4);
    EXPECT_EQ(Weekday(date, 2), 3); // Monday first
    EXPECT_EQ(Weekday(0.0), 7);     // 1899-12-30 was a Saturday
    EXPECT_EQ(Weekday(-1.0), 6);
    EXPECT_EQ(Hour(-1.25), 6);
    EXPECT_EQ(Day(-1.25), 29);
    EXPECT_EQ(ErrorOf([] { Weekday(1.0, 8); }), ERR_INVALID_CALL);
}

TEST(DatePartsTest, SerialsCarryOverflowingParts) {
    EXPECT_EQ(DateSerial(2023, 3, 15), 45000.0);
    EXPECT_EQ(DateSerial(2024, 13, 1), DateSerial(2025, 1, 1));
    EXPECT_EQ(DateSerial(2024, 3, 0), DateSerial(2024, 2, 29));
    EXPECT_EQ(DateSerial(2024, 0, 1), DateSerial(2023, 12, 1));
    EXPECT_EQ(DateSerial(2024, -11, 1), DateSerial(2023, 1, 1));
    EXPECT_EQ(DateSerial(2023, 2, 29), DateSerial(2023, 3, 1));
    EXPECT_EQ(DateSerial(24, 1, 1), DateSerial(2024, 1, 1));
    EXPECT_EQ(DateSerial(99, 1, 1), DateSerial(1999, 1, 1));
    EXPECT_EQ(DateSerial(1899, 12, 30), 0.0);
    EXPECT_EQ(DateSerial(100, 1, 1), -657434.0);
    EXPECT_EQ(ErrorOf([] { DateSerial(10000, 1, 1); }), ERR_INVALID_CALL);
    EXPECT_EQ(ErrorOf([] { DateSerial(9999, 12, 32); }), ERR_INVALID_CALL);
    EXPECT_EQ(TimeSerial(18, 0, 0), 0.75);
    EXPECT_EQ(TimeSerial(0, 90, 0), TimeSerial(1, 30, 0));
    EXPECT_EQ(TimeSerial(24, 0, 0), 1.0);
    EXPECT_DOUBLE_EQ(TimeSerial(-1, 0, 0), -1.0 - 23.0 / 24.0); // 11 PM the day before
}

TEST(DatePartsTest, ClockFunctionsFollowThePlatformClock) {
    base::Clock::Reset();
    base::Clock::SetDateTimeBase(45000.0);
    base::Clock::Advance(90 * 60 * 1000 + 500); // 1:30:00.5 AM
    EXPECT_DOUBLE_EQ(Now(), 45000.0 + (5400.5 / 86400.0));
    EXPECT_EQ(Date(), 45000.0);
    EXPECT_NEAR(Time(), 5400.5 / 86400.0, 1e-9);
    EXPECT_NEAR(Timer(), 5400.5, 1e-6);
    base::Clock::Reset();
}

TEST(DatePartsTest, FixIntAndIntegerDivision) {
    EXPECT_EQ(Fix(-2.5), -2.0);
    EXPECT_EQ(Int(-2.5), -3.0);
    EXPECT_EQ(Fix(2.7), 2.0);
    EXPECT_EQ(Int(2.7), 2.0);
    EXPECT_EQ(IntDivide(7, 2), 3);
    EXPECT_EQ(IntDivide(-7, 2), -3); // truncates toward zero
    EXPECT_EQ(IntDivide(7.5, 2), 4); // operands round half to even first: 8 \ 2
    EXPECT_EQ(IntDivide(6.5, 2), 3); // 6 \ 2
    EXPECT_EQ(IntModulo(-7, 2), -1);
    EXPECT_EQ(ErrorOf([] { IntDivide(1, 0.4); }), 11); // the divisor rounds to 0
    EXPECT_EQ(ErrorOf([] { IntDivide(-2147483648.0, -1); }), ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([] { IntDivide(3e9, 1); }), ERR_OVERFLOW);
}
