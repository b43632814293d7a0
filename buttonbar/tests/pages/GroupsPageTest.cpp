#include "buttonbar/tests/pages/PageFixture.h"

#include "platform/forms/controls/buttons/CheckBox.h"
#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/scrollbar/HScrollBar.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/picture/PictureType.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace shelfstrip::test {
namespace {

class GroupsPageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        Groups()->Add("Two");
        Groups()->Add("Three");
        Bar().SetActiveGroup(Groups()->At(2));
        Events();
    }
    ole::Ptr<CGroups> Groups() { return Bar().GetGroups(); }
    forms::HScrollBar& Scroller() { return Find<forms::HScrollBar>("scrGroupIndex"); }
    void ClickVisible() {
        win::test::click(Find("chkVisible").Window(), win::POINT{5, 5});
        win::test::pump();
    }
};

// Opening the page and the reload after a delete set the scroller's range without activating
// anything on their own.
TEST_F(GroupsPageTest, OpensOnTheActiveGroupAndTheScrollerActivatesAnother) {
    Bar().ClearPropertyChangedLog();
    Open("Groups");
    EXPECT_EQ(Text("txtGroupIndex"), "2");
    EXPECT_EQ(Find<forms::Label>("lblGroupCount").Caption(), "of 3");
    EXPECT_EQ(Text("txtGrpCaption"), "Two");
    EXPECT_TRUE(Find("btnDelGroup").Enabled());
    Snapshot("buttonbar-page-groups");
    EXPECT_EQ(Events(), std::vector<std::string>{});
    EXPECT_EQ(Notified(), std::vector<std::string>{});

    Scroller().SetValue(3);
    EXPECT_EQ(Bar().GetActiveGroup(), Groups()->At(3));
    EXPECT_EQ(Events(), std::vector<std::string>{"ActiveGroupChanged"});
    EXPECT_EQ(Text("txtGrpCaption"), "Three");

    Press(Find<forms::CommandButton>("btnDelGroup"));
    const auto events = Events();
    EXPECT_EQ(std::count(events.begin(), events.end(), "ActiveGroupChanged"), 1);
    EXPECT_EQ(Bar().GetActiveGroup(), Groups()->At(1));
    EXPECT_EQ(Text("txtGrpCaption"), Groups()->At(1)->GetCaption());
    EXPECT_EQ(Text("txtGroupIndex"), "1");
    Press(Find<forms::CommandButton>("btnDelGroup"));
    EXPECT_EQ(Groups()->Count(), 1);
    EXPECT_EQ(Text("txtGrpCaption"), "Two");
    EXPECT_FALSE(Find("btnDelGroup").Enabled());
}

TEST_F(GroupsPageTest, TheLastVisibleGroupStaysVisible) {
    Groups()->At(1)->LetVisible(false);
    Groups()->At(3)->LetVisible(false);
    Open("Groups");
    Page().SetChanged(false);
    forms::MessageBoxResponder().Queue(win::IDOK);
    ClickVisible();
    EXPECT_EQ(forms::MessageBoxResponder().Log().back().request.text,
              "Atleast one group must be visible.");
    EXPECT_EQ(Find<forms::CheckBox>("chkVisible").GetValue(), 1);
    EXPECT_TRUE(Page().Changed());

    Groups()->At(1)->LetVisible(true);
    ClickVisible();
    EXPECT_EQ(Find<forms::CheckBox>("chkVisible").GetValue(), 0);
    Press(m_frame->OkButton());
    EXPECT_FALSE(Groups()->At(2)->GetVisible());
    EXPECT_NE(Bar().GetActiveGroup(), Groups()->At(2));
}

// Hiding the group shown makes the bar activate a neighbour while the page still shows the hidden
// group; the visibility rule and the next apply are about the group shown, not the neighbour.
TEST_F(GroupsPageTest, AnApplyAfterHidingTheGroupShownWritesThatGroup) {
    Groups()->At(3)->LetVisible(false);
    const auto neighbour = Groups()->At(1);
    const std::string caption = neighbour->GetCaption();
    Open("Groups");
    ClickVisible();
    Press(m_frame->ApplyButton());
    ASSERT_EQ(Bar().GetActiveGroup(), neighbour);
    ClickVisible();
    ClickVisible();
    EXPECT_EQ(Find<forms::CheckBox>("chkVisible").GetValue(), 0) << "the neighbour is visible";
    Type("txtGrpCaption", "Renamed");
    Press(m_frame->OkButton());
    EXPECT_EQ(Groups()->At(2)->GetCaption(), "Renamed");
    EXPECT_EQ(neighbour->GetCaption(), caption);
    EXPECT_TRUE(neighbour->GetVisible());
}

// A layout with no row is reported; the group's other values still show, so apply neither hides
// the group nor replaces its layout.
TEST_F(GroupsPageTest, ALayoutWithNoRowIsKeptAndTheRestShows) {
    Groups()->At(2)->LetButtonBackgroundLayout(7);
    Open("Groups");
    EXPECT_EQ(Find<forms::CheckBox>("chkVisible").GetValue(), 1);
    EXPECT_EQ(Row("lstBtnBgLayout"), -1);
    EXPECT_EQ(Text("txtGroupIndex"), "2");
    EXPECT_EQ(Find<forms::Label>("lblGroupCount").Caption(), "of 3");
    Press(m_frame->OkButton());
    EXPECT_TRUE(Groups()->At(2)->GetVisible());
    EXPECT_EQ(Groups()->At(2)->GetButtonBackgroundLayout(), 7);
}

