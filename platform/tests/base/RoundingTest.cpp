#include "platform/base/Rounding.h"
#include "platform/base/TextCase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

TEST(RoundingTest, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(base::RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(base::RoundHalfEven(1.5), 2.0);
    EXPECT_EQ(base::RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(base::RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(base::RoundHalfEven(2.5000001), 3.0);
    EXPECT_EQ(base::RoundHalfEvenToInt64(-3.5), -4);
}

TEST(RoundingTest, WholeNumbersFromAnyDoubleArePinnedToTheirRange) {
    EXPECT_EQ(base::RoundHalfEvenToInt32(2.5), 2);
    EXPECT_EQ(base::RoundHalfEvenToInt32(1E+12), INT32_MAX);
    EXPECT_EQ(base::RoundHalfEvenToInt32(-2147483648.4), INT32_MIN);
    EXPECT_EQ(base::RoundHalfEvenToInt32(-HUGE_VAL), INT32_MIN);
    EXPECT_EQ(base::RoundHalfEvenToInt32(NAN), 0);
    EXPECT_EQ(base::RoundHalfEvenToInt64(1E+300), INT64_MAX);
    EXPECT_EQ(base::RoundHalfEvenToInt64(-1E+300), INT64_MIN);
}

TEST(TextCaseTest, KeysCompareWithoutCase) {
    EXPECT_TRUE(base::EqualsNoCase("ForeColor", "Forecolor"));
    EXPECT_FALSE(base::EqualsNoCase("ForeColor", "BackColor"));
    EXPECT_TRUE(base::LessNoCase{}("alpha", "BETA"));
}
