// Every built-in editor driven as a user drives it, on a row whose value lives in a source object:
// a click opens the row, a typed, picked or chosen value commits, and the value reaches both the
// property and the source.

#include "BuiltinEditorFixture.h"

#include "shared/util/EditorValue.h"

#include "platform/forms/dialogs/file/FileDialog.h"
#include "platform/forms/dialogs/folder/FolderBrowser.h"
#include "platform/forms/dialogs/font/FontDialog.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/convert/Equality.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/picture/Picture.h"
#include "platform/win/Win.h"
#include "platform/win/test/DateTimeHooks.h"
#include "platform/win/test/TestApi.h"

#include <functional>
#include <string>
#include <vector>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

// A source object whose one property, Value, takes anything: let for values, set for objects.
class Record : public ole::Object {
public:
    static ole::Ptr<Record> Create() { return ole::MakeObject<Record>(); }
    ole::Variant GetValue() const { return value; }
    void LetValue(const ole::Variant& given) {
        value = given;
        ++writes;
    }
    void SetValue(const ole::Ptr<ole::Object>& given) {
        value = ole::Variant(given);
        ++writes;
    }

    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info = ole::ClassBuilder<Record>("Record")
                                               .Get("Value", 1, &Record::GetValue)
                                               .Let("Value", 1, &Record::LetValue)
                                               .Set("Value", 1, &Record::SetValue)
                                               .Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    ole::Variant value;
    int writes = 0;
};

class EditorWriteBackTest : public BuiltinEditorFixture {
protected:
    void SetUp() override {
        BuiltinEditorFixture::SetUp();
        Show();
        OnEvent(Z::EvShowEditorDialog,
                [](std::span<ole::Variant> args) { args[1].Deref() = ole::Variant("new"); });
    }
    // A value as the test compares it: its text, a font's name and boldness, or "nothing".
    static std::string Describe(const ole::Variant& value) {
        if (!value.IsObject())
            return ole::CStr(value);
        if (const auto font = ole::PtrCast<ole::Font>(value.AsObject()))
            return font->Name() + (font->Bold() ? " bold" : "");
        return value.AsObject() ? "object" : "nothing";
    }
    // The same value: the same type and equal, an object only as the same object.
    static bool Identical(const ole::Variant& a, const ole::Variant& b) {
        if (a.IsObject() || b.IsObject())
            return a.IsObject() && b.IsObject() && a.AsObject().Get() == b.AsObject().Get();
        return a.ValueType() == b.ValueType() && (a.IsNull() || ole::VariantEquals(a, b));
    }
    static ole::Variant NamedFont(const std::string& name) {
        auto font = ole::Font::Create();
        font->SetName(name);
        return ole::Variant(font);
    }
    static void Press(int vk) {
        win::test::keyPress(vk);
        win::test::pump();
    }
};

