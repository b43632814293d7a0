#include "InputFixture.h"

#include <functional>
#include <iterator>
#include <utility>

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

// The commit that a move of the selection runs may let the host take the target row out of the
// tree; a key or a click then selects nothing, and the next key starts again at the first row.
TEST_F(KeyboardTest, ARowTheCommitTookAwayIsNotSelected) {
    Z& grid = ShowGrid();
    auto properties = grid.GetProperties();
    std::function<void()> onValidate;
    OnEvent(Z::EvValidateValue, [&](std::span<ole::Variant>) {
        if (auto change = std::exchange(onValidate, nullptr))
            change();
    });
    const std::function<void()> changes[] = {
        [&] { properties->Remove(ole::Variant(2)); },
        [&] {
            properties->Clear();
            AddProperties(3);
        },
    };
    for (const bool byClick : {false, true}) {
        for (size_t i = 0; i < std::size(changes); ++i) {
            SCOPED_TRACE(testing::Message() << "click " << byClick << ", change " << i);
            properties->Clear();
            AddProperties(3);
            UseTestEditor();
            // Apart from the last round's click, so not a double click.
            win::test::advanceTime(1000);
            ClickRow("P0");
            ASSERT_TRUE(grid.ActiveEditor());
            onValidate = changes[i];
            if (byClick)
                ClickRow("P1");
            else
                Press(win::VK_DOWN);
            EXPECT_FALSE(onValidate);
            EXPECT_EQ(SelectedName(), "(none)");
            Press(win::VK_DOWN);
            EXPECT_EQ(SelectedName(), "P0");
        }
    }
}

TEST_F(KeyboardTest, OtherKeysSendTheFocusToTheOpenEditor) {
    Z& grid = ShowGrid();
    AddProperties(2);
    // A plain window stands for the editor's.
    const win::HWND editorWnd =
        win::CreateWindowExA(0, "STATIC", "", win::WS_CHILD | win::WS_VISIBLE, 0, 0, 10, 10,
                             grid.GridWnd(), {}, {}, nullptr);
    auto editor = UseTestEditor(editorWnd);
    Press(win::VK_DOWN);
    ASSERT_EQ(grid.ActiveEditor().Get(), static_cast<CEditor*>(editor.Get()));
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
