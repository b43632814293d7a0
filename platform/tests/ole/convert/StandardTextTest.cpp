#include "platform/ole/convert/StandardText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

using namespace ole;

TEST(StandardTextTest, DoublesShowFifteenDigitsAndExponentsOutsideThePlainRange) {
    EXPECT_EQ(DoubleText(0.0), "0");
    EXPECT_EQ(DoubleText(-0.0), "0");
    EXPECT_EQ(DoubleText(123.456), "123.456");
    EXPECT_EQ(DoubleText(-2.5), "-2.5");
    EXPECT_EQ(DoubleText(0.1), "0.1");
    EXPECT_EQ(DoubleText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(DoubleText(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(DoubleText(999999999999999.0), "999999999999999");
    EXPECT_EQ(DoubleText(1e15), "1E+15");
    EXPECT_EQ(DoubleText(1e20), "1E+20");
    EXPECT_EQ(DoubleText(-1.5e100), "-1.5E+100");
    EXPECT_EQ(DoubleText(1e-5), "0.00001");
    EXPECT_EQ(DoubleText(0.000012345), "0.000012345");
    EXPECT_EQ(DoubleText(1.5e-7), "1.5E-07");
    EXPECT_EQ(DoubleText(9.9999999999999999e-6), "0.00001"); // rounds into the plain range
    EXPECT_EQ(DoubleText(123456789012345678.0), "1.23456789012346E+17");
}

TEST(StandardTextTest, SinglesShowSevenDigits) {
    EXPECT_EQ(SingleText(1.1f), "1.1");
    EXPECT_EQ(SingleText(123456.7f), "123456.7");
    EXPECT_EQ(SingleText(1234567.0f), "1234567");
    EXPECT_EQ(SingleText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(SingleText(1e-6f), "1E-06");
    EXPECT_EQ(SingleText(-0.25f), "-0.25");
}

TEST(StandardTextTest, CurrencyBooleansAndIntegers) {
    EXPECT_EQ(CurrencyText(Currency{15000}), "1.5");
    EXPECT_EQ(CurrencyText(Currency{30000}), "3");
    EXPECT_EQ(CurrencyText(Currency{-1}), "-0.0001");
    EXPECT_EQ(CurrencyText(Currency{12345678}), "1234.5678");
    EXPECT_EQ(CurrencyText(Currency{INT64_MAX}), "922337203685477.5807");
    EXPECT_EQ(CurrencyText(Currency{INT64_MIN}), "-922337203685477.5808");
    EXPECT_EQ(BoolText(true), "True");
    EXPECT_EQ(BoolText(false), "False");
    EXPECT_EQ(IntegerText(-32768), "-32768");
    EXPECT_EQ(UnsignedText(UINT64_MAX), "18446744073709551615");
}

TEST(StandardTextTest, DatesDropAZeroTimeOrAZeroDate) {
    EXPECT_EQ(DateText(0.0), "12:00:00 AM");
    EXPECT_EQ(DateText(0.75), "6:00:00 PM");
    EXPECT_EQ(DateText(45000.0), "3/15/2023");
    EXPECT_EQ(DateText(45000.5), "3/15/2023 12:00:00 PM");
    EXPECT_EQ(DateText(45000 + 3723.0 / 86400), "3/15/2023 1:02:03 AM");
    EXPECT_EQ(DateText(-1.25), "12/29/1899 6:00:00 AM");
    EXPECT_EQ(DateText(1.0), "12/31/1899");
    EXPECT_EQ(DateText(2958465.0), "12/31/9999");
    // Values no date can hold read as the nearest end of the range instead of failing.
    EXPECT_EQ(DateText(1e300), "12/31/9999 11:59:59 PM");
    EXPECT_EQ(DateText(-1e300), "1/1/100");
    EXPECT_EQ(DateText(std::nan("")), "12:00:00 AM");
    // Half a second short of midnight rounds into the next day.
    EXPECT_EQ(DateText(45000 + 86399.6 / 86400), "3/16/2023");
}

TEST(StandardTextTest, HexAndOctUseThirtyTwoBitTwosComplement) {
    EXPECT_EQ(HexText(255), "FF");
    EXPECT_EQ(HexText(0), "0");
    EXPECT_EQ(HexText(-1), "FFFFFFFF");
    EXPECT_EQ(HexText(INT32_MIN), "80000000");
    EXPECT_EQ(HexText(0xC0FFEE), "C0FFEE");
    EXPECT_EQ(OctText(8), "10");
    EXPECT_EQ(OctText(-1), "37777777777");
}
