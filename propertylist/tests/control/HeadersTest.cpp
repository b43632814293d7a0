#include "GridFixture.h"

#include "propertylist/control/sort/SortArrow.h"

#include "shared/gdi/CResourceMgr.h"
#include "shared/util/ColorUtils.h"
#include "shared/util/EditorValue.h"
#include "shared/util/FontUtils.h"

#include "platform/win/Win.h"

#include <algorithm>
#include <string>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

constexpr win::COLORREF kBack = win::RGB(200, 40, 40);
constexpr win::COLORREF kFore = win::RGB(0, 0, 255);

class HeadersTest : public GridFixture {
protected:
    Z& ShowGrid(const win::RECT& bounds = kDefaultBounds) {
        GridFixture::ShowGrid(bounds);
        Grid().LetBackColor(static_cast<int32_t>(kBack));
        Grid().LetForeColor(static_cast<int32_t>(kFore));
        Grid().LetNameCaption("");
        return Grid();
    }
    win::HWND Panel(std::string_view name) { return Grid().Panel(name)->Window(); }
    static win::SIZE Client(win::HWND hwnd) {
        win::RECT rc{};
        win::GetClientRect(hwnd, &rc);
        return {rc.right, rc.bottom};
    }
    static win::COLORREF Pixel(win::HWND hwnd, int x, int y) {
        const win::HDC hdc = win::GetDC(hwnd);
        const win::COLORREF color = win::GetPixel(hdc, x, y);
        win::ReleaseDC(hwnd, hdc);
        return color;
    }
    // The name column in pixels (the header strip keeps twips).
    void SetNameColumn(int32_t pixels) {
        Grid().HeaderSplitter()->LetSplitterLocation(static_cast<float>(pixels * 15));
        win::test::pump();
    }
    double NameColumn() { return Grid().HeaderSplitter()->GetSplitterLocation() / 15; }
    int32_t TextWidth(const std::string& text, bool bold = false) {
        shared::CResourceMgr resources;
        ole::Ptr<ole::Font> font = ole::Font::Create();
        shared::CopyFont(*font, *Grid().GetFont());
        font->SetBold(bold);
        const win::HDC hdc = win::GetDC(Grid().GridWnd());
        const win::HGDIOBJ old = win::SelectObject(hdc, resources.GetFont(*font, "Probe"));
        win::SIZE extent{};
        win::GetTextExtentPoint32A(hdc, text.c_str(), static_cast<int>(text.size()), &extent);
        win::SelectObject(hdc, old);
        win::ReleaseDC(Grid().GridWnd(), hdc);
        return extent.cx;
    }
    static win::COLORREF Highlight() { return shared::TranslateColor(0x80000014); }
};

TEST_F(HeadersTest, SortArrowIsPlacedDrawnAndRemovedAtOnce) {
    EXPECT_EQ(SortArrow::Position(40, 19).x, 30);
    EXPECT_EQ(SortArrow::Position(36, 19).x, 19);
    EXPECT_EQ(SortArrow::Position(30, 19).x, 14);
    EXPECT_EQ(SortArrow::Position(30, 19).y, 6);

    Z& grid = ShowGrid();
    grid.GetProperties()->Add("P", ole::Variant(1));
    SetNameColumn(36);
    win::test::click(Panel("m_picNameHeader"), {5, 5});
    win::test::pump();
    ASSERT_TRUE(grid.GetSorted());
    const win::POINT at = SortArrow::Position(36, Client(Panel("m_picNameHeader")).cy);
    // Ascending: the light base along the top, the dark edge down to the point.
    EXPECT_EQ(Pixel(Panel("m_picNameHeader"), at.x + 1, at.y), Highlight());
    EXPECT_EQ(Pixel(Panel("m_picNameHeader"), at.x + 7, at.y), shared::TranslateColor(0x80000010));
    EXPECT_EQ(Pixel(Panel("m_picNameHeader"), at.x + 3, at.y + 3), kBack);

    grid.LetSorted(false);
    EXPECT_EQ(Pixel(Panel("m_picNameHeader"), at.x + 1, at.y), kBack);
    grid.LetSorted(true);
    grid.LetSortOrder(ksDescending);
    EXPECT_EQ(Pixel(Panel("m_picNameHeader"), at.x + 1, at.y), kBack);
    EXPECT_EQ(Pixel(Panel("m_picNameHeader"), at.x + 1, at.y + 7), Highlight());
}

