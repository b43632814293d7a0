#include "GridFixture.h"
#include "GridTestAccess.h"
#include "TestEditor.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/win/Win.h"

#include <algorithm>
#include <string>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

class RowTreesTest : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        AnswerMessageBoxesWithOk();
    }
    void TearDown() override {
        forms::MessageBoxResponder().Reset();
        GridFixture::TearDown();
    }

    ole::Ptr<CProperty> Add(const std::string& name, const std::string& category = {}) {
        return Grid().GetProperties()->Add(name, ole::Variant(name), category);
    }
    static std::vector<std::string> VisibleNames(const ole::Ptr<CNodes>& tree) {
        std::vector<std::string> names;
        for (auto row = tree->ItemByPosition("P0_I1"); row; row = row->NextVisibleNode())
            names.push_back(std::string(row->Level() - 1, '>') + row->Name());
        return names;
    }
    ole::Ptr<CNode> Row(const ole::Ptr<CProperty>& property) {
        return Grid().ActiveNodes()->ItemByKey(property->GetInternalKey());
    }
    bool GridHasUpdate() {
        return win::GetUpdateRect(Grid().GridWnd(), nullptr, win::FALSE) != win::FALSE;
    }
    int Count(const std::string& event) {
        const auto names = EventNames();
        return static_cast<int>(std::count(names.begin(), names.end(), event));
    }
};

TEST_F(RowTreesTest, CategoryPathsNestAndReuseRowsByName) {
    Z& grid = ShowGrid();
    Add("W", " A | B ");
    Add("H", "A||B");
    Add("X", "b");
    auto loose = Add("Loose", "||");
    grid.LetCategorySeparator("x");
    Add("Y", "AxBXC");
    EXPECT_EQ(VisibleNames(grid.CategorizedNodes()),
              (std::vector<std::string>{"A", ">B", ">>W", ">>H", ">>X", ">>C", ">>>Y", "Misc",
                                        ">Loose"}));
    EXPECT_EQ(loose->GetCategory(), "Misc");
    EXPECT_EQ(VisibleNames(grid.AlphabeticNodes()),
              (std::vector<std::string>{"W", "H", "X", "Loose", "Y"}));
}

TEST_F(RowTreesTest, CategoryNamesNeverFindPropertyRowsOrPositions) {
    Z& grid = ShowGrid();
    grid.LetCategoryBold(true);
    grid.LetCategoryForeColor(0xFF);
    auto keyed = Add("B", "A");
    ASSERT_EQ(keyed->GetInternalKey(), "A_B");
    Add("P1", "2024");
    Add("P2", "1");
    Add("P3", "A_B");
    EXPECT_EQ(VisibleNames(grid.CategorizedNodes()),
              (std::vector<std::string>{"A", ">B", "2024", ">P1", "1", ">P2", "A_B", ">P3"}));
    EXPECT_FALSE(keyed->GetBold());
    EXPECT_EQ(keyed->GetForeColor(), grid.GetPropertyForeColor());
    EXPECT_TRUE(grid.CategorizedNodes()->CategoryByName("A_B")->Bold());
    EXPECT_EQ(grid.CategorizedNodes()->CategoryByName("2024")->ForeColor(), 0xFF);

    // Collapsing the category named like the property folds the category, not the property.
    grid.LetActiveView(ksCatagorized);
    grid.CategorizedNodes()->CategoryByName("A_B")->SetExpanded(false);
    EXPECT_EQ(VisibleNames(grid.CategorizedNodes()),
              (std::vector<std::string>{"A", ">B", "2024", ">P1", "1", ">P2", "A_B"}));
}

TEST_F(RowTreesTest, RemovingTheSelectedRowLeavesNoSelection) {
    Z& grid = ShowGrid();
    auto first = Add("First", "X");
    auto doomed = Add("Doomed", "A|B");
    grid.SelectNode(Row(doomed));
    ASSERT_TRUE(ole::Is(grid.GetSelectedProperty(), doomed));

    grid.GetProperties()->Remove(ole::Variant(doomed->GetInternalKey()));
    EXPECT_FALSE(grid.SelectedNode());
    EXPECT_FALSE(grid.GetSelectedProperty());
    EXPECT_EQ(VisibleNames(grid.CategorizedNodes()), (std::vector<std::string>{"X", ">First"}));
    EXPECT_EQ(Count("PropertyDeleted"), 1);

    // A selected category pruned with its last property goes the same way.
    auto solo = Add("Solo", "Alone");
    grid.LetActiveView(ksCatagorized);
    grid.SelectNode(grid.CategorizedNodes()->CategoryByName("Alone"));
    ASSERT_TRUE(grid.SelectedNode());
    grid.GetProperties()->Remove(ole::Variant(solo->GetInternalKey()));
    EXPECT_FALSE(grid.SelectedNode());
    EXPECT_FALSE(grid.GetSelectedProperty());
    EXPECT_FALSE(grid.CategorizedNodes()->CategoryByName("Alone"));
    EXPECT_TRUE(Row(first));
}

TEST_F(RowTreesTest, LockRefreshDefersLayoutAndPaintButNotEvents) {
    Z& grid = ShowGrid();
    grid.LetLockRefresh(true);
    win::ValidateRect(grid.GridWnd(), nullptr);
    ClearEvents();
    for (int i = 0; i < 100; ++i)
        Add("P" + std::to_string(i));
    EXPECT_EQ(Count("PropertyAdded"), 100);
    EXPECT_FALSE(GridHasUpdate());
    EXPECT_EQ(grid.AlphabeticNodes()->ItemByPosition("P0_I2")->RowRect().bottom, 0);

    grid.LetLockRefresh(false);
    EXPECT_EQ(grid.AlphabeticNodes()->ItemByPosition("P0_I2")->RowRect().top,
              grid.HeaderHeightPixels() + grid.RowHeight());
    EXPECT_TRUE(grid.ScrollBarShown());
}

