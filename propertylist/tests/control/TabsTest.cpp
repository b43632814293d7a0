#include "GridFixture.h"
#include "PaneTestAccess.h"

#include "propertylist/control/GridGeometry.h"

#include "platform/forms/control/ControlIds.h"
#include "platform/ole/event/EventSink.h"
#include "platform/win/Win.h"

#include <string>
#include <vector>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;
using Access = PaneTestAccess;

constexpr int32_t kTwipsPerPixel = 15;

int32_t Whole(double value) {
    return attrgrid::grid::ToInt(value);
}

class TabsTest : public GridFixture {
protected:
    forms::PictureBox& Strip() { return *Grid().Panel("m_picTabContainer"); }
    win::HWND StripWnd() { return Strip().Window(); }
    win::SIZE StripClient() {
        win::RECT rc{};
        win::GetClientRect(StripWnd(), &rc);
        return {rc.right, rc.bottom};
    }
    // The caption's extent in the strip's font, in pixels.
    win::SIZE Extent(const std::string& caption) {
        win::SIZE size{};
        win::GetTextExtentPoint32A(win::HdcFromParam(Strip().GetHdc()), caption.c_str(),
                                   static_cast<int>(caption.size()), &size);
        return size;
    }
    static int32_t Px(int32_t twips) { return twips / kTwipsPerPixel; }
    // Left click on the strip at a point in its client pixels.
    void ClickStrip(win::POINT pt) {
        win::test::click(StripWnd(), pt);
        win::test::pump();
    }
    void ClickTab(const win::RECT& tab) { ClickStrip({Px(tab.left) + 8, Px(tab.bottom) / 2}); }
    win::COLORREF Pixel(int x, int y) {
        const win::HDC hdc = win::GetDC(StripWnd());
        const win::COLORREF color = win::GetPixel(hdc, x, y);
        win::ReleaseDC(StripWnd(), hdc);
        return color;
    }
    std::vector<win::COLORREF> Row(int y, int from, int to) {
        std::vector<win::COLORREF> pixels;
        for (int x = from; x < to; ++x)
            pixels.push_back(Pixel(x, y));
        return pixels;
    }
    int CountActiveViewChanged() {
        int count = 0;
        for (const auto& name : EventNames())
            count += name == "ActiveViewChanged" ? 1 : 0;
        return count;
    }
    // Counts the strip's Paint events from now on.
    void CountStripPaints() {
        m_paintSink = ole::EventSink::Create();
        m_paintSink->On(forms::eventid::Paint, [this](std::span<ole::Variant>) { ++m_paints; });
        m_paintCookie = ole::ConnectEvents(ole::Ptr<ole::Object>(&Strip()), m_paintSink);
    }
    void TearDown() override {
        if (m_paintSink)
            ole::DisconnectEvents(ole::Ptr<ole::Object>(&Strip()), m_paintCookie);
        m_paintSink = nullptr;
        GridFixture::TearDown();
    }

    int m_paints = 0;
    ole::Ptr<ole::EventSink> m_paintSink;
    uint32_t m_paintCookie = 0;
};

TEST_F(TabsTest, BothTabsTakeTheLongerCaption) {
    Z& grid = ShowGrid();
    grid.LetAlphabeticTabCaption("A");
    grid.LetCategorizedTabCaption("Grouped");
    const win::SIZE longer = Extent("Grouped");
    const int32_t width = Whole(longer.cx * kTwipsPerPixel * 1.4 + 10 * kTwipsPerPixel + 3);
    const int32_t height = Whole(longer.cy * kTwipsPerPixel * 1.5);
    EXPECT_EQ(Access::FirstTab(grid), (win::RECT{0, 0, width, height}));
    EXPECT_EQ(Access::SecondTab(grid), (win::RECT{width, 0, 2 * width, height}));

    // A bold font widens the captions: the tabs follow the font change.
    grid.GetFont()->SetBold(true);
    EXPECT_TRUE(Strip().Font()->Bold());
    const int32_t boldWidth =
        Whole(Extent("Grouped").cx * kTwipsPerPixel * 1.4 + 10 * kTwipsPerPixel + 3);
    EXPECT_GT(boldWidth, width);
    EXPECT_EQ(Access::FirstTab(grid).right, boldWidth);

    // A larger size makes the tabs taller, and the grid starts lower.
    const int32_t gridTop = Grid().Panel("m_picTreeContainer")->PixelBounds().top;
    grid.GetFont()->SetSize(ole::Currency{140000});
    EXPECT_EQ(Access::FirstTab(grid).bottom, Whole(Extent("Grouped").cy * kTwipsPerPixel * 1.5));
    EXPECT_GT(Access::FirstTab(grid).bottom, height);
    EXPECT_GT(Grid().Panel("m_picTreeContainer")->PixelBounds().top, gridTop);
}