TEST_F(HeadersTest, HeaderPaintsFrameAndCaptionInTheMiddleHalfOrNothing) {
    Z& grid = ShowGrid();
    SetNameColumn(120);
    grid.LetNameCaption(std::string(40, 'W'));
    const win::HWND header = Panel("m_picNameHeader");
    const win::SIZE size = Client(header);
    EXPECT_EQ(Pixel(header, 0, 0), shared::LightenColor(shared::LightenColor(kBack)));
    int caption = 0;
    for (int x = 2; x < size.cx - 2; ++x) {
        for (int y = 2; y < size.cy - 2; ++y) {
            if (Pixel(header, x, y) == kFore) {
                EXPECT_TRUE(x >= 30 && x < 90) << x;
                ++caption;
            }
        }
    }
    EXPECT_GT(caption, 0);

    // No headers: the strip is hidden; brought back by hand, a repaint shows only the panel's
    // own background: no edge, no arrow.
    grid.LetHeaders(ksHeadersNone);
    grid.LetSorted(true);
    win::SetWindowPos(Panel("m_picHeaderContainer"), win::HWND{}, 0, 0, 0, 0,
                      win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE);
    win::InvalidateRect(header, nullptr, win::TRUE);
    win::UpdateWindow(header);
    const win::POINT at = SortArrow::Position(size.cx, size.cy);
    EXPECT_EQ(Pixel(header, 0, 0), kBack);
    EXPECT_EQ(Pixel(header, at.x + 1, at.y), kBack);
}

TEST_F(HeadersTest, SplitterStopsShortOfTheScrollBarsAndNeverRecurses) {
    Z& grid = ShowGrid({10, 10, 210, 250});
    AddProperties(40);
    ASSERT_TRUE(grid.ScrollBarShown());
    const int32_t limit = 200 - 2 * win::GetSystemMetrics(win::SM_CXVSCROLL);
    SetNameColumn(100);
    win::test::drag(Panel("m_picHeaderContainer"), {100, 5}, {195, 5});
    win::test::pump();
    EXPECT_DOUBLE_EQ(NameColumn(), limit);
    EXPECT_EQ(Client(Panel("m_picNameHeader")).cx, limit);
    EXPECT_EQ(grid.ActiveNodes()->ItemByPosition("P0_I1")->NameRect().right, limit + 1);

    // Narrower than two scroll bars: the splitter's 4-pixel minimum wins, without looping.
    auto width = [&](int32_t pixels) {
        win::SetWindowPos(grid.hWnd(), win::HWND{}, 0, 0, pixels, 240,
                          win::SWP_NOMOVE | win::SWP_NOZORDER | win::SWP_NOACTIVATE);
        win::test::pump();
    };
    width(30);
    ASSERT_TRUE(grid.ScrollBarShown());
    EXPECT_DOUBLE_EQ(NameColumn(), 4);
    // The stops are the layout's, not a new share: made wide again, the column is as before.
    width(200);
    SetNameColumn(100);
    width(30);
    width(200);
    EXPECT_NEAR(NameColumn(), 100, 0.1);
}

TEST_F(HeadersTest, DoubleClickOnTheBarFitsTheWidestName) {
    Z& grid = ShowGrid();
    auto properties = grid.GetProperties();
    auto fit = [&] {
        win::test::advanceTime(2000);
        win::test::doubleClick(Panel("m_picHeaderContainer"),
                               {static_cast<int32_t>(NameColumn()), 5});
        win::test::pump();
    };
    properties->Add("Short", ole::Variant(1))->LetBold(true);
    properties->Add("Mid", ole::Variant(2));
    fit();
    // Text from 2 px, then 4 px to spare; a bold row measured in bold.
    EXPECT_DOUBLE_EQ(NameColumn(), std::max(TextWidth("Short", true), TextWidth("Mid")) + 6);

    properties->Add("Colour", ole::Variant(int32_t{255}), {}, shared::KSColorEditor);
    fit();
    EXPECT_DOUBLE_EQ(NameColumn(), TextWidth("Colour") + 6 + grid.RowHeight());

    // Wider than the control: 5 pixels short of it (and inside the splitter's own limit).
    properties->Add(std::string(80, 'W'), ole::Variant(3));
    fit();
    const int32_t strip = Client(Panel("m_picHeaderContainer")).cx;
    EXPECT_DOUBLE_EQ(NameColumn(), std::min(300 - 5, strip - 1 - 4));

    // A deep row below the view is measured with its indent (three levels of 20 pixels).
    properties->Clear();
    AddProperties(30, "A");
    properties->Add("DeepName", ole::Variant(1), "Z|B|C");
    grid.LetActiveView(ksCatagorized);
    grid.LetTreeStyle(ksText);
    grid.LetIndentation(300);
    ASSERT_FALSE(grid.ScrollBar()->GetValue());
    SetNameColumn(150);
    fit();
    EXPECT_DOUBLE_EQ(NameColumn(), TextWidth("DeepName") + 3 * 20 + 4);
}

} // namespace
} // namespace attrgrid::test
