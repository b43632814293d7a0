#include "buttonbar/tests/pages/PageFixture.h"

#include "platform/ole/error/Error.h"

#include <gtest/gtest.h>

namespace shelfstrip::test {
namespace {

class PositionPageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        // Values that differ wherever two lists could be mixed up.
        Bar().LetButtonFlow(ksHorizontal);
        Bar().LetButtonLayout(ksTiled);
        Bar().LetButtonTextPosition(ksRight);
        Bar().LetButtonWidth(40);
        Bar().LetButtonHeight(30);
        Bar().ClearPropertyChangedLog();
    }
};

TEST_F(PositionPageTest, LoadsTheFirstBarAndApplyWritesAllSevenOnlyToIt) {
    KSButtonBar& second = HostSecond();
    Open("Position");
    EXPECT_EQ(Row("lstButtonFlow"), 1);
    EXPECT_EQ(Row("lstButtonLayout"), ksTiled);
    EXPECT_EQ(Row("lstButtonSize"), 0);
    EXPECT_EQ(Row("lstButtonTextPosition"), 1);
    EXPECT_EQ(Row("lstGroupFlow"), 0);
    EXPECT_EQ(Text("txtBtnWidth"), "40");
    EXPECT_EQ(Text("txtBtnHeight"), "30");
    // The load runs through the controls' own notifications.
    EXPECT_TRUE(Page().Changed());
    Snapshot("buttonbar-page-position");

    Press(m_frame->ApplyButton());
    EXPECT_TRUE(Notified().empty()) << "every value written back unchanged";
    EXPECT_FALSE(Page().Changed());

    NextRow("lstButtonSize");
    NextRow("lstButtonTextPosition");
    Type("txtBtnWidth", " 25 ");
    Type("txtBtnHeight", "12.5");
    EXPECT_TRUE(m_frame->ApplyEnabled());
    Press(m_frame->OkButton());
    EXPECT_FALSE(m_frame->IsOpen());
    EXPECT_EQ(Bar().GetButtonSize(), ksUserSpecified);
    EXPECT_EQ(Bar().GetButtonTextPosition(), ksTop);
    EXPECT_EQ(Bar().GetButtonWidth(), 25);
    EXPECT_EQ(Bar().GetButtonHeight(), 12);
    EXPECT_EQ(Bar().GetButtonFlow(), ksHorizontal);
    EXPECT_EQ(Bar().GetButtonLayout(), ksTiled);
    EXPECT_EQ(Bar().GetGroupFlow(), ksVertical);
    EXPECT_EQ(second.GetButtonSize(), ksAutoCalculated);
    EXPECT_EQ(second.GetButtonTextPosition(), ksBottom);
}

TEST_F(PositionPageTest, ARefusedSizeLeavesTheListsWrittenAndTheFrameOpen) {
    Open("Position");
    NextRow("lstGroupFlow");
    Type("txtBtnWidth", "0");
    Type("txtBtnHeight", "50");
    EXPECT_EQ(PressAnswering(m_frame->OkButton()),
              std::vector<std::string>{"Invalid property value."});
    EXPECT_TRUE(m_frame->IsOpen());
    EXPECT_TRUE(Page().Changed());
    EXPECT_EQ(Bar().GetGroupFlow(), ksHorizontal);
    EXPECT_EQ(Bar().GetButtonWidth(), 40);
    EXPECT_EQ(Bar().GetButtonHeight(), 30);

    Type("txtBtnWidth", "");
    EXPECT_EQ(PressAnswering(m_frame->ApplyButton()), std::vector<std::string>{"Type mismatch"});
    EXPECT_EQ(forms::MessageBoxResponder().Log().back().request.caption, kLibraryName);
    Press(m_frame->CancelButton());
    EXPECT_EQ(Bar().GetButtonHeight(), 30);
}

// A value with no row is reported and leaves its list on no row; the rest still loads, so apply
// writes back what the bar holds and leaves that value alone.
TEST_F(PositionPageTest, AValueWithNoRowIsReportedAndKeptWhileTheRestLoads) {
    Bar().LetButtonTextPosition(7);
    Bar().LetGroupFlow(ksHorizontal);
    Open("Position");
    auto& page = Page();
    EXPECT_EQ(forms::MessageBoxResponder().Log().back().request.caption, kLibraryName);
    EXPECT_EQ(Row("lstButtonTextPosition"), -1);
    EXPECT_EQ(Row("lstGroupFlow"), ksHorizontal);
    EXPECT_EQ(Text("txtBtnWidth"), "40");
    try {
        page.RaiseSelectionChanged(page.Selection());
        FAIL() << "loaded";
    } catch (const ole::Error& error) {
        EXPECT_EQ(error.Number(), 380);
    }
    Press(m_frame->OkButton());
    EXPECT_FALSE(m_frame->IsOpen());
    EXPECT_EQ(Bar().GetButtonTextPosition(), 7);
    EXPECT_EQ(Bar().GetGroupFlow(), ksHorizontal);
    EXPECT_EQ(Bar().GetButtonWidth(), 40);

    try {
        page.RaiseSelectionChanged({forms::TextBox::Create()});
        FAIL() << "loaded";
    } catch (const ole::Error& error) {
        EXPECT_EQ(error.Number(), 13);
    }
    page.ReleaseSelection();
}

} // namespace
} // namespace shelfstrip::test