TEST_F(TabsTest, NarrowStripHalvesLessOnePixel) {
    Z& grid = ShowGrid({10, 10, 110, 250});
    const int32_t stripTwips = static_cast<int32_t>(Strip().GetScaleWidth());
    ASSERT_LE(stripTwips,
              2 * Whole(Extent("Categorized").cx * kTwipsPerPixel * 1.4 + 10 * kTwipsPerPixel + 3));
    const int32_t width = stripTwips / 2 - kTwipsPerPixel;
    EXPECT_EQ(Access::FirstTab(grid).right, width);
    EXPECT_EQ(Access::SecondTab(grid).left, width);
    EXPECT_EQ(Access::SecondTab(grid).right, 2 * width);
}

TEST_F(TabsTest, HitTestTakesLeftAndTopEdges) {
    Z& grid = ShowGrid();
    const win::RECT first = Access::FirstTab(grid);
    const auto w = static_cast<float>(first.right);
    const auto h = static_cast<float>(first.bottom);
    EXPECT_EQ(Access::TabViewAt(grid, 0, 0), ksAlphabetic);
    EXPECT_EQ(Access::TabViewAt(grid, w - 0.5F, h - 0.5F), ksAlphabetic);
    EXPECT_EQ(Access::TabViewAt(grid, w, 0), ksCatagorized);
    EXPECT_EQ(Access::TabViewAt(grid, 2 * w - 0.5F, 0), ksCatagorized);
    EXPECT_EQ(Access::TabViewAt(grid, 2 * w, 0), -1);
    EXPECT_EQ(Access::TabViewAt(grid, 1, h), -1);
    EXPECT_EQ(Access::TabViewAt(grid, w + 1, h), -1);
}

TEST_F(TabsTest, ClickSwitchesTheViewOnce) {
    Z& grid = ShowGrid();
    grid.GetProperties()->Add("Width", ole::Variant(5), "Size");
    ClearEvents();
    CountStripPaints();

    ClickTab(Access::SecondTab(grid));
    EXPECT_EQ(grid.GetActiveView(), ksCatagorized);
    EXPECT_EQ(CountActiveViewChanged(), 1);
    EXPECT_TRUE(Access::TabFocus(grid));
    EXPECT_EQ(grid.ActiveNodes().Get(), grid.CategorizedNodes().Get());

    // The active tab again, with the focus flag set: nothing at all.
    m_paints = 0;
    ClickTab(Access::SecondTab(grid));
    EXPECT_EQ(CountActiveViewChanged(), 1);
    EXPECT_EQ(m_paints, 0);

    // A right click or a click below the tabs switches nothing.
    win::test::click(StripWnd(), {Px(Access::FirstTab(grid).left) + 8, 2},
                     win::test::MouseButton::Right);
    win::test::pump();
    ClickStrip({8, StripClient().cy - 2});
    EXPECT_EQ(grid.GetActiveView(), ksCatagorized);

    ClickTab(Access::FirstTab(grid));
    EXPECT_EQ(grid.GetActiveView(), ksAlphabetic);
    EXPECT_EQ(CountActiveViewChanged(), 2);
}

