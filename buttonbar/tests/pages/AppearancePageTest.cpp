#include "buttonbar/tests/pages/PageFixture.h"

#include "platform/forms/controls/buttons/CheckBox.h"

#include <gtest/gtest.h>

namespace shelfstrip::test {
namespace {

class AppearancePageTest : public PageFixture {
protected:
    int16_t Check(std::string_view name) { return Find<forms::CheckBox>(name).GetValue(); }
    void PickRow(std::string_view name, int32_t row) {
        auto& list = Find<forms::ComboBox>(name);
        win::SetFocus(list.Window());
        for (int32_t i = list.GetListIndex(); i < row; ++i) {
            win::test::keyPress(win::VK_DOWN);
            win::test::pump();
        }
    }
};

TEST_F(AppearancePageTest, LoadsEveryValueAndAppliesThemBack) {
    Bar().LetShowCloseButton(true);
    Bar().LetShowCaptionBar(false);
    Bar().LetMousePointer(11);
    Bar().LetGroupGradientType(ksGradientVertical);
    Bar().LetButtonGradientType(ksGradientHorizontal);
    // Values that differ wherever two lists could be mixed up.
    Bar().LetBorderStyle(ksFixedSingle);
    Bar().LetButtonAppearance(ksClassic3DRaised);
    Bar().LetShowButtonInfo(ksPictureOnly);
    Bar().LetCaption("  Tools ");
    Bar().ClearPropertyChangedLog();
    Open("Appearance");
    EXPECT_EQ(Check("chkCloseButton"), 1);
    EXPECT_EQ(Check("chkShowCaptionBar"), 0);
    EXPECT_EQ(Row("lstAppearance"), 1);
    EXPECT_EQ(Row("lstBorderStyle"), ksFixedSingle);
    EXPECT_EQ(Row("lstButtonAppearance"), ksClassic3DRaised);
    EXPECT_EQ(Row("lstButtonHighlightZone"), 0);
    EXPECT_EQ(Row("lstMousePointer"), 11);
    EXPECT_EQ(Row("lstGroupAppearance"), ksModern3dRaised);
    EXPECT_EQ(Row("lstSelBtnApp"), ksClassic3dSunken);
    EXPECT_EQ(Row("lstShowButtonInfo"), ksPictureOnly);
    EXPECT_EQ(Row("lstGrpGradientType"), ksGradientVertical);
    EXPECT_EQ(Row("lstBtnGradientType"), ksGradientHorizontal);
    EXPECT_EQ(Text("txtCaption"), "  Tools ");
    auto& pointers = Find<forms::ComboBox>("lstMousePointer");
    EXPECT_EQ(pointers.GetListCount(), 17);
    EXPECT_EQ(pointers.GetList(11), "11 - Hourglass");
    EXPECT_EQ(Find<forms::ComboBox>("lstAppearance").GetList(0), "0 - ksFlatContorl");
    EXPECT_EQ(Find<forms::ComboBox>("lstBtnGradientType").GetList(0), "0-ksGradientNone");
    EXPECT_TRUE(Page().Changed());
    Snapshot("buttonbar-page-appearance");

    Press(m_frame->ApplyButton());
    EXPECT_TRUE(Notified().empty()) << "every value written back unchanged";

    Type("txtCaption", " Bar ");
    PickRow("lstMousePointer", 16);
    win::test::click(Find("chkShowCaptionBar").Window(), win::POINT{5, 5});
    win::test::pump();
    PickRow("lstBtnGradientType", ksGradientHorizontalCenter);
    Press(m_frame->OkButton());
    EXPECT_EQ(Bar().GetCaption(), " Bar ");
    EXPECT_TRUE(Bar().GetShowCaptionBar());
    EXPECT_TRUE(Bar().GetShowCloseButton());
    EXPECT_EQ(Bar().GetMousePointer(), AppearancePage::kCustomPointer);
    EXPECT_EQ(Bar().GetButtonGradientType(), ksGradientHorizontalCenter);
    EXPECT_EQ(Bar().GetGroupGradientType(), ksGradientVertical);
    EXPECT_EQ(Bar().GetBorderStyle(), ksFixedSingle);
    EXPECT_EQ(Bar().GetButtonHighlightZone(), 0);
    EXPECT_EQ(Bar().GetButtonAppearance(), ksClassic3DRaised);
    EXPECT_EQ(Bar().GetShowButtonInfo(), ksPictureOnly);
}

TEST_F(AppearancePageTest, TheCustomPointerLoadsTheLastRowAndTheGradientLabelsKeysReachTheirLists) {
    Bar().LetMousePointer(AppearancePage::kCustomPointer);
    Open("Appearance");
    EXPECT_EQ(Row("lstMousePointer"), AppearancePage::kCustomRow);

    const auto alt = [](char key) {
        win::test::keyPress(key, win::test::Modifiers::Alt);
        win::test::pump();
        return win::GetFocus();
    };
    EXPECT_EQ(alt('U'), Find("lstBtnGradientType").Window());
    // "&Group Appearance" and "Group &Gradient Type" share the key: each press takes the next.
    EXPECT_EQ(alt('G'), Find("lstGroupAppearance").Window());
    EXPECT_EQ(alt('G'), Find("lstGrpGradientType").Window());
    EXPECT_EQ(alt('G'), Find("lstGroupAppearance").Window());
}

// A value with no row stops neither the load nor the apply of the others: nothing is written over
// with a blank caption or a list that was never loaded.
TEST_F(AppearancePageTest, AValueWithNoRowLeavesEveryValueAsItWas) {
    Bar().LetButtonAppearance(9);
    Bar().LetCaption("Tools");
    Open("Appearance");
    EXPECT_EQ(Row("lstButtonAppearance"), -1);
    Press(m_frame->OkButton());
    EXPECT_EQ(Bar().GetButtonAppearance(), 9);
    EXPECT_EQ(Bar().GetGroupAppearance(), ksModern3dRaised);
    EXPECT_EQ(Bar().GetCaption(), "Tools");
}

TEST_F(AppearancePageTest, AnAppliedGradientRepaintsTheBarsButtons) {
    constexpr win::COLORREF kBack = 0x00800000;
    Bar().LetButtonBackColor(kBack);
    Bar().LetButtonGradientColor(0x000000FF);
    AddButtons(1);
    m_host->Show();
    Open("Appearance");
    const win::RECT cell = ActiveGroup()->GetButtons()->At(1)->Bounds();
    const int middle = (cell.top + cell.bottom) / 2;
    EXPECT_EQ(BarPixel(cell.left + 1, middle), kBack);
    PickRow("lstBtnGradientType", ksGradientHorizontal);
    EXPECT_EQ(BarPixel(cell.left + 1, middle), kBack) << "nothing reaches the bar before apply";
    Press(m_frame->ApplyButton());
    // The shade starts at the gradient colour on the left.
    const win::COLORREF shaded = BarPixel(cell.left + 1, middle);
    EXPECT_GT(win::GetRValue(shaded), 0xC0);
    EXPECT_LT(win::GetBValue(shaded), 0x40);
}

} // namespace
} // namespace shelfstrip::test
