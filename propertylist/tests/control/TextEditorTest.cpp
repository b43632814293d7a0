#include "BuiltinEditorFixture.h"

#include "propertylist/editors/CTextEditor.h"
#include "propertylist/tests/model/property/ModelDoubles.h"

#include "shared/util/EditorValue.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/win/Win.h"
#include "platform/win/test/TestApi.h"

#include <string>
#include <vector>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

constexpr int32_t kInvalidPropertyValue = static_cast<int32_t>(0x80040002);

// The real text box and text editors of a shown list, driven by clicks and typing.
class TextEditorTest : public BuiltinEditorFixture {
protected:
    void SetUp() override {
        BuiltinEditorFixture::SetUp();
        Show();
    }

    // A row whose named parameters are all "True".
    ole::Ptr<CProperty> Add(const std::string& name, ole::Variant value, int32_t type,
                            const std::vector<std::string>& flags = {}) {
        Params params;
        for (const auto& flag : flags)
            params.emplace_back(flag, "True");
        return BuiltinEditorFixture::Add(name, std::move(value), type, params);
    }
    // Opens the row's edit with a click on its value, which puts the caret in the box.
    CTextEditor& Open(const ole::Ptr<CProperty>& property) {
        ClickCell(property);
        auto* editor = dynamic_cast<CTextEditor*>(Grid().ActiveEditor().Get());
        if (!editor)
            throw std::runtime_error("no text editor opened");
        return *editor;
    }
    forms::TextBox& Box() {
        auto* box = dynamic_cast<forms::TextBox*>(forms::Control::FromWindow(EditorWindow()).Get());
        if (!box)
            throw std::runtime_error("no text box is open");
        return *box;
    }
    static void Type(std::string_view text) {
        win::test::typeText(text);
        win::test::pump();
    }
};

// Null and an object have no text: the box shows none, not the text of the row edited before.
TEST_F(TextEditorTest, AValueWithoutTextShowsAnEmptyBox) {
    auto above = Add("Above", ole::Variant("above"), shared::ksTextEditor);
    for (const ole::Variant& value :
         {ole::Variant::Null(), ole::Variant(ole::Ptr<ole::Object>(CListItems::Create()))}) {
        auto row =
            Add("R" + std::to_string(Grid().GetProperties()->Count()), value, shared::ksTextEditor);
        Open(above);
        Open(row);
        EXPECT_EQ(Box().Text(), "");
    }
}

TEST_F(TextEditorTest, TextModeTakesEveryKeyAndEndsOnEnterOrEscape) {
    auto caption = Add("Caption", ole::Variant("old"), shared::ksTextEditor);
    Open(caption);
    Box().SetText("");
    Type("a-.,$x1");
    EXPECT_EQ(Box().Text(), "a-.,$x1");
    Type("\x1b");
    EXPECT_FALSE(Grid().ActiveEditor());
    EXPECT_EQ(caption->GetValue().AsString(), "old");

    Open(caption);
    EXPECT_EQ(Box().Text(), "old");
    Box().SetSelStart(3);
    Type("!\r");
    EXPECT_FALSE(Grid().ActiveEditor());
    EXPECT_EQ(caption->GetValue().AsString(), "old!");
    EXPECT_TRUE(errors.empty());
}

// The box shows every value in the fixed en-US text forms, whatever the machine's locale.
TEST_F(TextEditorTest, ValuesShowInTheirFixedTextForms) {
    const std::vector<std::pair<ole::Variant, std::string>> cases = {
        {ole::Variant(1.5), "1.5"},
        {ole::Variant(true), "True"},
        {ole::Variant::FromDate(ole::CDate(ole::Variant("1/2/2024"))), "1/2/2024"},
    };
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(text);
        Open(AddRow(value, shared::ksTextEditor));
        EXPECT_EQ(Box().Text(), text);
        Type("\x1b");
    }
}

// Typing after a click on the value goes into the box; an edit opened by a click on the name or
// from the keyboard leaves the focus on the grid, whose arrow keys go on moving the selection.
TEST_F(TextEditorTest, OnlyAClickOnTheValueFocusesTheBox) {
    auto first = Add("First", ole::Variant("one"), shared::ksTextEditor);
    auto second = Add("Second", ole::Variant(2), shared::KSNumberEditor);
    ClickCell(first);
    EXPECT_EQ(win::GetFocus(), Box().Window());
    Box().SetSelStart(3);
    Type("!\r");
    EXPECT_EQ(first->GetValue().AsString(), "one!");

    ClickCell(first, true);
    ASSERT_TRUE(Grid().ActiveEditor());
    EXPECT_EQ(win::GetFocus(), Grid().GridWnd());
    win::test::keyPress(win::VK_DOWN);
    win::test::pump();
    EXPECT_EQ(Grid().GetSelectedProperty().Get(), second.Get());
    EXPECT_EQ(win::GetFocus(), Grid().GridWnd());
    ClickCell(second);
    EXPECT_EQ(win::GetFocus(), Box().Window());
}