TEST_F(TabsTest, ArrowKeysOnlyWhileTheTabHasTheFocus) {
    Z& grid = ShowGrid();
    // Focused but not clicked: the arrows do nothing.
    win::SetFocus(StripWnd());
    win::test::keyPress(win::VK_RIGHT);
    win::test::pump();
    EXPECT_EQ(grid.GetActiveView(), ksAlphabetic);

    // A click on the active tab sets the flag without switching.
    ClearEvents();
    ClickTab(Access::FirstTab(grid));
    EXPECT_EQ(grid.GetActiveView(), ksAlphabetic);
    EXPECT_EQ(CountActiveViewChanged(), 0);
    ASSERT_EQ(win::GetFocus(), StripWnd());
    win::test::keyPress(win::VK_LEFT);
    win::test::pump();
    EXPECT_EQ(grid.GetActiveView(), ksAlphabetic);
    win::test::keyPress(win::VK_RIGHT);
    win::test::pump();
    EXPECT_EQ(grid.GetActiveView(), ksCatagorized);
    win::test::keyPress(win::VK_RIGHT);
    win::test::pump();
    EXPECT_EQ(grid.GetActiveView(), ksCatagorized);
    win::test::keyPress(win::VK_LEFT);
    win::test::pump();
    EXPECT_EQ(grid.GetActiveView(), ksAlphabetic);
    EXPECT_EQ(CountActiveViewChanged(), 2);

    // Losing the focus clears the flag, and the arrows stop again.
    win::SetFocus(grid.GridWnd());
    win::test::pump();
    EXPECT_FALSE(Access::TabFocus(grid));
    win::SetFocus(StripWnd());
    win::test::keyPress(win::VK_RIGHT);
    win::test::pump();
    EXPECT_EQ(grid.GetActiveView(), ksAlphabetic);
}

TEST_F(TabsTest, FocusRectangleLeavesNoPixelsBehind) {
    Z& grid = ShowGrid();
    const win::RECT first = Access::FirstTab(grid);
    // The caption rectangle's top row, where the dotted focus frame runs.
    const int y = Px(first.top) + 3;
    const int from = Px(first.left) + 5;
    const int to = Px(first.right) - 5;
    const std::vector<win::COLORREF> before = Row(y, from, to);

    ClickTab(first);
    ASSERT_TRUE(Access::TabFocus(grid));
    EXPECT_NE(Row(y, from, to), before);

    win::SetFocus(grid.GridWnd());
    win::test::pump();
    EXPECT_EQ(Row(y, from, to), before);
}

TEST_F(TabsTest, FrameAndTabsUseTheShadesOfBackColor) {
    Z& grid = ShowGrid();
    grid.LetBackColor(0x00646464); // 100 in each channel
    win::test::pump();
    constexpr win::COLORREF kLight = 0x00858585; // 100 x 1.1 three times: 110, 121, 133
    constexpr win::COLORREF kDark = 0x00333333;  // 100 x 0.8 three times: 80, 64, 51
    constexpr win::COLORREF kMidDark = 0x00404040;
    constexpr win::COLORREF kBack = 0x00646464;
    const win::SIZE strip = StripClient();
    const int tabBottom = Px(Access::FirstTab(grid).bottom);
    const int tabRight = Px(Access::FirstTab(grid).right);

    EXPECT_EQ(Pixel(0, tabBottom + 5), kLight);
    EXPECT_EQ(Pixel(10, strip.cy - 1), kDark);
    EXPECT_EQ(Pixel(10, strip.cy - 2), kMidDark);
    EXPECT_EQ(Pixel(strip.cx - 1, tabBottom + 5), kDark);
    EXPECT_EQ(Pixel(strip.cx - 2, tabBottom + 5), kMidDark);
    // Alphabetic active: its top edge at 0, the categorized tab 3 px lower; the frame's top edge
    // is open under the active tab.
    EXPECT_EQ(Pixel(10, 0), kLight);
    EXPECT_EQ(Pixel(tabRight + 10, 0), kBack);
    EXPECT_EQ(Pixel(tabRight + 10, 3), kLight);
    EXPECT_EQ(Pixel(tabRight + 10, tabBottom), kLight);

    grid.LetActiveView(ksCatagorized);
    win::test::pump();
    EXPECT_EQ(Pixel(10, 0), kBack);
    EXPECT_EQ(Pixel(10, 3), kLight);
    EXPECT_EQ(Pixel(tabRight + 10, 0), kLight);
    EXPECT_EQ(Pixel(10, tabBottom), kLight);
}

TEST_F(TabsTest, CaptionsInTheStripsForeColor) {
    Z& grid = ShowGrid();
    grid.LetForeColor(0x000000FF);
    win::test::pump();
    const win::RECT first = Access::FirstTab(grid);
    int red = 0;
    for (int y = Px(first.top) + 3; y < Px(first.bottom) - 1; ++y) {
        for (int x = Px(first.left) + 5; x < Px(first.right) - 5; ++x)
            red += Pixel(x, y) == 0x000000FFU ? 1 : 0;
    }
    EXPECT_GT(red, 0);
}

} // namespace
} // namespace attrgrid::test
