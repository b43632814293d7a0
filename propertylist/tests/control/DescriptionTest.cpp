#include "GridFixture.h"

#include "platform/win/Win.h"

#include <string>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

constexpr win::COLORREF kBack = 0x00E0E0E0;
constexpr win::COLORREF kInk = 0x00800000;

class DescriptionTest : public GridFixture {
protected:
    Z& ShowGrid(const win::RECT& bounds = kDefaultBounds) {
        GridFixture::ShowGrid(bounds);
        Grid().LetBackColor(static_cast<int32_t>(kBack));
        Grid().LetForeColor(static_cast<int32_t>(kInk));
        win::test::pump();
        return Grid();
    }
    win::HWND PaneWnd() { return Grid().Panel("m_picDescPane")->Window(); }
    win::SIZE Pane() {
        win::RECT rc{};
        win::GetClientRect(PaneWnd(), &rc);
        return {rc.right, rc.bottom};
    }
    ole::Ptr<CNode> RowOf(const ole::Ptr<CProperty>& property) {
        return Grid().ActiveNodes()->ItemByKey(property->GetInternalKey());
    }
    void Select(const ole::Ptr<CProperty>& property) {
        Grid().SelectNode(RowOf(property));
        win::test::pump();
    }
    void Repaint() {
        Grid().Panel("m_picDescPane")->Refresh();
        win::test::pump();
    }
    // Pixels differing from the background in [left, right) x [top, bottom) of the pane.
    int Ink(int left, int top, int right, int bottom) {
        const win::HDC hdc = win::GetDC(PaneWnd());
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x)
                count += win::GetPixel(hdc, x, y) != kBack ? 1 : 0;
        }
        win::ReleaseDC(PaneWnd(), hdc);
        return count;
    }
    // Everything inside the one-pixel sunken edge.
    int InkInside() { return Ink(1, 1, Pane().cx - 1, Pane().cy - 1); }
    int RowHeight() { return Grid().RowHeight(); }
    // The pane's place in the background panel, in pixels.
    win::RECT Bounds() { return Grid().Panel("m_picDescPane")->PixelBounds(); }
    // Gives the pane 90 more pixels of the control's height.
    void Tall() {
        CSplitter& splitter = *Grid().ContainerSplitter();
        splitter.LetSplitterLocation(splitter.GetSplitterLocation() - 90 * 15);
        win::test::pump();
    }
};

TEST_F(DescriptionTest, NoPropertySelectedShowsOnlyTheEdge) {
    Z& grid = ShowGrid();
    grid.GetProperties()->Add("Width", ole::Variant(5), "Size")->LetHelp("How wide it is.");
    Repaint();
    EXPECT_EQ(InkInside(), 0);
    const win::HDC hdc = win::GetDC(PaneWnd());
    EXPECT_EQ(win::GetPixel(hdc, 0, 0), win::GetSysColor(win::COLOR_BTNSHADOW));
    EXPECT_EQ(win::GetPixel(hdc, Pane().cx - 1, Pane().cy - 1),
              win::GetSysColor(win::COLOR_BTNHIGHLIGHT));
    win::ReleaseDC(PaneWnd(), hdc);

    // A category row describes nothing either.
    grid.LetActiveView(ksCatagorized);
    grid.SelectNode(grid.ActiveNodes()->ItemByPosition("P0_I1"));
    ASSERT_EQ(grid.SelectedNode()->NodeType(), NodeKind::Category);
    win::test::pump();
    EXPECT_EQ(InkInside(), 0);
}

TEST_F(DescriptionTest, BoldNameAndHelpBelowIt) {
    ShowGrid();
    auto width = Grid().GetProperties()->Add("Width", ole::Variant(5));
    width->LetHelp("How wide it is.");
    auto plain = Grid().GetProperties()->Add("Plain", ole::Variant(1));
    Select(width);
    const int nameInk = Ink(1, 1, Pane().cx - 1, RowHeight());
    EXPECT_GT(nameInk, 0);
    EXPECT_GT(Ink(1, RowHeight() + 2, Pane().cx - 1, Pane().cy - 1), 0);

    // The name is bold: more ink than the same text in the plain help font would give.
    width->LetHelp("Width");
    Repaint();
    EXPECT_GT(nameInk, Ink(1, RowHeight() + 2, Pane().cx - 1, Pane().cy - 1));

    // No help: the name alone.
    Select(plain);
    EXPECT_GT(Ink(1, 1, Pane().cx - 1, RowHeight()), 0);
    EXPECT_EQ(Ink(1, RowHeight(), Pane().cx - 1, Pane().cy - 1), 0);
}

TEST_F(DescriptionTest, LongHelpWrapsInsideTheEdge) {
    ShowGrid({10, 10, 130, 250});
    Tall();
    auto property = Grid().GetProperties()->Add("P", ole::Variant(5));
    property->LetHelp("alpha beta gamma delta epsilon zeta eta theta iota kappa lambda mu nu xi "
                      "omicron pi rho sigma tau upsilon phi chi psi omega alpha beta gamma delta");
    Select(property);
    const win::SIZE pane = Pane();
    const int top = RowHeight() + 2;
    // Lines below the first: the text wrapped.
    EXPECT_GT(Ink(1, top + RowHeight(), pane.cx - 1, top + 2 * RowHeight()), 0);
    // The text ends two pixels inside the client area: the row and column next to the edge stay
    // clear.
    EXPECT_EQ(Ink(1, pane.cy - 2, pane.cx - 1, pane.cy - 1), 0);
    EXPECT_EQ(Ink(pane.cx - 2, 1, pane.cx - 1, pane.cy - 1), 0);
    EXPECT_EQ(Ink(1, 1, 2, pane.cy - 1), 0);

    // A word wider than the pane ends in an ellipsis within the text rectangle.
    property->LetHelp("Pneumonoultramicroscopicsilicovolcanoconiosis");
    Repaint();
    EXPECT_GT(Ink(1, top, pane.cx - 1, top + RowHeight()), 0);
    EXPECT_EQ(Ink(pane.cx - 2, 1, pane.cx - 1, pane.cy - 1), 0);
}

