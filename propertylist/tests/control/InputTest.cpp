#include "InputFixture.h"

namespace attrgrid::test {
namespace {

class InputTest : public InputFixture {
protected:
    // Two categories of three properties, categorized with plus/minus boxes.
    Z& CategorizedGrid() {
        Z& grid = ShowGrid();
        grid.LetTreeStyle(ksPlusMinusText);
        AddProperties(3, "A");
        AddProperties(3, "B");
        grid.LetActiveView(ksCatagorized);
        win::test::pump();
        return grid;
    }
    win::POINT BoxPoint(const std::string& category) {
        const auto row = Row(category);
        const win::RECT box = row->PlusMinusRect();
        const win::RECT r = row->RowRect();
        return {r.left + (box.left + box.right) / 2, r.top + (box.top + box.bottom) / 2};
    }
};

TEST_F(InputTest, ClickSelectsTheRowUnderThePointer) {
    Z& grid = ShowGrid();
    AddProperties(4);
    ClickRow("P2");
    EXPECT_EQ(SelectedName(), "P2");
    // Past the value cell's middle, still the same row.
    ClickRow("P1", 200);
    EXPECT_EQ(SelectedName(), "P1");

    // Below the last row and on a row's edge nothing is hit.
    const win::RECT last = Row("P3")->RowRect();
    ClickAt({30, last.bottom + 5});
    EXPECT_EQ(SelectedName(), "P1");
    ClickAt({30, last.top});
    EXPECT_EQ(SelectedName(), "P1");
    EXPECT_EQ(grid.GetSelectedProperty()->GetName(), "P1");
}

TEST_F(InputTest, PlusMinusBoxTogglesTheCategoryWithoutSelectingIt) {
    CategorizedGrid();
    ASSERT_TRUE(Row("A"));
    const bool expanded = Row("A")->Expanded();
    ClickAt(BoxPoint("A"));
    EXPECT_EQ(Row("A")->Expanded(), !expanded);
    EXPECT_EQ(SelectedName(), "(none)");
    ClickAt(BoxPoint("A"));
    EXPECT_EQ(Row("A")->Expanded(), expanded);

    // Elsewhere on the category row: selected, not toggled.
    ClickRow("A", 120);
    EXPECT_EQ(SelectedName(), "A");
    EXPECT_EQ(Row("A")->Expanded(), expanded);
}

TEST_F(InputTest, DoubleClickOnACategoryLabelSelectsThenToggles) {
    CategorizedGrid();
    const bool expanded = Row("B")->Expanded();
    DoubleClickRow("B", 120);
    EXPECT_EQ(SelectedName(), "B");
    EXPECT_EQ(Row("B")->Expanded(), !expanded);
    DoubleClickRow("B", 120);
    EXPECT_EQ(Row("B")->Expanded(), expanded);
}

TEST_F(InputTest, DoubleClickOnAPropertyRowLeavesItsEditorAlone) {
    ShowGrid();
    AddProperties(3);
    int validations = 0;
    OnEvent(Z::EvValidateValue, [&](std::span<ole::Variant>) { ++validations; });
    auto editor = UseTestEditor();
    ClickRow("P0");
    const bool expanded = Row("P0")->Expanded();
    ASSERT_EQ(Grid().ActiveEditor().Get(), static_cast<CEditor*>(editor.Get()));
    DoubleClickRow("P0");
    EXPECT_EQ(validations, 0);
    EXPECT_EQ(editor->commits, 0);
    EXPECT_TRUE(editor->visible);
    EXPECT_EQ(Row("P0")->Expanded(), expanded);
    // Right still moves on, as for any property row.
    Press(win::VK_RIGHT);
    EXPECT_EQ(SelectedName(), "P1");
}

TEST_F(InputTest, InputAtDesignTimeIsIgnored) {
    HostGrid(HostMode::Design);
    Host().Show();
    AddProperties(3);
    ClickRow("P1");
    win::SetFocus(Grid().GridWnd());
    win::test::keyPress(win::VK_DOWN);
    win::test::pump();
    EXPECT_EQ(SelectedName(), "(none)");
}

} // namespace
} // namespace attrgrid::test
