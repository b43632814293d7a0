#include "LoopFixture.h"

#include "platform/base/Clock.h"

#include "platform/win/paint/Paint.h"

namespace looptest {
namespace {

class PaintOrderTest : public LoopTest {};

TEST_F(PaintOrderTest, PaintComesAfterPostedAndInputAndBeforeTimers) {
    const HWND top = TopLevel(0, 0, 100, 100);
    ASSERT_TRUE(test::pump());
    Watch({WM_PAINT, WM_USER, WM_MOUSEMOVE, WM_TIMER});

    SetTimer(top, 1, 10, nullptr);
    base::Clock::Advance(10);
    InvalidateRect(top, nullptr, TRUE);
    test::mouseMove(POINT{5, 5});
    PostMessageA(top, WM_USER, 0, 0);
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(Rec().Messages(top), (std::vector<UINT>{WM_USER, WM_MOUSEMOVE, WM_PAINT, WM_TIMER}));
    KillTimer(top, 1);
}

TEST_F(PaintOrderTest, ParentsPaintBeforeChildrenAndTopWindowsFirst) {
    const HWND lower = TopLevel(0, 0, 100, 100);
    const HWND upper = TopLevel(200, 0, 100, 100);
    const HWND child = Child(upper, 10, 10, 20, 20);
    const HWND grandchild = Child(child, 1, 1, 5, 5);
    ASSERT_TRUE(test::pump());
    Watch({WM_PAINT});

    InvalidateRect(grandchild, nullptr, FALSE);
    InvalidateRect(lower, nullptr, FALSE);
    InvalidateRect(child, nullptr, FALSE);
    InvalidateRect(upper, nullptr, FALSE);
    ASSERT_TRUE(test::pump());
    std::vector<HWND> order;
    for (const Received& r : Rec().Log()) {
        order.push_back(r.hwnd);
    }
    EXPECT_EQ(order, (std::vector<HWND>{upper, child, grandchild, lower}));
}

TEST_F(PaintOrderTest, HiddenWindowsWaitUntilShownAndUnvalidatedPaintsRepeat) {
    const HWND top = TopLevel(0, 0, 100, 100);
    const HWND hidden =
        CreateWindowExA(0, "LoopPlain", "", WS_CHILD, 0, 0, 50, 50, top, nullptr, nullptr, nullptr);
    ASSERT_TRUE(test::pump());
    Watch({WM_PAINT});

    InvalidateRect(hidden, nullptr, TRUE);
    ASSERT_TRUE(test::pump());
    EXPECT_TRUE(Rec().Messages(hidden).empty());
    ShowWindow(hidden, SW_SHOWNA);
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(Rec().Messages(hidden).size(), 1u);

    // A procedure that returns without validating is asked again.
    Rec().Clear();
    Answer([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        return msg == WM_PAINT && hwnd == hidden ? std::optional<LRESULT>(0) : std::nullopt;
    });
    InvalidateRect(hidden, nullptr, FALSE);
    EXPECT_TRUE(test::pumpOnce());
    EXPECT_TRUE(test::pumpOnce());
    EXPECT_EQ(Rec().Messages(hidden).size(), 2u);
    EXPECT_FALSE(test::pump(50)) << "never idle while the region stays";
    EXPECT_EQ(test::CaughtExceptions().size(), 1u);
    test::ClearCaughtExceptions();
    ValidateRect(hidden, nullptr);
    EXPECT_TRUE(test::pump());
}

} // namespace
} // namespace looptest