TEST_F(GroupsPageTest, AddTrimsTheCaptionKeepsTheTagAndApplyDisablesAdd) {
    Open("Groups");
    Type("txtGrpCaption", " X ");
    Type("txtGrpKey", " xKey ");
    Type("txtGrpToolTip", " xTip ");
    Type("txtTag", " t ");
    Press(Find<forms::CommandButton>("btnAddGroup"));
    ASSERT_EQ(Groups()->Count(), 4);
    EXPECT_EQ(Bar().GetActiveGroup(), Groups()->At(4));
    EXPECT_EQ(Groups()->At(4)->GetCaption(), "X");
    EXPECT_EQ(Groups()->At(4)->GetKey(), "xKey");
    EXPECT_EQ(Groups()->At(4)->GetTooltipText(), "xTip");
    EXPECT_EQ(ole::CStr(Groups()->At(4)->GetTag()), " t ");
    EXPECT_EQ(Text("txtGroupIndex"), "4");

    Type("txtGrpCaption", " Y ");
    Type("txtGrpKey", " yKey ");
    Type("txtGrpToolTip", " yTip ");
    Press(m_frame->ApplyButton());
    EXPECT_EQ(Groups()->At(4)->GetCaption(), "Y");
    EXPECT_EQ(Groups()->At(4)->GetKey(), "yKey");
    EXPECT_EQ(Groups()->At(4)->GetTooltipText(), "yTip");
    EXPECT_FALSE(Find("btnAddGroup").Enabled());
    Type("txtGrpKey", "k");
    EXPECT_TRUE(Find("btnAddGroup").Enabled());
}

TEST_F(GroupsPageTest, ApplyMovesTheActiveGroupToANewIndexReadWithoutLocale) {
    Open("Groups");
    for (const char* bad : {"1,0", "4", "x"})
        EXPECT_EQ(ApplyNewIndex(bad), std::vector<std::string>{"Invalid Index."}) << bad;
    EXPECT_EQ(ApplyNewIndex("&H3"), std::vector<std::string>{});
    EXPECT_EQ(Groups()->At(3)->GetCaption(), "Two");
    EXPECT_EQ(Bar().GetActiveGroup(), Groups()->At(3));
    EXPECT_EQ(Text("txtGroupIndex"), "3");
}

TEST_F(GroupsPageTest, ATagEditedAloneIsApplied) {
    Open("Groups");
    Press(m_frame->ApplyButton());
    Type("txtTag", " only ");
    EXPECT_TRUE(Page().Changed());
    Press(m_frame->OkButton());
    EXPECT_EQ(ole::CStr(Groups()->At(2)->GetTag()), "only");
}

TEST_F(GroupsPageTest, AnEmptiedPictureTextRemovesTheBackgroundPicture) {
    Groups()->At(2)->SetButtonBackgroundPicture(Bitmap());
    Open("Groups");
    EXPECT_EQ(Text("txtPicture"), "(Picture)");
    Find<forms::TextBox>("txtPicture").SetText("");
    Press(m_frame->OkButton());
    // The preview's empty picture, which the bar treats as none.
    const auto picture = Groups()->At(2)->GetButtonBackgroundPicture();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Type(), 0);
}

TEST_F(GroupsPageTest, AnAppliedLayoutRepaintsTheBarsButtonArea) {
    constexpr win::COLORREF kBack = 0x00800000;
    Bar().LetButtonBackColor(kBack);
    // A red square, centred in the button area until it is tiled from the origin.
    Groups()->At(2)->SetButtonBackgroundPicture(ole::Picture::FromImage(
        ole::Image{8, 8, std::vector<uint32_t>(64, 0xFFFF0000)}, ole::PICTYPE_BITMAP));
    m_host->Show();
    Open("Groups");
    EXPECT_EQ(BarPixel(1, 1), kBack);
    NextRow("lstBtnBgLayout");
    NextRow("lstBtnBgLayout");
    EXPECT_EQ(Row("lstBtnBgLayout"), ksPictureTiled);
    EXPECT_EQ(BarPixel(1, 1), kBack) << "nothing reaches the bar before apply";
    Press(m_frame->ApplyButton());
    EXPECT_EQ(BarPixel(1, 1), 0x000000FFu);
}

TEST_F(GroupsPageTest, ABarReadWithoutACurrentGroupShowsTheFirstWithoutActivatingIt) {
    Unload();
    m_stored = ole::PropertyBag::Create();
    for (const auto& [name, value] :
         {std::pair{"GroupCount", ole::Variant(2)}, std::pair{"GRP1Caption", ole::Variant("A")},
          std::pair{"GRP2Caption", ole::Variant("B")}})
        m_stored->WriteProperty(name, value, ole::Variant::Missing());
    HostBar(HostMode::Design, kBounds, m_stored.Get());
    ASSERT_EQ(ActiveGroup(), nullptr);
    Open("Groups");
    EXPECT_EQ(ActiveGroup(), nullptr);
    EXPECT_EQ(Text("txtGroupIndex"), "1");
    EXPECT_EQ(Text("txtGrpCaption"), "A");
    Type("txtGrpCaption", "A2");
    Press(m_frame->OkButton());
    EXPECT_FALSE(m_frame->IsOpen());
    EXPECT_EQ(Groups()->At(1)->GetCaption(), "A2");
}

} // namespace
} // namespace shelfstrip::test
