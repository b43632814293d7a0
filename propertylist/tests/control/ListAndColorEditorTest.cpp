#include "BuiltinEditorFixture.h"

#include "propertylist/editors/CColorEditor.h"
#include "propertylist/editors/CListEditor.h"

#include "shared/util/EditorValue.h"

#include "platform/forms/test/TestHost.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/event/EventSink.h"
#include "platform/win/Win.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestApi.h"

#include <string>
#include <string_view>
#include <vector>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

// The real list box and colour picker of a shown list, under the list and colour editors.
class ListAndColorEditorTest : public BuiltinEditorFixture {};

// Starting the edit commits nothing; a pick commits once and stores the item's data.
TEST_F(ListAndColorEditorTest, ABooleanRowShowsItsItemsAndAPickCommitsTheItemsValue) {
    Show();
    auto flag = Add("Flag", ole::Variant(true), shared::ksBooleanEditor);
    CListEditor& editor = Open<CListEditor>(flag);
    EXPECT_EQ(editor.Text(), "True");
    EXPECT_TRUE(validated.empty());

    PickInList(1);
    ASSERT_EQ(validated.size(), 1U);
    EXPECT_NE(flag->GetValue().ValueType(), ole::VT_BSTR);
    EXPECT_EQ(ole::CLng(flag->GetValue()), 0);
    EXPECT_FALSE(Grid().ActiveEditor());
    EXPECT_TRUE(errors.empty());
}

TEST_F(ListAndColorEditorTest, AListValueSelectsTheFirstEntryHoldingEqualData) {
    Show();
    auto object = CListItems::Create();
    auto choice = Add("Choice", ole::Variant(1), shared::KSListEditor);
    auto items = choice->GetListItems();
    items->Add("One", ole::Variant(1));
    items->Add("Two", ole::Variant("2"));
    items->Add("Object", ole::Variant(ole::Ptr<ole::Object>(object)));
    items->Add("Yes", ole::Variant(int32_t{-1}));
    items->Add("Blank", ole::Variant(""));
    CListEditor& editor = Open<CListEditor>(choice);
    EXPECT_EQ(editor.Text(), "One");

    const std::vector<std::pair<ole::Variant, std::string>> cases = {
        {ole::Variant("1"), "One"},
        {ole::Variant(2.0), "Two"},
        {ole::Variant(ole::Ptr<ole::Object>(object)), "Object"},
        {ole::Variant(ole::Ptr<ole::Object>(CListItems::Create())), ""},
        {ole::Variant(true), "Yes"},
        {ole::Variant(), "Blank"},
        {ole::Variant("zzz"), ""},
        {ole::Variant::Null(), ""},
    };
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(text);
        editor.Reset(choice, CEditorListener::Create());
        editor.LetValue(value);
        EXPECT_EQ(editor.Text(), text);
    }
}

// A colour edit starts without committing although the picker reports the colour it is given;
// a new colour in the picker while the edit is open reaches the editor and commits it.
TEST_F(ListAndColorEditorTest, TheColourEditorCommitsThePickersNewColour) {
    Show();
    auto color = Add("Color", ole::Variant(int32_t{255}), shared::KSColorEditor);
    CColorEditor& editor = Open<CColorEditor>(color);
    EXPECT_EQ(editor.GetValue().AsI4(), 255);
    EXPECT_TRUE(validated.empty());

    editor.LetValue(ole::Variant());
    ASSERT_EQ(validated.size(), 1U);
    EXPECT_EQ(color->GetValue().AsI4(), 0);
    EXPECT_FALSE(Grid().ActiveEditor());

    // An editor whose listener has gone ends nothing.
    editor.Reset(color, CEditorListener::Create());
    editor.Commit();
    EXPECT_EQ(validated.size(), 1U);
    EXPECT_TRUE(errors.empty());
}

