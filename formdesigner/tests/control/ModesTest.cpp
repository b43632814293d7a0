#include "DesignerFixture.h"

#include "shared/subclass/SubclassWnd.h"

#include "platform/forms/host/Ambient.h"
#include "platform/forms/test/EventRecorder.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"
#include "platform/win/test/Spy.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace layoutdesk::test {
namespace {

using testing::ElementsAre;
using win::test::MouseButton;

class ModesTest : public DesignerFixture {
protected:
    // Command1 at designer pixels (20, 20)-(100, 60); its centre is (60, 40).
    void SetUp() override {
        DesignerFixture::SetUp();
        button = Add("VB.CommandButton", "Command1", {300, 300, 1500, 900});
        buttonEvents = forms::test::EventRecorder::Attach(button);
        Events();
    }
    void TearDown() override {
        buttonEvents->Detach();
        buttonEvents = nullptr;
        button = nullptr;
        DesignerFixture::TearDown();
    }

    ole::Ptr<forms::Control> button;
    ole::Ptr<forms::test::EventRecorder> buttonEvents;
};

TEST_F(ModesTest, SettingTheSameModeChangesNothing) {
    Designer().LetMode(ksModeSelect);
    Click({60, 40});
    Designer().ClearPropertyChangedLog();
    Events();
    Designer().LetMode(ksModeSelect);
    EXPECT_TRUE(Designer().PropertyChangedLog().empty());
    EXPECT_THAT(Selected(), ElementsAre("Command1"));
    EXPECT_TRUE(Events().empty());
}

TEST_F(ModesTest, LeavingSelectModeClearsTheSelectionAndFocusesTheDesigner) {
    Designer().LetMode(ksModeSelect);
    Click({60, 40});
    win::SetFocus({});
    Designer().LetMode(ksModeDraw);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(win::GetFocus(), Surface());
    EXPECT_THAT(Designer().PropertyChangedLog(), testing::Contains("Mode"));

    Designer().LetMode(ksModeSelect);
    Click({60, 40});
    Designer().LetMode(5); // stored, and a design mode
    EXPECT_EQ(Designer().GetMode(), 5);
    EXPECT_TRUE(Selected().empty());
}

TEST_F(ModesTest, InSelectModeAClickSelectsAndNeverReachesTheButton) {
    Designer().LetMode(ksModeSelect);
    MoveTo({60, 40});
    Events();
    Click({60, 40});
    EXPECT_TRUE(buttonEvents->Log().empty());
    EXPECT_THAT(Selected(), ElementsAre("Command1"));
    EXPECT_THAT(Events(), ElementsAre("ControlSelected(Command1)", "MouseDown(1, 0, 900, 600)",
                                      "MouseUp(1, 0, 900, 600)"));
}

TEST_F(ModesTest, RightPressAndDoubleClickStartNoDesignAction) {
    Designer().LetMode(ksModeSelect);
    MoveTo({60, 40});
    Events();
    Click({60, 40}, MouseButton::Right);
    EXPECT_THAT(Events(), ElementsAre("MouseDown(2, 0, 900, 600)", "MouseUp(2, 0, 900, 600)"));
    EXPECT_TRUE(Selected().empty());

    win::test::doubleClick(Surface(), {60, 40});
    win::test::pump();
    // The second press comes as a double click, which raises nothing.
    EXPECT_THAT(EventNames(), ElementsAre("ControlSelected", "MouseDown", "MouseUp", "MouseUp"));
    EXPECT_TRUE(buttonEvents->Log().empty());
}

TEST_F(ModesTest, InRunModeInputReachesTheHostedControls) {
    Click({60, 40});
    EXPECT_THAT(buttonEvents->Names(), testing::Contains("Click"));
    EXPECT_TRUE(Selected().empty());
    ole::Ptr<forms::Control> text = Add("VB.TextBox", "Text1", {300, 1200, 1500, 1600});
    win::SetFocus(text->Window());
    EXPECT_EQ(win::GetFocus(), text->Window());
}

TEST_F(ModesTest, TabFromASiblingMovesTheSelectionAndKeepsTheFocus) {
    ole::Ptr<forms::Control> second = Add("VB.CommandButton", "Command2", {300, 1200, 1500, 1600});
    ole::Ptr<forms::Control> sibling = GetForm().Add("VB.TextBox", "Outside");
    ole::LetProperty(ole::Variant(sibling), "Visible", ole::Variant(true));
    win::SetFocus(sibling->Window());
    Designer().LetMode(ksModeSelect);
    win::SetFocus(sibling->Window());
    win::test::Spy focusSeen(second->Window());
    win::test::keyPress(win::VK_TAB);
    win::test::pump();
    EXPECT_EQ(win::GetFocus(), Surface());
    EXPECT_EQ(Selected().size(), 1U);
    const std::vector<std::string> first = Selected();
    win::test::keyPress(win::VK_TAB);
    win::test::pump();
    EXPECT_NE(Selected(), first);
    win::test::keyPress(win::VK_TAB, win::test::Modifiers::Shift);
    win::test::pump();
    EXPECT_EQ(Selected(), first);
    EXPECT_EQ(win::GetFocus(), Surface());
    EXPECT_EQ(focusSeen.Count(win::WM_SETFOCUS), 0U);
}

TEST_F(ModesTest, AModeChangeOnAHiddenFormRaisesNothingAndIsReported) {
    Designer();
    GetForm().Hide();
    Designer().ClearPropertyChangedLog();
    Designer().LetMode(ksModeSelect);
    EXPECT_EQ(Designer().GetMode(), ksModeSelect);
    EXPECT_THAT(Designer().PropertyChangedLog(), ElementsAre("Mode"));
}

TEST_F(ModesTest, FocusTakenInRunModeCountsAfterTheModeChanges) {
    win::SetFocus(Surface());
    Designer().LetMode(ksModeSelect);
    Click({60, 40});
    EXPECT_THAT(Selected(), ElementsAre("Command1"));
}

TEST(DesignTimeHost, ADesignerOnADesignedFormInterceptsNothing) {
    win::test::resetPlatform();
    ZORudeRuduvozu::Register();
    const size_t hooks = win::test::liveHookCount();
    {
        forms::test::TestHost host(forms::test::HostMode::Design);
        auto extender = host.Host(ZORudeRuduvozu::kProgId, "Designer1", {10, 10, 310, 210});
        auto designer = ole::PtrCast<ZORudeRuduvozu>(extender->Inner());
        EXPECT_EQ(win::test::liveHookCount(), hooks);
        EXPECT_FALSE(designer->IsSubclassed());
        EXPECT_EQ(designer->ResourceMgr(), nullptr);
        EXPECT_EQ(shared::SubclassWnd::Module().Record(designer->hWnd()), nullptr);
    }
    EXPECT_EQ(win::test::liveHookCount(), hooks);
    win::test::resetPlatform();
}

} // namespace
} // namespace layoutdesk::test
