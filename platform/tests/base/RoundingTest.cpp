#include "platform/base/Rounding.h"
#include "platform/base/TextCase.h"

#include <gtest/gtest.h>

TEST(RoundingTest, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(base::RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(base::RoundHalfEven(1.5), 2.0);
    EXPECT_EQ(base::RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(base::RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(base::RoundHalfEven(2.5000001), 3.0);
    EXPECT_EQ(base::RoundHalfEvenToInt64(-3.5), -4);
}

TEST(TextCaseTest, KeysCompareWithoutCase) {
    EXPECT_TRUE(base::EqualsNoCase("ForeColor", "Forecolor"));
    EXPECT_FALSE(base::EqualsNoCase("ForeColor", "BackColor"));
    EXPECT_TRUE(base::LessNoCase{}("alpha", "BETA"));
}
