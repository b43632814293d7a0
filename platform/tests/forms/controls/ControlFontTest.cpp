#include "ControlFixture.h"

#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/picturebox/PictureBox.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/ole/font/Font.h"

namespace controlstest {
namespace {

using forms::Label;
using forms::PictureBox;
using forms::TextBox;

class ControlFontTest : public ControlTest {};

TEST_F(ControlFontTest, AssignmentCopiesAttributesIntoTheControlsOwnFont) {
    auto text = Site(TextBox::Create(), "txtName", {10, 10, 110, 30});
    const ole::Ptr<ole::Object> obj(text);
    const ole::Ptr<ole::Object> own = Get(obj, "Font").AsObject();

    auto assigned = ole::Font::Create();
    assigned->SetName("Arial");
    assigned->SetBold(true);
    assigned->SetSize(ole::Currency::FromUnits(12));
    SetRef(obj, "Font", assigned);

    const auto after = ole::PtrCast<ole::Font>(Get(obj, "Font").AsObject());
    ASSERT_TRUE(after);
    EXPECT_EQ(after.Get(), own.Get());
    EXPECT_NE(after.Get(), assigned.Get());
    EXPECT_EQ(after->Name(), "Arial");
    EXPECT_TRUE(after->Bold());
    EXPECT_EQ(after->Size(), ole::Currency::FromUnits(12));

    // The assigned object stays the caller's own.
    assigned->SetItalic(true);
    EXPECT_FALSE(after->Italic());
    EXPECT_EQ(ErrorOf([&] { SetRef(obj, "Font", nullptr); }), ole::ERR_OBJECT_NOT_SET);
}

TEST_F(ControlFontTest, ControlsStartWithACopyOfTheFormsFont) {
    auto formFont = ole::Font::Create();
    formFont->SetName("Courier New");
    formFont->SetSize(ole::Currency::FromUnits(10));
    m_form->SetFont(formFont);

    auto label = Site(Label::Create(), "lblName", {10, 10, 110, 30});
    auto picture = Site(PictureBox::Create(), "picBox", {10, 40, 110, 90});
    for (const ole::Ptr<ole::Font>& font : {label->Font(), picture->Font()}) {
        EXPECT_EQ(font->Name(), "Courier New");
        EXPECT_EQ(font->Size(), ole::Currency::FromUnits(10));
        EXPECT_NE(font.Get(), m_form->Font().Get());
    }
    // Later changes to the form's font are the form's alone.
    m_form->Font()->SetBold(true);
    EXPECT_FALSE(label->Font()->Bold());

    // A font assigned before siting is kept.
    auto early = TextBox::Create();
    auto big = ole::Font::Create();
    big->SetSize(ole::Currency::FromUnits(14));
    early->SetFont(big);
    Site(early, "txtEarly", {10, 100, 110, 120});
    EXPECT_EQ(early->Font()->Size(), ole::Currency::FromUnits(14));
    EXPECT_EQ(early->Font()->Name(), "MS Sans Serif");
}

TEST_F(ControlFontTest, DefaultFontIsSansSerifEightPointTwoFive) {
    auto label = Site(Label::Create(), "lblName", {10, 10, 110, 30});
    EXPECT_EQ(label->Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(label->Font()->Size(), ole::Font::kDefaultSize);
}

} // namespace
} // namespace controlstest
