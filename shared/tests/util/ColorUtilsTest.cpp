#include "shared/util/ColorUtils.h"
#include "platform/win/WinConstants.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/test/TestApi.h"
#include "shared/util/LoWord.h"

#include <gtest/gtest.h>

#include <limits>

using namespace shared;
using win::RGB;

TEST(ColorUtilsTest, TranslatesSystemColoursThroughTheTableAndLeavesRgbAlone) {
    win::test::resetPlatform();
    EXPECT_EQ(TranslateColor(0x8000000F), win::GetSysColor(win::COLOR_3DFACE));
    EXPECT_EQ(TranslateColor(0x8000000F), RGB(212, 208, 200));
    EXPECT_EQ(TranslateColor(0x80000018), win::GetSysColor(24)); // tooltip background
    EXPECT_EQ(TranslateColor(RGB(0, 0, 255)), RGB(0, 0, 255));
    EXPECT_EQ(TranslateColor(0x00FFFFFF), 0x00FFFFFFu);
    // Indices outside the table, -1 among them, are black.
    EXPECT_EQ(TranslateColor(0x80000000u | 200), 0u);
    EXPECT_EQ(TranslateColor(0xFFFFFFFFu), 0u);

    EXPECT_TRUE(IsSystemColor(0x80000005));
    EXPECT_FALSE(IsSystemColor(0x00FFFFFF));
}

TEST(ColorUtilsTest, ShadesRoundHalfToEvenWithTheSinglePrecisionFactorAndCap) {
    EXPECT_EQ(LightenColor(RGB(250, 100, 0)), RGB(255, 110, 0));
    EXPECT_EQ(DarkenColor(RGB(255, 255, 255)), RGB(204, 204, 204));
    // 15 * 1.1f and 35 * 1.1f land just above 16.5 and 38.5.
    EXPECT_EQ(LightenColor(RGB(15, 35, 5)), RGB(17, 39, 6));
    // 5 * 0.5 = 2.5 and 15 * 0.5 = 7.5: exact halves go to the even neighbour.
    EXPECT_EQ(ScaleColor(RGB(5, 15, 1), 0.5f), RGB(2, 8, 0));
    EXPECT_EQ(ScaleColor(RGB(200, 10, 128), 3.0f), RGB(255, 30, 255));
    EXPECT_EQ(ScaleColor(RGB(200, 10, 128), -1.0f), 0u);
    EXPECT_EQ(ScaleColor(RGB(200, 10, 128), std::numeric_limits<float>::quiet_NaN()), 0u);

    const RgbParts parts = SplitRGB(RGB(1, 2, 3) | 0xAB000000u);
    EXPECT_EQ(parts.r, 1);
    EXPECT_EQ(parts.g, 2);
    EXPECT_EQ(parts.b, 3);
}

TEST(ColorUtilsTest, LoWordIsTheUnsignedLowHalf) {
    static_assert(LoWord(0x12345) == 0x2345);
    static_assert(LoWord(0xFFFF8000) == 0x8000);
    static_assert(LoWord(-1) == 65535);
    static_assert(LoWord(0x10000) == 0);
}
