#include "GridFixture.h"
#include "GridTestAccess.h"

#include "shared/gdi/CResourceMgr.h"

#include "platform/base/Rounding.h"
#include "platform/forms/control/ControlIds.h"
#include "platform/ole/event/EventSink.h"
#include "platform/win/Win.h"

#include <string>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

class LayoutTest : public GridFixture {
protected:
    static win::SIZE Client(forms::Control& control) {
        win::RECT rc{};
        win::GetClientRect(control.Window(), &rc);
        return {rc.right, rc.bottom};
    }
    win::SIZE GridClient() { return Client(*Grid().Panel("m_picTreeContainer")); }
    ole::Ptr<CNode> FirstRow() { return Grid().ActiveNodes()->ItemByPosition("P0_I1"); }
    // "Qp" in the control's font, as the header measures it.
    int32_t QpHeight() {
        shared::CResourceMgr resources;
        const win::HDC hdc = win::GetDC(Grid().GridWnd());
        const win::HGDIOBJ old =
            win::SelectObject(hdc, resources.GetFont(*Grid().GetFont(), "Probe"));
        win::SIZE extent{};
        win::GetTextExtentPoint32A(hdc, "Qp", 2, &extent);
        win::SelectObject(hdc, old);
        win::ReleaseDC(Grid().GridWnd(), hdc);
        return extent.cy;
    }
};

TEST_F(LayoutTest, ScrollBarRangeFollowsTheVisibleRows) {
    Z& grid = ShowGrid();
    const int32_t page = Page();
    ASSERT_GT(page, 1);
    AddProperties(page);
    EXPECT_FALSE(grid.ScrollBarShown());

    AddProperties(6);
    forms::VScrollBar& bar = *grid.ScrollBar();
    EXPECT_TRUE(grid.ScrollBarShown());
    EXPECT_EQ(bar.GetMin(), 0);
    EXPECT_EQ(bar.GetMax(), 6);
    EXPECT_EQ(bar.GetSmallChange(), 1);
    EXPECT_EQ(bar.GetLargeChange(), page);

    // A value beyond the new range is pulled back once, with one Change.
    AddProperties(4);
    bar.SetValue(9);
    int changes = 0;
    auto sink = ole::EventSink::Create();
    sink->On(forms::eventid::Change, [&](std::span<ole::Variant>) { ++changes; });
    const uint32_t cookie = ole::ConnectEvents(ole::Ptr<ole::Object>(&bar), sink);
    grid.LetLockRefresh(true);
    auto properties = grid.GetProperties();
    for (int i = 0; i < 4; ++i)
        properties->Remove(ole::Variant(1));
    grid.LetLockRefresh(false);
    EXPECT_EQ(bar.GetMax(), 6);
    EXPECT_EQ(bar.GetValue(), 6);
    EXPECT_EQ(changes, 1);
    ole::DisconnectEvents(ole::Ptr<ole::Object>(&bar), cookie);

    // Rows scrolled by the value start above the grid.
    EXPECT_EQ(grid.ActiveNodes()->VisibleRow(6)->RowRect().top, grid.HeaderHeightPixels());
    EXPECT_EQ(grid.ActiveNodes()->VisibleRow(7)->RowRect().top,
              grid.HeaderHeightPixels() + grid.RowHeight());

    // A grid lower than one row still steps by one.
    GridTestAccess::SetRowHeight(grid, 100000);
    grid.UpdateScrollBar();
    EXPECT_EQ(bar.GetLargeChange(), 1);
    EXPECT_EQ(bar.GetMax(), page + 6);
}

TEST_F(LayoutTest, AnEmptiedGridHidesItsScrollBar) {
    Z& grid = ShowGrid();
    AddProperties(50);
    ASSERT_TRUE(grid.ScrollBarShown());
    grid.GetProperties()->Clear();
    grid.LetLockRefresh(true);
    grid.LetLockRefresh(false);
    EXPECT_FALSE(grid.ScrollBarShown());
}