// What reaches the box of a number row, by the row's parameters and the box's text and selection.
TEST_F(TextEditorTest, NumberKeysPassOnlyWhatCanMakeAValidNumber) {
    struct Case {
        std::vector<std::string> params;
        const char* text;
        int32_t selStart;
        int32_t selLength;
        char key;
        bool passes;
    };
    const Case cases[] = {
        {{}, "12", 0, 0, '-', false},
        {{}, "12", 2, 0, '.', false},
        {{}, "12", 2, 0, 'a', false},
        {{}, "12", 2, 0, '\b', true},
        {{}, "12", 2, 0, '7', true},
        {{" allownegative "}, "12", 0, 0, '-', true},
        {{"AllowNegative"}, "12", 1, 0, '-', false},
        {{"AllowNegative"}, "-12", 0, 0, '-', false},
        {{"AllowNegative"}, "-12", 0, 1, '-', true},
        {{"AllowFloatingPoint"}, "1.5", 2, 1, '.', false},
        {{"AllowFloatingPoint"}, "1.5", 1, 2, '.', true},
        {{"AllowFloatingPoint"}, "15", 1, 0, '.', true},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " key " + c.key);
        auto number =
            Add("N" + std::to_string(n++), ole::Variant(1), shared::KSNumberEditor, c.params);
        Grid().SetSelectedProperty(number);
        auto* editor = dynamic_cast<CTextEditor*>(Grid().ActiveEditor().Get());
        ASSERT_TRUE(editor);
        Box().SetText(c.text);
        Box().SetSelStart(c.selStart);
        Box().SetSelLength(c.selLength);
        int16_t key = c.key;
        editor->KeyPress(key);
        EXPECT_EQ(key != 0, c.passes);
    }
}

TEST_F(TextEditorTest, NumberTextCommitsOnlyInTheStrictGrammar) {
    auto number = Add("Number", ole::Variant(5), shared::KSNumberEditor,
                      {"AllowNegative", "AllowFloatingPoint"});
    auto other = Add("Other", ole::Variant("x"), shared::ksTextEditor);
    for (const char* pasted : {"1,000", "$5", "1e3", "12a", "-", "", "1.2.3", "--1"}) {
        SCOPED_TRACE(pasted);
        errors.clear();
        CTextEditor& editor = Open(number);
        Box().SetText(pasted);
        Type("\r");
        EXPECT_EQ(Grid().ActiveEditor().Get(), &editor);
        ClickCell(other);
        EXPECT_EQ(errors, std::vector<int32_t>{kInvalidPropertyValue});
        EXPECT_EQ(number->GetValue().AsI4(), 5);
    }
    // Empty text, refused as it is, reads as 0.
    CTextEditor& editor = Open(number);
    Box().SetText("");
    EXPECT_EQ(editor.GetValue().AsR8(), 0.0);
    Type("\x1b");
    for (const auto& [text, value] : {std::pair{" 3.25 ", 3.25}, {"-0.5", -0.5}, {".5", 0.5}}) {
        Open(number);
        Box().SetText(text);
        Type("\r");
        ASSERT_FALSE(validated.empty());
        EXPECT_EQ(validated.back().ValueType(), ole::VT_R8);
        EXPECT_EQ(number->GetValue().AsR8(), value);
    }
}

// A number row without parameters refuses "." and "-" right after an edit that allowed them, and
// an editor whose listener is gone ends nothing.
TEST_F(TextEditorTest, EveryResetReadsItsRowAfresh) {
    auto loose = Add("Loose", ole::Variant(1), shared::KSNumberEditor,
                     {"AllowNegative", "AllowFloatingPoint"});
    auto strict = Add("Strict", ole::Variant(1), shared::KSNumberEditor);
    Open(loose);
    CTextEditor& editor = Open(strict);
    Box().SetText("");
    Type("-1.5");
    EXPECT_EQ(Box().Text(), "15");

    validated.clear();
    auto unbound = CTextEditor::Create();
    unbound->Reset(strict, CEditorListener::Create());
    EXPECT_EQ(unbound->ScaleMode(), 3);
    EXPECT_TRUE(unbound->GetValue().IsEmpty());
    EXPECT_EQ(unbound->hwnd(), 0);
    EXPECT_EQ(unbound->Text(), "");
    unbound->Commit();
    editor.Reset(strict, CEditorListener::Create());
    editor.Commit();
    EXPECT_TRUE(validated.empty());
}

// A number typed into a row whose source refuses it is reported once with the source's error;
// the source, the property and the row keep the old value and the edit ends.
TEST_F(TextEditorTest, ASourceRefusingTheTypedNumberKeepsItsValue) {
    auto sizer = Sizer::Create();
    std::string key;
    auto width = Grid().GetProperties()->Add("Width", ole::Variant(100), "", key, sizer, true,
                                             shared::KSNumberEditor);
    width->SetEditorParam("AllowNegative", "True");
    Open(width);
    Box().SetText("");
    Type("-5\r");
    EXPECT_EQ(errors, std::vector<int32_t>{380});
    EXPECT_EQ(sizer->GetWidth(), 100);
    EXPECT_EQ(width->GetValue().AsI4(), 100);
    EXPECT_EQ(ole::CStr(Row(width)->Value()), "100");
    EXPECT_FALSE(Grid().ActiveEditor());
    EXPECT_EQ(win::GetFocus(), Grid().GridWnd());
}

} // namespace
} // namespace attrgrid::test
