// The font an editor shows: the row's Bold and Italic on the control font, copied into the child
// control behind the editor or handed over as a font handle, and never shared with the control's
// own Font.

#include "EditorDoubles.h"
#include "GridFixture.h"

#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/forms/host/Extender.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

class EditorFontTest : public GridFixture {
protected:
    ole::Ptr<CProperty> Add(const char* name, ole::Variant value, int32_t editorType,
                            bool bold = false) {
        auto property = Grid().GetProperties()->Add(name, std::move(value), "", editorType);
        property->LetBold(bold);
        return property;
    }
    ole::Ptr<ole::Font> TextBoxFont() {
        auto box = ole::PtrCast<forms::TextBox>(Grid().FindConstituent("m_TextEditor"));
        return box ? box->Font() : nullptr;
    }
    ole::Ptr<ole::Font> ListBoxFont() {
        auto site = ole::PtrCast<forms::Extender>(Grid().FindConstituent("m_ListEditor"));
        return ole::PtrCast<ole::Font>(
            ole::GetObjectProperty(ole::Variant(ole::Ptr<ole::Object>(site)), "Font").AsObject());
    }
};

TEST_F(EditorFontTest, ABoldRowNeverMakesTheControlFontBold) {
    ScopedBuiltins builtins;
    auto text = LoggingEditor::Create();
    builtins.Provide(shared::ksTextEditor, text);
    Z& grid = ShowGrid();
    auto bold = Add("Bold", ole::Variant("b"), shared::ksTextEditor, true);
    auto plain = Add("Plain", ole::Variant("p"), shared::ksTextEditor);

    grid.SetSelectedProperty(bold);
    ASSERT_TRUE(TextBoxFont());
    EXPECT_TRUE(TextBoxFont()->Bold());
    EXPECT_FALSE(grid.GetFont()->Bold());

    // A new control font reaches the open editor (plain, as the control's) and places it again.
    auto serif = ole::Font::Create();
    serif->SetName("DejaVu Serif");
    text->moved.clear();
    grid.SetFont(serif);
    EXPECT_EQ(TextBoxFont()->Name(), "DejaVu Serif");
    EXPECT_FALSE(TextBoxFont()->Bold());
    EXPECT_EQ(text->moved.size(), 4U);
    EXPECT_FALSE(grid.GetFont()->Bold());

    grid.SetSelectedProperty(plain);
    EXPECT_FALSE(TextBoxFont()->Bold());
    EXPECT_FALSE(grid.GetFont()->Bold());
    EXPECT_FALSE(ole::Is(TextBoxFont(), grid.GetFont()));
}

TEST_F(EditorFontTest, ListAndBooleanRowsStyleTheListBoxOthersGetAHandle) {
    ScopedBuiltins builtins;
    auto list = LoggingEditor::Create();
    auto file = LoggingEditor::Create();
    builtins.Provide(shared::KSListEditor, list);
    builtins.Provide(shared::ksFileEditor, file);
    Z& grid = ShowGrid();

    grid.SetSelectedProperty(Add("Flag", ole::Variant(true), shared::ksBooleanEditor, true));
    EXPECT_TRUE(ole::Is(grid.ActiveEditor(), list));
    ASSERT_TRUE(ListBoxFont());
    EXPECT_TRUE(ListBoxFont()->Bold());
    EXPECT_EQ(list->hFont, 0);
    EXPECT_FALSE(grid.GetFont()->Bold());

    grid.SetSelectedProperty(Add("Path", ole::Variant("/tmp"), shared::ksFileEditor, true));
    EXPECT_TRUE(ole::Is(grid.ActiveEditor(), file));
    ASSERT_NE(file->hFont, 0);
    win::LOGFONTA logFont{};
    ASSERT_NE(win::GetObjectA(win::HGDIOBJ::FromValue(static_cast<uint32_t>(file->hFont)),
                              sizeof(logFont), &logFont),
              0);
    EXPECT_GT(logFont.lfWeight, 550);
    EXPECT_FALSE(grid.GetFont()->Bold());
}

} // namespace
} // namespace attrgrid::test
