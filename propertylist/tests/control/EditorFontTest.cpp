// The font an editor shows: the row's Bold and Italic on the control font, copied into the child
// control behind the editor or handed over as a font handle, and never shared with the control's
// own Font.

#include "BuiltinEditorFixture.h"

#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/forms/host/Extender.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

class EditorFontTest : public BuiltinEditorFixture {
protected:
    ole::Ptr<CProperty> AddStyled(ole::Variant value, int32_t editorType, bool bold) {
        auto property = AddRow(std::move(value), editorType);
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
    Z& grid = Show();
    auto bold = AddStyled(ole::Variant("b"), shared::ksTextEditor, true);
    auto plain = AddStyled(ole::Variant("p"), shared::ksTextEditor, false);

    Open(bold);
    ASSERT_TRUE(TextBoxFont());
    EXPECT_TRUE(TextBoxFont()->Bold());
    EXPECT_FALSE(grid.GetFont()->Bold());

    // A new control font reaches the open editor (plain, as the control's) and places it again
    // over the taller row.
    auto serif = ole::Font::Create();
    serif->SetName("DejaVu Serif");
    serif->SetSize(ole::Currency::FromUnits(14));
    const int32_t before = grid.RowHeight();
    grid.SetFont(serif);
    ASSERT_GT(grid.RowHeight(), before);
    EXPECT_EQ(TextBoxFont()->Name(), "DejaVu Serif");
    EXPECT_FALSE(TextBoxFont()->Bold());
    EXPECT_EQ(EditorRect().bottom, Row(bold)->ValueRect().bottom - 1);
    EXPECT_FALSE(grid.GetFont()->Bold());

    Open(plain);
    EXPECT_FALSE(TextBoxFont()->Bold());
    EXPECT_FALSE(grid.GetFont()->Bold());
    EXPECT_FALSE(ole::Is(TextBoxFont(), grid.GetFont()));
}

TEST_F(EditorFontTest, ListAndBooleanRowsStyleTheListBoxOthersGetAHandle) {
    Z& grid = Show();
    Open(AddStyled(ole::Variant(true), shared::ksBooleanEditor, true));
    ASSERT_TRUE(ListBoxFont());
    EXPECT_TRUE(ListBoxFont()->Bold());
    EXPECT_FALSE(grid.GetFont()->Bold());

    Open(AddStyled(ole::Variant("/tmp"), shared::ksFileEditor, true));
    const auto font = win::SendMessageA(EditorWindow(), win::WM_GETFONT, 0, 0);
    win::LOGFONTA logFont{};
    ASSERT_NE(win::GetObjectA(win::HGDIOBJ::FromValue(static_cast<uint32_t>(font)), sizeof(logFont),
                              &logFont),
              0);
    EXPECT_GT(logFont.lfWeight, 550);
    EXPECT_FALSE(grid.GetFont()->Bold());
}

} // namespace
} // namespace attrgrid::test
