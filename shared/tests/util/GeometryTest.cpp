#include "platform/ole/error/Error.h"
#include "shared/util/Utils.h"

#include <gtest/gtest.h>

#include <climits>

using namespace shared;

TEST(GeometryTest, PointInRectIsStrictOnEveryEdge) {
    const win::RECT rect{10, 20, 30, 40};
    EXPECT_TRUE(PointInRect(11, 21, rect));
    EXPECT_TRUE(PointInRect(29.5f, 39.5f, rect));
    EXPECT_TRUE(PointInRect(10.25f, 20.25f, rect));
    EXPECT_FALSE(PointInRect(10, 25, rect));
    EXPECT_FALSE(PointInRect(30, 25, rect));
    EXPECT_FALSE(PointInRect(15, 20, rect));
    EXPECT_FALSE(PointInRect(15, 40, rect));
    EXPECT_FALSE(PointInRect(5, 25, rect));
    EXPECT_FALSE(PointInRect(0, 0, win::RECT{0, 0, 0, 0}));
    // Swapped corners hold nothing.
    EXPECT_FALSE(PointInRect(20, 30, win::RECT{30, 40, 10, 20}));
}

TEST(GeometryTest, ExtentsAndSizesRaiseOverflowOutside32Bits) {
    EXPECT_EQ(RectFromExtent(5, 6, 10, 20), (win::RECT{5, 6, 15, 26}));
    EXPECT_EQ(RectFromExtent(-5, -6, 10, 2), (win::RECT{-5, -6, 5, -4}));
    EXPECT_EQ(RectFromExtent(INT_MAX - 1, 0, 1, 0).right, INT_MAX);
    EXPECT_EQ(RectWidth(win::RECT{-10, 0, 10, 0}), 20);
    EXPECT_EQ(RectHeight(win::RECT{0, 10, 0, 4}), -6);

    const auto raisesOverflow = [](auto call) {
        try {
            call();
        } catch (const ole::Error& e) {
            return e.Number() == ole::ERR_OVERFLOW;
        }
        return false;
    };
    EXPECT_TRUE(raisesOverflow([] { RectFromExtent(INT_MAX, 0, 1, 0); }));
    EXPECT_TRUE(raisesOverflow([] { RectFromExtent(0, INT_MIN, 0, -1); }));
    EXPECT_TRUE(raisesOverflow([] { RectWidth(win::RECT{INT_MIN, 0, 1, 0}); }));
    EXPECT_TRUE(raisesOverflow([] { RectHeight(win::RECT{0, 1, 0, INT_MIN}); }));
}

TEST(GeometryTest, ThePlatformIsNeitherOfTheOldVersions) {
    EXPECT_FALSE(IsWin95());
    EXPECT_FALSE(IsWinNT4());
}
