#include "ControlFixture.h"

#include "platform/win/controls/scrollbar/ScrollBarLayout.h"

namespace controltest {
namespace {

using controls::ScrollBarLayout;
using controls::ScrollPart;
using controls::ScrollRange;

class ScrollBarTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        parent = MakeParent();
        // Vertical, 17 x 150: arrows 0-16 and 133-149, track 17-132.
        bar = MakeChild(parent, "ScrollBar", SBS_VERT, 200, 10, 17, 150, 9);
        ASSERT_TRUE(bar);
        SendMessageA(bar, SBM_SETRANGE, 0, 100);
        test::pump();
        Parent().Clear();
    }
    int Pos() const { return static_cast<int>(SendMessageA(bar, SBM_GETPOS, 0, 0)); }
    HWND parent;
    HWND bar;
};

TEST_F(ScrollBarTest, RangePageAndPositionRules) {
    EXPECT_EQ(SendMessageA(bar, SBM_SETPOS, 150, FALSE), 0) << "returns the previous position";
    EXPECT_EQ(Pos(), 100) << "clamped to the range";
    EXPECT_EQ(SendMessageA(bar, SBM_SETPOS, static_cast<WPARAM>(-5), FALSE), 100);
    EXPECT_EQ(Pos(), 0);

    SCROLLINFO si;
    si.cbSize = sizeof si;
    si.fMask = SIF_PAGE | SIF_POS;
    si.nPage = 20;
    si.nPos = 95;
    EXPECT_EQ(SendMessageA(bar, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&si)), 81)
        << "the page keeps the position page - 1 short of the end";
    si.nPage = 500;
    si.fMask = SIF_PAGE;
    SendMessageA(bar, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&si));
    SCROLLINFO out;
    out.cbSize = sizeof out;
    out.fMask = SIF_ALL;
    ASSERT_TRUE(SendMessageA(bar, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&out)));
    EXPECT_EQ(out.nPage, 101u) << "a page is at most the whole range";
    EXPECT_EQ(out.nPos, 0);
    EXPECT_EQ(out.nTrackPos, 0);

    // A reversed range is kept as given and clamps between its ends.
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 50;
    si.nMax = 10;
    si.nPage = 0;
    si.nPos = 70;
    EXPECT_EQ(SendMessageA(bar, SBM_SETSCROLLINFO, FALSE, reinterpret_cast<LPARAM>(&si)), 50);
    int min = 0;
    int max = 0;
    SendMessageA(bar, SBM_GETRANGE, reinterpret_cast<WPARAM>(&min), reinterpret_cast<LPARAM>(&max));
    EXPECT_EQ(min, 50);
    EXPECT_EQ(max, 10);
    SendMessageA(bar, SBM_SETPOS, 0, FALSE);
    EXPECT_EQ(Pos(), 10);
    EXPECT_EQ(SendMessageA(bar, SBM_SETRANGEREDRAW, 0, 5), 10);
    EXPECT_EQ(Pos(), 5);

    SCROLLINFO bad;
    bad.cbSize = 12;
    bad.fMask = SIF_ALL;
    EXPECT_FALSE(SendMessageA(bar, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&bad)));
    EXPECT_TRUE(ScrollCodes().empty()) << "messages notify nothing";
}

TEST_F(ScrollBarTest, ArrowAndPageClicksRepeatOnTheClock) {
    test::mouseDown(test::MouseButton::Left, bar, {8, 140});
    test::pump();
    EXPECT_EQ(ScrollCodes(), (std::vector<WORD>{SB_LINEDOWN}));
    EXPECT_EQ(GetFocus(), bar);
    EXPECT_EQ(HwndFromParam(Parent().Of(WM_VSCROLL).front().lParam), bar);
    test::advanceTime(399);
    EXPECT_EQ(ScrollCodes().size(), 1u);
    test::advanceTime(1);
    EXPECT_EQ(ScrollCodes().size(), 2u) << "first repeat after 400 ms";
    test::advanceTime(50);
    EXPECT_EQ(ScrollCodes().size(), 3u);
    test::advanceTime(100);
    EXPECT_EQ(ScrollCodes().size(), 5u) << "then every 50 ms";
    test::mouseUp(test::MouseButton::Left, bar, {8, 140});
    test::pump();
    EXPECT_EQ(ScrollCodes().back(), SB_ENDSCROLL);
    EXPECT_EQ(Pos(), 0) << "the parent moves the thumb, not the bar";
    test::advanceTime(500);
    EXPECT_EQ(ScrollCodes().size(), 6u) << "the repeat ends with the press";

    Parent().Clear();
    Click(bar, {8, 5});
    Click(bar, {8, 100});
    SendMessageA(bar, SBM_SETPOS, 100, TRUE);
    Click(bar, {8, 60});
    EXPECT_EQ(ScrollCodes(), (std::vector<WORD>{SB_LINEUP, SB_ENDSCROLL, SB_PAGEDOWN, SB_ENDSCROLL,
                                                SB_PAGEUP, SB_ENDSCROLL}));
}