TEST_F(LayoutTest, TabsHeadersAndScrollBarPlaceTheGrid) {
    Z& grid = ShowGrid();
    forms::PictureBox& tabs = *grid.Panel("m_picTabContainer");
    forms::PictureBox& tree = *grid.Panel("m_picTreeContainer");
    forms::PictureBox& header = *grid.Panel("m_picHeaderContainer");
    const win::SIZE strip = Client(tabs);

    // With tabs: 4-pixel margins around the grid, below the tabs.
    win::RECT bounds = tree.PixelBounds();
    EXPECT_EQ(bounds.left, 4);
    EXPECT_GT(bounds.top, 4);
    EXPECT_EQ(bounds.right, strip.cx - 4);
    EXPECT_EQ(bounds.bottom, strip.cy - 4);

    grid.LetShowTabs(false);
    bounds = tree.PixelBounds();
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.top, 0);
    EXPECT_EQ(bounds.right, strip.cx);
    EXPECT_EQ(bounds.bottom, strip.cy);
    EXPECT_EQ(header.PixelBounds().top, 0);
    EXPECT_EQ(header.PixelBounds().bottom, grid.HeaderHeightPixels());

    // All rows fit: no scroll bar, value cells reach the right edge.
    AddProperties(2);
    EXPECT_FALSE(grid.ScrollBarShown());
    EXPECT_EQ(FirstRow()->RowRect().top, grid.HeaderHeightPixels());
    EXPECT_EQ(FirstRow()->ValueRect().right, GridClient().cx);

    // Without headers the strip hides above the grid; rows and scroll bar start at 0.
    AddProperties(40);
    grid.LetHeaders(ksHeadersNone);
    EXPECT_EQ(header.PixelBounds().bottom, 0);
    EXPECT_EQ(header.PixelBounds().top, -grid.HeaderHeightPixels());
    EXPECT_EQ(FirstRow()->RowRect().top, 0);
    ASSERT_TRUE(grid.ScrollBarShown());
    const win::RECT bar = grid.ScrollBar()->PixelBounds();
    const int32_t barWidth = win::GetSystemMetrics(win::SM_CXVSCROLL);
    EXPECT_EQ(bar.top, 0);
    EXPECT_EQ(bar.bottom, GridClient().cy);
    EXPECT_EQ(bar.left, GridClient().cx - barWidth);
    EXPECT_EQ(FirstRow()->ValueRect().right, GridClient().cx - barWidth);
}

// A form minimised and restored makes the control (nearly) nothing high for a while.
TEST_F(LayoutTest, MadeFlatAndRestoredTheDescriptionPaneKeepsItsShare) {
    ShowGrid();
    const win::RECT pane = Grid().Panel("m_picDescPane")->PixelBounds();
    for (const float height : {15.0F, 0.0F, 3600.0F})
        Ext().Move(150, ole::Variant(150.0F), ole::Variant(4500.0F), ole::Variant(height));
    EXPECT_EQ(Grid().Panel("m_picDescPane")->PixelBounds(), pane);
}

TEST_F(LayoutTest, CellsSplitAtTheHeaderSplitter) {
    Z& grid = ShowGrid();
    AddProperties(1);
    const auto row = FirstRow();
    const auto edge = static_cast<int32_t>(
        base::RoundHalfEven(grid.HeaderSplitter()->GetSplitterLocation() / 15.0 + 1));
    EXPECT_EQ(row->NameRect().left, 0);
    EXPECT_EQ(row->NameRect().right, edge);
    EXPECT_EQ(row->ValueRect().left, edge);
    EXPECT_EQ(row->NameRect().bottom - row->NameRect().top, grid.RowHeight());

    const win::RECT name = grid.Panel("m_picNameHeader")->PixelBounds();
    const int32_t limit = name.right - name.left;
    EXPECT_EQ(grid.ColumnFromX(limit - 1), 1);
    EXPECT_EQ(grid.ColumnFromX(limit), 2);
}

TEST_F(LayoutTest, PlusMinusBoxesFollowRowHeightAndTreeStyle) {
    Z& grid = ShowGrid();
    AddProperties(1, "A");
    grid.LetActiveView(ksCatagorized);
    grid.LetTreeStyle(ksPlusMinusText);
    const auto category = grid.ActiveNodes()->CategoryByName("A");
    const auto property = category->FirstChild();
    ASSERT_TRUE(property);

    struct Case {
        int32_t rowHeight, size, top;
    };
    for (const Case c : {Case{17, 9, 4}, Case{19, 11, 4}, Case{20, 11, 5}}) {
        GridTestAccess::SetRowHeight(grid, c.rowHeight);
        grid.LayoutRows();
        const win::RECT box = category->PlusMinusRect();
        EXPECT_EQ(box.left, 2) << c.rowHeight;
        EXPECT_EQ(box.top, c.top) << c.rowHeight;
        EXPECT_EQ(box.right - box.left, c.size) << c.rowHeight;
        EXPECT_EQ(box.bottom - box.top, c.size) << c.rowHeight;
        EXPECT_EQ(category->TextLeft(), box.right + 2);
        // One indentation (10 px) per level.
        EXPECT_EQ(property->PlusMinusRect().left, 12);
    }

    // A style without boxes leaves no box behind to be clicked.
    grid.LetTreeStyle(ksText);
    EXPECT_EQ(category->PlusMinusRect().right, 0);
    EXPECT_EQ(category->PlusMinusRect().bottom, 0);
    EXPECT_EQ(category->TextLeft(), 0);
    EXPECT_EQ(property->TextLeft(), 10);

    grid.LetTreeStyle(ksTreeLinesPlusMinusText);
    grid.LetActiveView(ksAlphabetic);
    const auto alphabetic = FirstRow();
    EXPECT_EQ(alphabetic->PlusMinusRect().right, 0);
    EXPECT_EQ(alphabetic->TextLeft(), 2);
}

