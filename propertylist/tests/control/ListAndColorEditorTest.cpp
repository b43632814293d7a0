#include "GridFixture.h"

#include "propertylist/editors/CColorEditor.h"
#include "propertylist/editors/CListEditor.h"

#include "shared/util/EditorValue.h"

#include "platform/forms/test/TestHost.h"
#include "platform/ole/convert/Conversions.h"
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
class ListAndColorEditorTest : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        AnswerMessageBoxesWithOk();
    }
    void Show() {
        ShowGrid();
        OnEvent(Z::EvValidateValue,
                [this](std::span<ole::Variant> args) { validated.push_back(args[1]); });
        OnEvent(Z::EvDisplayError,
                [this](std::span<ole::Variant> args) { errors.push_back(args[1].AsI4()); });
    }
    ole::Ptr<CProperty> Add(const std::string& name, ole::Variant value, int32_t type) {
        std::string key;
        return Grid().GetProperties()->Add(name, std::move(value), "", key, nullptr, false, type);
    }
    template <class Editor>
    Editor& Open(const ole::Ptr<CProperty>& property) {
        Grid().SetSelectedProperty(property);
        auto* editor = dynamic_cast<Editor*>(Grid().ActiveEditor().Get());
        if (!editor)
            throw std::runtime_error("the row did not open under the expected editor");
        return *editor;
    }
    // The open editor's window, in the grid's client pixels.
    win::RECT EditorRect() {
        const auto window =
            win::HWND::FromValue(static_cast<uint32_t>(Grid().ActiveEditor()->hwnd()));
        win::RECT rc{};
        win::GetWindowRect(window, &rc);
        win::MapWindowPoints(win::HWND(), Grid().GridWnd(), reinterpret_cast<win::POINT*>(&rc), 2);
        return rc;
    }
    static win::HWND FindChild(win::HWND parent, std::string_view className) {
        struct Search {
            std::string_view name;
            win::HWND found;
        } search{className, {}};
        win::EnumChildWindows(
            parent,
            [](win::HWND hwnd, win::LPARAM out) {
                auto* s = reinterpret_cast<Search*>(out);
                char name[32] = {};
                win::GetClassNameA(hwnd, name, sizeof name);
                if (name == s->name && !s->found)
                    s->found = hwnd;
                return win::TRUE;
            },
            reinterpret_cast<win::LPARAM>(&search));
        return search.found;
    }
    // A user's pick in the open list editor's drop-down list.
    void PickInList(int index) {
        const auto window =
            win::HWND::FromValue(static_cast<uint32_t>(Grid().ActiveEditor()->hwnd()));
        const win::HWND combo = FindChild(window, "ComboBox");
        ASSERT_TRUE(combo);
        win::RECT client{};
        win::GetClientRect(combo, &client);
        win::test::click(combo, {client.right - 8, client.bottom / 2});
        win::test::pump();
        const win::HWND list = win::test::DroppedList();
        ASSERT_TRUE(list);
        win::test::clickListItem(list, index);
        win::test::pump();
    }

    std::vector<ole::Variant> validated;
    std::vector<int32_t> errors;
};

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

// The list box and colour picker report twips; both land on the pixels the text box takes over
// the same row, whatever units the host uses.
TEST_F(ListAndColorEditorTest, ListAndColourEditsCoverTheValueCellInEveryHostUnit) {
    for (const char* units : {"PIXEL", "TWIP"}) {
        SCOPED_TRACE(units);
        Show();
        forms::test::TestHost::SetAmbientScaleUnits(Ext(), units);
        auto row = Add("Row", ole::Variant(int32_t{1}), shared::ksTextEditor);
        row->GetListItems()->Add("One", ole::Variant(int32_t{1}));
        Open<CEditor>(row);
        const win::RECT text = EditorRect();
        for (const int32_t type : {shared::KSListEditor, shared::KSColorEditor}) {
            Grid().SelectNode(nullptr);
            row->LetEditorType(type);
            Open<CEditor>(row);
            const win::RECT placed = EditorRect();
            EXPECT_EQ(placed.left, text.left);
            EXPECT_EQ(placed.top, text.top);
            EXPECT_EQ(placed.right, text.right);
            EXPECT_EQ(placed.bottom, text.bottom);
        }
        Unload();
    }
}

} // namespace
} // namespace attrgrid::test