TEST_F(RowTreesTest, ClearingDropsSelectionAndEditorSilently) {
    Z& grid = ShowGrid();
    auto property = Add("P");
    grid.SelectNode(Row(property));
    auto editor = TestEditor::Create();
    GridTestAccess::OpenEditor(grid, editor, Row(property));
    win::UpdateWindow(grid.GridWnd());
    ClearEvents();

    grid.GetProperties()->Clear();
    EXPECT_FALSE(grid.SelectedNode());
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_FALSE(GridTestAccess::EditNode(grid));
    EXPECT_FALSE(editor->visible);
    EXPECT_EQ(editor->commits, 0);
    EXPECT_EQ(grid.ActiveNodes()->Count(), 0);
    EXPECT_EQ(grid.CategorizedNodes()->Count(), 0);
    EXPECT_TRUE(EventNames().empty());
    EXPECT_FALSE(GridHasUpdate());
}

TEST_F(RowTreesTest, RenamedPropertyShowsItsNewNameInBothViews) {
    Z& grid = ShowGrid();
    auto property = Add("Old", "A");
    win::UpdateWindow(grid.GridWnd());
    property->LetName("New");
    EXPECT_EQ(Row(property)->Name(), "New");
    EXPECT_EQ(grid.CategorizedNodes()->ItemByKey(property->GetInternalKey())->Name(), "New");
    win::RECT update{};
    ASSERT_TRUE(win::GetUpdateRect(grid.GridWnd(), &update, win::FALSE));
    EXPECT_EQ(update.top, Row(property)->RowRect().top);
    EXPECT_EQ(update.bottom, Row(property)->RowRect().bottom);
}

TEST_F(RowTreesTest, CollapsingCommitsTheEditorAndMovesTheSelectionUp) {
    Z& grid = ShowGrid();
    grid.LetActiveView(ksCatagorized);
    auto property = Add("P", "A");
    Add("Q", "Other");
    const auto category = grid.CategorizedNodes()->CategoryByName("A");
    grid.SelectNode(Row(property));
    auto editor = TestEditor::Create();
    GridTestAccess::OpenEditor(grid, editor, Row(property));
    editor->value = ole::Variant("typed");
    ClearEvents();

    category->SetExpanded(false);
    EXPECT_EQ(EventNames(), (std::vector<std::string>{"ValidateValue"}));
    EXPECT_EQ(property->GetValue().AsString(), "typed");
    EXPECT_FALSE(editor->visible);
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_TRUE(ole::Is(grid.SelectedNode(), category));
    EXPECT_EQ(VisibleNames(grid.CategorizedNodes()),
              (std::vector<std::string>{"A", "Other", ">Q"}));
    EXPECT_EQ(grid.CategorizedNodes()->CategoryByName("Other")->RowRect().top,
              grid.HeaderHeightPixels() + grid.RowHeight());

    // Expanding again keeps the selection on the category.
    category->SetExpanded(true);
    EXPECT_TRUE(ole::Is(grid.SelectedNode(), category));
    EXPECT_EQ(Row(property)->RowRect().top, grid.HeaderHeightPixels() + grid.RowHeight());
}

TEST_F(RowTreesTest, ARefusedCommitOnCollapseIsReportedAndTheLayoutStillRuns) {
    Z& grid = ShowGrid();
    grid.LetActiveView(ksCatagorized);
    auto property = Add("P", "A");
    Add("Q", "Other");
    const auto category = grid.CategorizedNodes()->CategoryByName("A");
    grid.SelectNode(Row(property));
    auto editor = TestEditor::Create();
    GridTestAccess::OpenEditor(grid, editor, Row(property));
    editor->value = ole::Variant("1a");
    editor->refusal =
        ole::Error(static_cast<int32_t>(0x80040002), "Invalid property value.", "Attrgrid");
    ClearEvents();

    category->SetExpanded(false);
    EXPECT_EQ(EventNames(), (std::vector<std::string>{"DisplayError"}));
    EXPECT_EQ(property->GetValue().AsString(), "P");
    EXPECT_FALSE(editor->visible);
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_TRUE(ole::Is(grid.SelectedNode(), category));
    EXPECT_EQ(grid.CategorizedNodes()->CategoryByName("Other")->RowRect().top,
              grid.HeaderHeightPixels() + grid.RowHeight());
}

TEST_F(RowTreesTest, SelectingAHiddenRowExpandsItsAncestorsFromTheTop) {
    Z& grid = ShowGrid();
    grid.LetActiveView(ksCatagorized);
    auto deep = Add("Deep", "A|B");
    const auto a = grid.CategorizedNodes()->CategoryByName("A");
    const auto b = grid.CategorizedNodes()->CategoryByName("B");
    b->SetExpanded(false);
    a->SetExpanded(false);
    ASSERT_EQ(VisibleNames(grid.CategorizedNodes()), (std::vector<std::string>{"A"}));

    grid.SelectNode(Row(deep));
    EXPECT_TRUE(ole::Is(grid.SelectedNode(), Row(deep)));
    EXPECT_EQ(VisibleNames(grid.CategorizedNodes()),
              (std::vector<std::string>{"A", ">B", ">>Deep"}));
    EXPECT_EQ(Row(deep)->RowRect().top, grid.HeaderHeightPixels() + 2 * grid.RowHeight());
}

} // namespace
} // namespace attrgrid::test