TEST_F(LayoutTest, ScaleUnitsSetOnlyTheGridPanelsMode) {
    Z& grid = ShowGrid();
    forms::PictureBox& tree = *grid.Panel("m_picTreeContainer");
    const std::pair<const char*, int> cases[] = {
        {"TWIP", 1},       {"point", 2},     {"PIXEL", 3}, {"Pixel", 3},
        {"User", 3},       {"Character", 4}, {"INCH", 5},  {"millimeter", 6},
        {"CENTIMETER", 7}, {"", 3},          {" INCH", 3},
    };
    for (const auto& [units, mode] : cases) {
        grid.ApplyScaleUnits(units);
        EXPECT_EQ(tree.GetScaleMode(), mode) << units;
    }
    EXPECT_EQ(grid.Panel("m_picHeaderContainer")->GetScaleMode(), 1);
    EXPECT_EQ(grid.Panel("m_picTabContainer")->GetScaleMode(), 1);
    EXPECT_EQ(grid.ScaleMode(), 1);

    // The control's own units: twips, 15 to the pixel.
    EXPECT_FLOAT_EQ(grid.PixelsToScaleX(10), 150);
    EXPECT_FLOAT_EQ(grid.ScaleToPixelsY(150), 10);
    EXPECT_EQ(grid.GetHeaderHeight(), 19 * 15);
}

TEST_F(LayoutTest, HeaderHeightKeepsItsPixelsInCoarseUnits) {
    Z& grid = ShowGrid();
    forms::test::TestHost::SetAmbientScaleUnits(Ext(), "INCH");
    ASSERT_EQ(grid.Panel("m_picTreeContainer")->GetScaleMode(), 5);
    AddProperties(30);
    grid.LayoutControls();
    forms::PictureBox& header = *grid.Panel("m_picHeaderContainer");
    EXPECT_EQ(header.PixelBounds().bottom - header.PixelBounds().top, 19);
    EXPECT_EQ(FirstRow()->RowRect().top, 19);
    EXPECT_EQ(grid.ScrollBar()->PixelBounds().top, 19);

    // Another font: "Qp" plus 6 pixels, still exact in inches.
    auto font = ole::Font::Create();
    font->SetName("DejaVu Sans");
    font->SetSize(ole::Currency::FromUnits(16));
    grid.SetFont(font);
    const int32_t expected = QpHeight() + 6;
    EXPECT_NE(expected, 19);
    EXPECT_EQ(grid.HeaderHeightPixels(), expected);
    EXPECT_EQ(header.PixelBounds().bottom - header.PixelBounds().top, expected);
    EXPECT_EQ(FirstRow()->RowRect().top, expected);

    // The private header height property works in the control's twips.
    grid.LetHeaderHeight(30 * 15);
    EXPECT_EQ(grid.HeaderHeightPixels(), 30);
    EXPECT_EQ(header.PixelBounds().bottom - header.PixelBounds().top, 30);
}

TEST_F(LayoutTest, PicturesSitBeforeTheTextCentredInTheRow) {
    Z& grid = ShowGrid();
    auto properties = grid.GetProperties();
    auto small = properties->Add("Small");
    auto tall = properties->Add("Tall");
    small->SetPicture(ole::Picture::FromMetafile(2, 318, 318)); // 12 x 12 px
    tall->SetPicture(ole::Picture::FromMetafile(2, 794, 794));  // 30 x 30 px
    GridTestAccess::SetRowHeight(grid, 20);
    grid.LayoutRows();

    const auto smallRow = grid.ActiveNodes()->ItemByKey(small->GetInternalKey());
    const win::RECT smallRect = smallRow->PictureRect();
    EXPECT_EQ(smallRect.left, 2);
    EXPECT_EQ(smallRect.right, 14);
    EXPECT_EQ(smallRect.top, 4);
    EXPECT_EQ(smallRect.bottom, 16);
    EXPECT_EQ(smallRow->TextLeft(), 16);

    const auto tallRow = grid.ActiveNodes()->ItemByKey(tall->GetInternalKey());
    EXPECT_EQ(tallRow->PictureRect().top, 0);
    EXPECT_EQ(tallRow->PictureRect().bottom, 20);
    EXPECT_EQ(tallRow->TextLeft(), 34);
}

} // namespace
} // namespace attrgrid::test