TEST_F(EditorWriteBackTest, EveryEditorWritesTheUsersValueBackToTheSource) {
    ole::Ptr<CProperty> other;
    const auto old = [] {
        auto font = ole::Font::Create();
        font->SetName("Old");
        return font;
    };
    forms::FontDialogResponder().SetFunction([](const forms::FontDialogRequest& request) {
        forms::FontChoice bold = request.initial;
        bold.bold = true;
        return std::optional(forms::FontDialogAnswer{true, bold});
    });
    struct Case {
        int32_t type;
        ole::Variant value;
        std::function<void()> change;
        std::string stored;
    };
    const std::vector<Case> cases = {
        {shared::ksCustomDialog, ole::Variant("old"),
         [&] {
             ClickBrowse();
             PressOnEditor(win::VK_RETURN);
         },
         "new"},
        {shared::ksTextEditor, ole::Variant("old"),
         [&] {
             Press(win::VK_END);
             win::test::typeText("!");
             ClickCell(other);
         },
         "old!"},
        {shared::KSNumberEditor, ole::Variant(5),
         [&] {
             Press(win::VK_END);
             win::test::typeText("0\r");
             win::test::pump();
         },
         "50"},
        {shared::ksBooleanEditor, ole::Variant(true), [&] { PickInList(1); }, "False"},
        {shared::KSListEditor, ole::Variant(1), [&] { PickInList(1); }, "2"},
        {shared::KSColorEditor, ole::Variant(255),
         [&] {
             // The drop button at the picker's right end, then the palette's next colour, the
             // orange after red.
             win::RECT client{};
             win::GetClientRect(EditorWindow(), &client);
             win::test::click(EditorWindow(), {client.right - 3, client.bottom / 2});
             win::test::pump();
             Press(win::VK_RIGHT);
             Press(win::VK_RETURN);
         },
         std::to_string(0x0080FF)},
        {shared::KSDateEditor, ole::Variant("1/2/2024"),
         [&] { win::test::dateTimePickDay(EditorWindow(), 2024, 3, 15); }, "3/15/2024"},
        {shared::ksFileEditor, ole::Variant("old"),
         [&] {
             forms::FileDialogResponder().Queue(
                 forms::FileDialogAnswer{true, {"/data/new.txt"}, false, 0});
             ClickBrowse();
         },
         "/data/new.txt"},
        {shared::KSDirectoryEditor, ole::Variant("old"),
         [&] {
             forms::FolderBrowserResponder().Queue(forms::FolderBrowserAnswer{true, "/tmp"});
             ClickBrowse();
         },
         "/tmp"},
        {shared::ksPictureEditor,
         ole::Variant(ole::Picture::FromMetafile(ole::PICTYPE_METAFILE, 2540, 2540)),
         [&] {
             win::test::click(win::GetWindow(EditorWindow(), win::GW_CHILD), {2, 2});
             Press(win::VK_BACK);
             Press(win::VK_RETURN);
         },
         "nothing"},
        {shared::KSFontEditor, ole::Variant(old()), [&] { ClickBrowse(); }, "Old bold"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        Grid().GetProperties()->Clear();
        validated.clear();
        const auto record = Record::Create();
        std::string key;
        auto row = Grid().GetProperties()->Add("Value", c.value, "", key, record, true, c.type);
        row->GetListItems()->Add("One", ole::Variant(1));
        row->GetListItems()->Add("Two", ole::Variant(2));
        other = AddRow(ole::Variant("x"), shared::ksTextEditor);
        ClickCell(row);
        ASSERT_TRUE(Grid().ActiveEditor());
        c.change();
        EXPECT_EQ(validated.size(), 1U);
        EXPECT_EQ(Describe(row->GetValue()), c.stored);
        EXPECT_EQ(Describe(record->value), c.stored);
        EXPECT_FALSE(ole::Is(Grid().GetSelectedProperty(), row) && Grid().ActiveEditor());
    }
    EXPECT_TRUE(errors.empty());
}

// The selection passing through a row with the keys (Down onto it, Down off it) commits an edit
// the user did not change: the row and its source keep their own value, of the same type or the
// same object, and the source is not written. The row above is edited the same way first, so an
// editor that kept that row's value would show it.
TEST_F(EditorWriteBackTest, APassThroughStoresNothingNew) {
    const ole::Variant picture(ole::Picture::FromMetafile(ole::PICTYPE_METAFILE, 2540, 2540));
    const ole::Variant afternoon =
        ole::Variant::FromDate(ole::CDate(ole::Variant("1/2/2024 3:04:05 PM")));
    const ole::Variant anObject(Record::Create());
    struct Case {
        int32_t type;
        ole::Variant value;
        ole::Variant above;
    };
    const Case cases[] = {
        {shared::ksCustomDialog, ole::Variant::Null(), ole::Variant("above")},
        {shared::ksTextEditor, ole::Variant::Null(), ole::Variant("above")},
        {shared::ksTextEditor, anObject, ole::Variant("above")},
        {shared::ksTextEditor, afternoon, ole::Variant("above")},
        {shared::ksTextEditor, ole::Variant(2.5), ole::Variant("above")},
        {shared::ksTextEditor, ole::Variant(true), ole::Variant("above")},
        {shared::KSNumberEditor, ole::Variant(), ole::Variant(7)},
        {shared::KSNumberEditor, ole::Variant(1E+20), ole::Variant(7)},
        {shared::KSNumberEditor, ole::Variant(1234567890123456.0), ole::Variant(7)},
        {shared::KSNumberEditor, ole::Variant(-3), ole::Variant(7)},
        {shared::KSNumberEditor, ole::Variant(0.1), ole::Variant(7)},
        {shared::KSNumberEditor, ole::Variant(2.5), ole::Variant(7)},
        {shared::KSNumberEditor, ole::Variant("&HFF"), ole::Variant(7)},
        {shared::KSNumberEditor, ole::Variant(12), ole::Variant(7)},
        {shared::ksBooleanEditor, ole::Variant("True"), ole::Variant(false)},
        {shared::ksBooleanEditor, ole::Variant("false"), ole::Variant(true)},
        {shared::ksBooleanEditor, ole::Variant(1), ole::Variant(false)},
        {shared::ksBooleanEditor, ole::Variant(true), ole::Variant(false)},
        {shared::KSFontEditor, NamedFont("Mine"), NamedFont("Above")},
        {shared::KSFontEditor, ole::Variant::Nothing(), NamedFont("Above")},
        {shared::KSDateEditor, afternoon, ole::Variant("3/4/2005")},
        {shared::KSDateEditor, ole::Variant("1/2/2024 3:04:05 PM"), ole::Variant("3/4/2005")},
        {shared::ksFileEditor, ole::Variant::Null(), ole::Variant("above")},
        {shared::KSDirectoryEditor, ole::Variant::Null(), ole::Variant("above")},
        {shared::KSListEditor, ole::Variant(5), ole::Variant(1)},
        {shared::KSListEditor, ole::Variant(2), ole::Variant(1)},
        {shared::KSColorEditor, ole::Variant(2147483663.0), ole::Variant(255)},
        {shared::KSColorEditor, ole::Variant(-2147483633), ole::Variant(255)},
        {shared::ksPictureEditor, picture, ole::Variant::Nothing()},
        {shared::ksPictureEditor, ole::Variant::Nothing(), picture},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(
            std::to_string(c.type) + " " +
            (c.value.IsObject() || c.value.IsNull() ? "object or Null" : ole::CStr(c.value)));
        Grid().GetProperties()->Clear();
        const auto record = Record::Create();
        record->value = c.value;
        std::string key;
        AddRow(c.above, c.type)->GetListItems()->Add("One", ole::Variant(1));
        auto row = Grid().GetProperties()->Add("Value", c.value, "", key, record, true, c.type);
        row->GetListItems()->Add("One", ole::Variant(1));
        row->GetListItems()->Add("Two", ole::Variant(2));
        AddRow(ole::Variant("below"), shared::ksTextEditor);
        win::SetFocus(Grid().GridWnd());
        Press(win::VK_DOWN);
        Press(win::VK_DOWN);
        ASSERT_TRUE(ole::Is(Grid().GetSelectedProperty(), row));
        Press(win::VK_DOWN);
        EXPECT_FALSE(ole::Is(Grid().GetSelectedProperty(), row));
        EXPECT_TRUE(Identical(row->GetValue(), c.value));
        EXPECT_TRUE(Identical(record->value, c.value));
        EXPECT_EQ(record->writes, 0);
    }
    EXPECT_TRUE(errors.empty());
}

// Escape on the window that has the keys ends the edit and stores nothing, in every editor that
// takes keys.
TEST_F(EditorWriteBackTest, EscapeEndsEveryKeyedEditWithoutStoring) {
    const std::vector<std::pair<int32_t, ole::Variant>> rows = {
        {shared::ksCustomDialog, ole::Variant("old")},
        {shared::ksTextEditor, ole::Variant("old")},
        {shared::KSNumberEditor, ole::Variant(5)},
        {shared::KSDateEditor, ole::Variant("1/2/2024")},
        {shared::ksFileEditor, ole::Variant("old")},
        {shared::KSDirectoryEditor, ole::Variant("old")},
        {shared::ksPictureEditor, ole::Variant(ole::Ptr<ole::Object>())},
    };
    for (const auto& [type, value] : rows) {
        SCOPED_TRACE(type);
        Open(AddRow(value, type));
        const win::HWND keys = type == shared::ksPictureEditor
                                   ? win::GetWindow(EditorWindow(), win::GW_CHILD)
                                   : EditorWindow();
        win::SetFocus(keys);
        Press(win::VK_ESCAPE);
        EXPECT_FALSE(Grid().ActiveEditor());
    }
    EXPECT_TRUE(validated.empty());
    EXPECT_TRUE(errors.empty());
}

} // namespace
} // namespace attrgrid::test
