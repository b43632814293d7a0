#include "LoopFixture.h"

#include "platform/win/input/Caret.h"
#include "platform/win/input/TabOrder.h"

namespace looptest {
namespace {

class CaretAndTabTest : public LoopTest {};

TEST_F(CaretAndTabTest, CaretShowsHidesBlinksAndDiesWithItsWindow) {
    const HWND top = TopLevel(0, 0, 100, 100);
    const HWND other = TopLevel(200, 0, 100, 100);
    EXPECT_FALSE(HideCaret(top)) << "no caret yet";
    ASSERT_TRUE(CreateCaret(top, nullptr, 2, 14));
    EXPECT_FALSE(test::caretInfo().shown) << "created hidden";
    EXPECT_TRUE(ShowCaret(top));
    EXPECT_TRUE(test::caretInfo().shown);
    EXPECT_FALSE(HideCaret(other));
    EXPECT_TRUE(test::caretInfo().shown) << "a window that does not own the caret changes nothing";
    EXPECT_TRUE(HideCaret(nullptr));
    EXPECT_TRUE(HideCaret(top));
    EXPECT_TRUE(ShowCaret(top));
    EXPECT_FALSE(test::caretInfo().shown) << "hides nest";
    EXPECT_TRUE(ShowCaret(top));
    ASSERT_TRUE(test::caretInfo().shown);
    SetCaretPos(5, 6);
    POINT pos;
    ASSERT_TRUE(GetCaretPos(&pos));
    EXPECT_EQ(pos, (POINT{5, 6}));

    // Blinking runs on the clock.
    EXPECT_TRUE(test::caretInfo().lit);
    test::advanceTime(GetCaretBlinkTime());
    EXPECT_FALSE(test::caretInfo().lit);
    test::advanceTime(GetCaretBlinkTime());
    EXPECT_TRUE(test::caretInfo().lit);
    test::setCaretBlink(false);
    test::advanceTime(5 * GetCaretBlinkTime() + 7);
    EXPECT_TRUE(test::caretInfo().lit);
    EXPECT_EQ(test::liveTimerCount(), 0u) << "the blink is no application timer";

    DestroyWindow(top);
    EXPECT_EQ(test::caretInfo().owner, HWND{});
    EXPECT_FALSE(DestroyCaret());
}

TEST_F(CaretAndTabTest, ALitCaretInvertsItsPixelsAndSurvivesPainting) {
    ASSERT_NE(test::TestWindowClass::Register("LoopWhite", HBRUSH::FromValue(COLOR_WINDOW + 1)), 0);
    const HWND top = TopLevel(0, 0, 40, 40, "LoopWhite");
    ASSERT_TRUE(test::pump());
    constexpr COLORREF white = RGB(255, 255, 255);
    constexpr COLORREF black = RGB(0, 0, 0);
    ASSERT_EQ(test::WindowPixel(top, 3, 3), white);

    CreateCaret(top, nullptr, 2, 10);
    SetCaretPos(2, 2);
    EXPECT_EQ(test::WindowPixel(top, 3, 3), white) << "created hidden";
    ShowCaret(top);
    EXPECT_EQ(test::WindowPixel(top, 3, 3), black);
    EXPECT_EQ(test::WindowPixel(top, 4, 3), white);
    test::advanceTime(GetCaretBlinkTime());
    EXPECT_EQ(test::WindowPixel(top, 3, 3), white);
    test::advanceTime(GetCaretBlinkTime());
    EXPECT_EQ(test::WindowPixel(top, 3, 3), black);

    InvalidateRect(top, nullptr, TRUE);
    UpdateWindow(top);
    EXPECT_EQ(test::WindowPixel(top, 3, 3), black) << "hidden for painting, shown again after";
    SetCaretPos(10, 2);
    EXPECT_EQ(test::WindowPixel(top, 3, 3), white) << "moving erases the old place";
    EXPECT_EQ(test::WindowPixel(top, 11, 3), black);
    HideCaret(top);
    EXPECT_EQ(test::WindowPixel(top, 11, 3), white);
    ShowCaret(top);
    DestroyCaret();
    EXPECT_EQ(test::WindowPixel(top, 11, 3), white);
}

TEST_F(CaretAndTabTest, TabOrderSkipsWhatCannotTakeFocusAndWraps) {
    const HWND dlg = TopLevel(0, 0, 300, 300);
    const HWND a = Child(dlg, 0, 0, 10, 10, "LoopPlain", WS_TABSTOP);
    const HWND noStop = Child(dlg, 0, 20, 10, 10);
    const HWND group = CreateWindowExA(WS_EX_CONTROLPARENT, "LoopPlain", "", WS_CHILD | WS_VISIBLE,
                                       0, 40, 100, 100, dlg, nullptr, nullptr, nullptr);
    const HWND inner = Child(group, 0, 0, 10, 10, "LoopPlain", WS_TABSTOP);
    const HWND disabled = Child(dlg, 0, 150, 10, 10, "LoopPlain", WS_TABSTOP | WS_DISABLED);
    const HWND hidden = CreateWindowExA(0, "LoopPlain", "", WS_CHILD | WS_TABSTOP, 0, 170, 10, 10,
                                        dlg, nullptr, nullptr, nullptr);
    const HWND last = Child(dlg, 0, 190, 10, 10, "LoopPlain", WS_TABSTOP);
    (void)disabled;
    (void)hidden;

    EXPECT_EQ(GetNextDlgTabItem(dlg, nullptr, FALSE), a);
    EXPECT_EQ(GetNextDlgTabItem(dlg, a, FALSE), inner);
    EXPECT_EQ(GetNextDlgTabItem(dlg, noStop, FALSE), inner) << "from a control that is no stop";
    EXPECT_EQ(GetNextDlgTabItem(dlg, inner, FALSE), last);
    EXPECT_EQ(GetNextDlgTabItem(dlg, last, FALSE), a) << "wraps";
    EXPECT_EQ(GetNextDlgTabItem(dlg, a, TRUE), last);
    EXPECT_EQ(GetNextDlgTabItem(dlg, nullptr, TRUE), last);
    EnableWindow(last, FALSE);
    EnableWindow(inner, FALSE);
    EXPECT_EQ(GetNextDlgTabItem(dlg, a, FALSE), a) << "the only stop left";
}

} // namespace
} // namespace looptest
