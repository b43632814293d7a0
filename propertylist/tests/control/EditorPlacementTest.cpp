#include "InputFixture.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace attrgrid::test {
namespace {

class EditorPlacementTest : public InputFixture {};

// Whatever moves the rows while an edit is open, the editor stays over its own row's value cell
// and the commit stores into that row.
TEST_F(EditorPlacementTest, TheOpenEditorFollowsItsRowThroughEveryLayout) {
    const std::vector<std::pair<std::string, std::function<void(Z&)>>> layouts = {
        {"ShowDescription 0", [](Z& grid) { grid.LetShowDescription(false); }},
        {"ShowTabs 0", [](Z& grid) { grid.LetShowTabs(false); }},
        {"Headers 0", [](Z& grid) { grid.LetHeaders(ksHeadersNone); }},
        {"description splitter",
         [](Z& grid) {
             auto* splitter = grid.ContainerSplitter();
             splitter->LetSplitterLocation(splitter->GetSplitterLocation() + 900);
         }},
        {"the last row removed",
         [](Z& grid) {
             auto properties = grid.GetProperties();
             properties->Remove(ole::Variant(properties->Count()));
         }},
    };
    for (const auto& [name, layout] : layouts) {
        SCOPED_TRACE(name);
        Z& grid = ShowGrid();
        AddProperties(Page() + 2);
        auto editor = UseTestEditor();
        const std::string edited = "P" + std::to_string(Page());
        grid.ScrollBar()->SetValue(2);
        ClickRow(edited);
        ASSERT_EQ(grid.ActiveEditor().Get(), static_cast<CEditor*>(editor.Get()));
        const int32_t before = RowTop(edited);

        layout(grid);
        ASSERT_NE(RowTop(edited), before) << "the rows did not move";
        EXPECT_EQ(editor->placed.top, RowTop(edited));
        EXPECT_EQ(editor->placed.bottom, RowTop(edited) + grid.RowHeight() - 1);
        editor->value = ole::Variant("typed");
        grid.CommitActiveEditor();
        EXPECT_EQ(ole::CStr(grid.GetSelectedProperty()->GetValue()), "typed");
        EXPECT_EQ(grid.GetSelectedProperty()->GetName(), edited);
        Unload();
    }
}

} // namespace
} // namespace attrgrid::test