// A colour held as a number beyond the signed range, the system colour 0x8000000F read back as
// 2147483663, shows as itself and not as the colour of the row edited before.
TEST_F(ListAndColorEditorTest, AColourShowsByItsThirtyTwoBits) {
    Show();
    auto red = Add("Red", ole::Variant(int32_t{255}), shared::KSColorEditor);
    auto face = Add("Face", ole::Variant(2147483663.0), shared::KSColorEditor);
    Open<CColorEditor>(red);
    EXPECT_EQ(Open<CColorEditor>(face).GetValue().AsI4(), static_cast<int32_t>(0x8000000F));
}

// Unbound, the list and colour editors do nothing but end an edit, which only the colour editor
// can: it keeps the listener of its Reset without a control, the list editor does not.
TEST_F(ListAndColorEditorTest, UnboundEditorsOnlyEndTheEdit) {
    Show();
    auto row = Add("Color", ole::Variant(int32_t{255}), shared::KSColorEditor);
    const std::vector<std::pair<ole::Ptr<CEditor>, int>> editors = {{CListEditor::Create(), 0},
                                                                    {CColorEditor::Create(), 1}};
    for (const auto& [editor, commits] : editors) {
        auto listener = CEditorListener::Create();
        int heard = 0;
        auto sink = ole::EventSink::Create();
        sink->On(CEditorListener::CommitEdit, [&](std::span<ole::Variant>) { ++heard; });
        ole::ConnectEvents(listener, sink);
        editor->Reset(row, listener);
        editor->LetValue(ole::Variant(int32_t{255}));
        editor->LetVisible(true);
        editor->Move(1, 2, 3, 4);
        EXPECT_EQ(editor->ScaleMode(), 0);
        EXPECT_TRUE(editor->GetValue().IsEmpty());
        EXPECT_FALSE(editor->GetVisible());
        EXPECT_EQ(editor->hwnd(), 0);
        editor->Commit();
        EXPECT_EQ(heard, commits);
    }
    EXPECT_TRUE(validated.empty());
}

// Every editor lands on its value cell's pixels, kept off the row's top edge when no grid line is
// drawn there, whatever units the host uses: the pixel editors as given, the list box and colour
// picker, which report twips, through their own surface's twips.
TEST_F(ListAndColorEditorTest, EveryEditorCoversItsValueCellInEveryHostUnit) {
    const std::vector<std::pair<int32_t, ole::Variant>> rows = {
        {shared::ksTextEditor, ole::Variant("a")},
        {shared::KSNumberEditor, ole::Variant(1)},
        {shared::ksBooleanEditor, ole::Variant(true)},
        {shared::KSListEditor, ole::Variant(1)},
        {shared::KSColorEditor, ole::Variant(255)},
        {shared::KSDateEditor, ole::Variant("1/2/2024")},
        {shared::KSFontEditor, ole::Variant(ole::Ptr<ole::Object>())},
        {shared::ksFileEditor, ole::Variant("f")},
        {shared::KSDirectoryEditor, ole::Variant("d")},
        {shared::ksCustomDialog, ole::Variant("c")},
        {shared::ksPictureEditor, ole::Variant(ole::Ptr<ole::Object>())},
    };
    for (const char* units :
         {"PIXEL", "TWIP", "POINT", "CHARACTER", "INCH", "MILLIMETER", "CENTIMETER"}) {
        for (const int32_t grid : {ksGridNone, ksGridSolid}) {
            SCOPED_TRACE(std::string(units) + " grid " + std::to_string(grid));
            Show().LetGrid(grid);
            forms::test::TestHost::SetAmbientScaleUnits(Ext(), units);
            for (const auto& [type, value] : rows) {
                SCOPED_TRACE(type);
                auto row = AddRow(value, type);
                row->GetListItems()->Add("One", ole::Variant(1));
                Open(row);
                const win::RECT cell = Row(row)->ValueRect();
                const win::RECT placed = EditorRect();
                EXPECT_EQ(placed.left, cell.left);
                EXPECT_EQ(placed.top, grid == ksGridNone ? cell.top + 1 : cell.top);
                EXPECT_EQ(placed.right, cell.right);
                EXPECT_EQ(placed.bottom, cell.bottom - 1);
            }
            Unload();
        }
    }
}

} // namespace
} // namespace attrgrid::test
