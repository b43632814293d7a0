#include "InputFixture.h"

namespace attrgrid::test {
namespace {

class KeyboardTest : public InputFixture {};

TEST_F(KeyboardTest, ArrowsMoveThroughTheVisibleRows) {
    ShowGrid();
    AddProperties(3);
    // The first key only selects the first row.
    Press(win::VK_DOWN);
    EXPECT_EQ(SelectedName(), "P0");
    Press(win::VK_UP);
    EXPECT_EQ(SelectedName(), "P0");
    Press(win::VK_DOWN);
    Press(win::VK_DOWN);
    EXPECT_EQ(SelectedName(), "P2");
    Press(win::VK_DOWN);
    EXPECT_EQ(SelectedName(), "P2");
    Press(win::VK_LEFT);
    EXPECT_EQ(SelectedName(), "P1");
    Press(win::VK_RIGHT);
    EXPECT_EQ(SelectedName(), "P2");
}

TEST_F(KeyboardTest, LeftRightPlusAndMinusOpenAndCloseCategories) {
    Z& grid = ShowGrid();
    AddProperties(2, "A");
    AddProperties(2, "B");
    grid.LetActiveView(ksCatagorized);
    const auto a = Row("A");
    ASSERT_TRUE(a);
    Press(win::VK_DOWN);
    ASSERT_EQ(SelectedName(), "A");
    if (!a->Expanded())
        Press(win::VK_ADD);
    ASSERT_TRUE(a->Expanded());

    // Left on an expanded category collapses it; a second Left moves up (here: nowhere).
    Press(win::VK_LEFT);
    EXPECT_FALSE(a->Expanded());
    EXPECT_EQ(SelectedName(), "A");
    Press(win::VK_DOWN);
    EXPECT_EQ(SelectedName(), "B");
    Press(win::VK_LEFT);
    Press(win::VK_LEFT);
    EXPECT_FALSE(Row("B")->Expanded());
    EXPECT_EQ(SelectedName(), "A");

    // Right expands, a second Right moves to the first child.
    Press(win::VK_RIGHT);
    EXPECT_TRUE(a->Expanded());
    EXPECT_EQ(SelectedName(), "A");
    Press(win::VK_RIGHT);
    EXPECT_EQ(SelectedName(), "P0");

    // Numeric-pad minus and plus act on rows with children only.
    Press(win::VK_SUBTRACT);
    EXPECT_TRUE(a->Expanded());
    Press(win::VK_UP);
    Press(win::VK_SUBTRACT);
    EXPECT_FALSE(a->Expanded());
    Press(win::VK_SUBTRACT);
    EXPECT_FALSE(a->Expanded());
    Press(win::VK_ADD);
    EXPECT_TRUE(a->Expanded());
}

TEST_F(KeyboardTest, PageKeysMoveByThePageLessOneWhileTheBarShows) {
    Z& grid = ShowGrid();
    const int32_t page = Page();
    ASSERT_GT(page, 2);
    AddProperties(3);
    Press(win::VK_DOWN);
    Press(win::VK_NEXT);
    EXPECT_EQ(SelectedName(), "P0");

    AddProperties(page + 7);
    ASSERT_TRUE(grid.ScrollBarShown());
    Press(win::VK_NEXT);
    EXPECT_EQ(SelectedName(), "P" + std::to_string(page - 1));
    Press(win::VK_PRIOR);
    EXPECT_EQ(SelectedName(), "P0");
    // A large change of 1 moves one row; the last row stops the page.
    grid.ScrollBar()->SetLargeChange(1);
    Press(win::VK_NEXT);
    EXPECT_EQ(SelectedName(), "P1");
    grid.ScrollBar()->SetLargeChange(100);
    Press(win::VK_NEXT);
    EXPECT_EQ(SelectedName(), "P" + std::to_string(page + 9));
}

TEST_F(KeyboardTest, OtherKeysSendTheFocusToTheOpenEditor) {
    Z& grid = ShowGrid();
    AddProperties(2);
    Press(win::VK_DOWN);
    // A plain window stands for the editor's.
    const win::HWND editorWnd =
        win::CreateWindowExA(0, "STATIC", "", win::WS_CHILD | win::WS_VISIBLE, 0, 0, 10, 10,
                             grid.GridWnd(), {}, {}, nullptr);
    if (grid.ActiveEditor())
        grid.CommitActiveEditor();
    auto editor = TestEditor::Create(editorWnd);
    GridTestAccess::OpenEditor(grid, editor, grid.SelectedNode());
    Press('A');
    EXPECT_EQ(win::GetFocus(), editorWnd);
    EXPECT_EQ(SelectedName(), "P0");
    Press(win::VK_RETURN);
    EXPECT_EQ(win::GetFocus(), editorWnd);
    grid.CommitActiveEditor();
    win::DestroyWindow(editorWnd);
}

} // namespace
} // namespace attrgrid::test