TEST_F(ScrollBarTest, PageRepeatStopsWhereTheThumbReachesThePointer) {
    Answer([&](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_VSCROLL && LOWORD(wParam) == SB_PAGEDOWN) {
            SendMessageA(bar, SBM_SETPOS, Pos() + 30, TRUE);
        }
        return std::nullopt;
    });
    test::mouseDown(test::MouseButton::Left, bar, {8, 90});
    test::advanceTime(2000);
    test::mouseUp(test::MouseButton::Left, bar, {8, 90});
    test::pump();
    const auto codes = ScrollCodes();
    // Positions 0 and 30 leave the thumb above y = 90; at 60 it covers y 76 to 92.
    EXPECT_EQ(std::count(codes.begin(), codes.end(), SB_PAGEDOWN), 2);
    EXPECT_EQ(Pos(), 60);
    Answer({});
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksThenSetsThePosition) {
    // Thumb 17 px at 17-33; 99 px of travel for 100 positions.
    Drag(bar, {8, 25}, {8, 25 + 50});
    const auto& log = Parent().Log();
    std::vector<Received> scrolls;
    std::copy_if(log.begin(), log.end(), std::back_inserter(scrolls),
                 [](const Received& r) { return r.msg == WM_VSCROLL; });
    ASSERT_GE(scrolls.size(), 3u);
    for (size_t i = 0; i + 2 < scrolls.size(); ++i) {
        EXPECT_EQ(LOWORD(scrolls[i].wParam), SB_THUMBTRACK);
    }
    const Received& position = scrolls[scrolls.size() - 2];
    EXPECT_EQ(LOWORD(position.wParam), SB_THUMBPOSITION);
    EXPECT_EQ(HIWORD(position.wParam), 51);
    EXPECT_EQ(HIWORD(scrolls[scrolls.size() - 3].wParam), 51);
    EXPECT_EQ(LOWORD(scrolls.back().wParam), SB_ENDSCROLL);
    EXPECT_EQ(Pos(), 0);
}

TEST_F(ScrollBarTest, KeysWhenFocusedAndNoCaret) {
    SetFocus(bar);
    EXPECT_FALSE(HideCaret(bar)) << "focus shows without a caret";
    Key(VK_DOWN);
    Key(VK_UP);
    Key(VK_NEXT);
    Key(VK_PRIOR);
    Key(VK_HOME);
    Key(VK_END);
    EXPECT_EQ(ScrollCodes(), (std::vector<WORD>{SB_LINEDOWN, SB_ENDSCROLL, SB_LINEUP, SB_ENDSCROLL,
                                                SB_PAGEDOWN, SB_ENDSCROLL, SB_PAGEUP, SB_ENDSCROLL,
                                                SB_TOP, SB_ENDSCROLL, SB_BOTTOM, SB_ENDSCROLL}));
    EXPECT_EQ(SendMessageA(bar, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);

    const HWND horizontal = MakeChild(parent, "ScrollBar", SBS_HORZ, 10, 170, 150, 17, 10);
    SetFocus(horizontal);
    Parent().Clear();
    Key(VK_RIGHT);
    ASSERT_EQ(Parent().Of(WM_HSCROLL).size(), 2u);
    EXPECT_EQ(LOWORD(Parent().Of(WM_HSCROLL).front().wParam), SB_LINERIGHT);
}

TEST_F(ScrollBarTest, TheParentsBrushPaintsTheTrack) {
    const HBRUSH green = CreateSolidBrush(RGB(0, 200, 0));
    Answer([&](HWND, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (msg == WM_CTLCOLORSCROLLBAR && HwndFromParam(lParam) == bar) {
            return HandleToParam(green);
        }
        return std::nullopt;
    });
    InvalidateRect(bar, nullptr, TRUE);
    test::pump();
    EXPECT_FALSE(Parent().Of(WM_CTLCOLORSCROLLBAR).empty());
    EXPECT_EQ(test::WindowPixel(parent, 200 + 8, 10 + 100), RGB(0, 200, 0));
    EXPECT_EQ(test::WindowPixel(parent, 200 + 8, 10 + 25), GetSysColor(COLOR_BTNFACE))
        << "the thumb";
    EXPECT_NE(test::WindowPixel(parent, 200 + 8, 10 + 8), RGB(0, 200, 0)) << "the arrow";

    Answer({});
    InvalidateRect(bar, nullptr, TRUE);
    test::pump();
    EXPECT_EQ(test::WindowPixel(parent, 200 + 8, 10 + 100), GetSysColor(COLOR_SCROLLBAR));
    DestroyWindow(parent);
    DeleteObject(HGDIOBJ(green));
}

TEST(ScrollBarLayoutTest, ThumbSizeAndPlacement) {
    ScrollRange range;
    range.SetRange(0, 9999);
    SCROLLINFO si;
    si.fMask = SIF_PAGE;
    si.nPage = 1;
    range.SetInfo(si);
    const ScrollBarLayout tiny({0, 0, 17, 150}, true, range, 0);
    ASSERT_TRUE(tiny.ThumbRect());
    EXPECT_EQ(tiny.ThumbRect()->bottom - tiny.ThumbRect()->top, ScrollBarLayout::kMinThumb);

    si.nPage = 5000;
    range.SetInfo(si);
    const ScrollBarLayout half({0, 0, 150, 17}, false, range, range.Clamp(9999));
    ASSERT_TRUE(half.ThumbRect());
    EXPECT_EQ(half.ThumbRect()->right - half.ThumbRect()->left, 58);
    EXPECT_EQ(half.ThumbRect()->right, 133) << "the last position puts the thumb at the end";
    EXPECT_EQ(half.HitTest({140, 5}), ScrollPart::LineDown);
    EXPECT_EQ(half.HitTest({20, 5}), ScrollPart::PageUp);

    range.SetRange(5, 5);
    const ScrollBarLayout none({0, 0, 17, 150}, true, range, 5);
    EXPECT_FALSE(none.ThumbRect()) << "nothing to scroll, no thumb";
    const ScrollBarLayout squeezed({0, 0, 17, 20}, true, ScrollRange{}, 0);
    EXPECT_EQ(squeezed.LineUpRect().bottom, 10) << "arrows share a short bar";
    EXPECT_FALSE(squeezed.ThumbRect());
}

} // namespace
} // namespace controltest