TEST_F(DescriptionTest, LongNameIsCutOnOneLine) {
    ShowGrid({10, 10, 110, 250});
    Tall();
    auto property = Grid().GetProperties()->Add("A property name much wider than the pane");
    Select(property);
    EXPECT_GT(Ink(1, 1, Pane().cx - 1, RowHeight()), 0);
    EXPECT_EQ(Ink(1, RowHeight(), Pane().cx - 1, Pane().cy - 1), 0);
}

TEST_F(DescriptionTest, ClearedSelectionLeavesOnlyTheEdge) {
    Z& grid = ShowGrid();
    auto property = grid.GetProperties()->Add("Width", ole::Variant(5));
    property->LetHelp("How wide it is.");
    Select(property);
    ASSERT_GT(InkInside(), 0);
    grid.SelectNode(nullptr);
    win::test::pump();
    EXPECT_EQ(InkInside(), 0);

    // A sort by the name header drops the selection: the pane follows.
    Select(property);
    ASSERT_GT(InkInside(), 0);
    forms::PictureBox& nameHeader = *grid.Panel("m_picNameHeader");
    win::test::click(nameHeader.Window(), {10, 5});
    win::test::pump();
    ASSERT_TRUE(grid.GetSorted());
    EXPECT_FALSE(grid.SelectedNode());
    EXPECT_EQ(InkInside(), 0);
}

TEST_F(DescriptionTest, StaleSelectedRowShowsOnlyTheEdge) {
    Z& grid = ShowGrid();
    auto property = grid.GetProperties()->Add("Width", ole::Variant(5));
    property->LetHelp("How wide it is.");
    Select(property);
    ASSERT_GT(InkInside(), 0);
    // The row's key no longer names a property of the collection.
    const ole::Ptr<CNode> row = grid.SelectedNode();
    const std::string key = row->Key();
    row->SetKey("_gone");
    Repaint();
    EXPECT_EQ(InkInside(), 0);
    row->SetKey(key);
}

TEST_F(DescriptionTest, SplitterMoveRepaintsThePane) {
    Z& grid = ShowGrid();
    auto property = grid.GetProperties()->Add("Width", ole::Variant(5));
    property->LetHelp("How wide it is.");
    Select(property);
    const int before = Pane().cy;
    CSplitter& splitter = *grid.ContainerSplitter();
    splitter.LetSplitterLocation(splitter.GetSplitterLocation() - 600);
    win::test::pump();
    EXPECT_EQ(Pane().cy, before + 40);
    EXPECT_GT(InkInside(), 0);
    // The edge follows the new bottom.
    const win::HDC hdc = win::GetDC(PaneWnd());
    EXPECT_EQ(win::GetPixel(hdc, Pane().cx - 1, Pane().cy - 1),
              win::GetSysColor(win::COLOR_BTNHIGHLIGHT));
    win::ReleaseDC(PaneWnd(), hdc);
}

// Another window taking the capture mid-drag ends the drag there: the ghost bar goes, the pointer
// is free again (the panes would otherwise keep every later move from the bar's container) and
// the other window keeps its capture.
TEST_F(DescriptionTest, ADragEndsWhereAnotherWindowTakesTheCapture) {
    Z& grid = ShowGrid();
    CSplitter& splitter = *grid.ContainerSplitter();
    const float location = splitter.GetSplitterLocation();
    const win::HWND background = grid.Panel("m_picBG")->Window();
    auto onBackground = [&](int y) {
        win::POINT pt{150, y};
        win::ClientToScreen(background, &pt);
        return pt;
    };
    const win::POINT target = onBackground(170);
    const win::COLORREF atTarget = win::test::ScreenPixel(target.x, target.y);
    // The bar is the strip the panes leave open above the description pane.
    win::test::mouseDown(win::test::MouseButton::Left, onBackground(Bounds().top - 2));
    win::test::mouseMove(onBackground(171));
    win::test::pump();
    ASSERT_TRUE(splitter.Dragging());
    ASSERT_NE(win::test::ScreenPixel(target.x, target.y), atTarget);

    win::SetCapture(grid.GridWnd());
    EXPECT_FALSE(splitter.Dragging());
    EXPECT_EQ(win::test::ScreenPixel(target.x, target.y), atTarget);
    win::RECT clip{};
    win::RECT desktop{};
    win::GetClipCursor(&clip);
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    EXPECT_EQ(clip, desktop);
    EXPECT_EQ(win::GetCapture(), grid.GridWnd());
    win::ReleaseCapture();
    win::test::mouseUp(win::test::MouseButton::Left, onBackground(171));
    win::test::pump();
    EXPECT_EQ(splitter.GetSplitterLocation(), location);
}

} // namespace
} // namespace attrgrid::test
