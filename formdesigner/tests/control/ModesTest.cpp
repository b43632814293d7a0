#include "DesignerFixture.h"

#include "shared/subclass/SubclassWnd.h"

#include "platform/forms/host/Ambient.h"
#include "platform/forms/test/EventRecorder.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/Win.h"
#include "platform/win/test/Spy.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace layoutdesk::test {
namespace {

using testing::ElementsAre;
using win::test::MouseButton;

// A suite control as the designer meets one: a user control of another library, created by
// ProgID, counting the presses its surface gets.
class ProbeControl final : public forms::UserControl {
public:
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info = ole::ClassBuilder<ProbeControl>("ProbeControl")
                                               .Library("LayoutdeskTest")
                                               .ClassId("{0C7D31A2-5B64-4E0F-9A8B-3D2E1F4C5B60}")
                                               .Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    static void Register() {
        ole::ClassFlags flags;
        flags.control = true;
        ole::RegisterClass(
            "LayoutdeskTest.Probe", Info().ClassId(),
            [] { return ole::Ptr<ole::Object>(ole::MakeObject<ProbeControl>()); }, &Info(), flags);
    }
    static inline int presses = 0;

protected:
    void OnMouseDown(int16_t, int16_t, float, float) override { ++presses; }
};

class ModesTest : public OneButtonFixture {
protected:
    void SetUp() override {
        OneButtonFixture::SetUp();
        buttonEvents = forms::test::EventRecorder::Attach(button);
        Events();
    }
    void TearDown() override {
        buttonEvents->Detach();
        buttonEvents = nullptr;
        OneButtonFixture::TearDown();
    }

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

// The focus guard keeps the focus on a designer that can hold it, and never fights another
// designer for it.
TEST_F(ModesTest, TwoDesignersOnOneFormEachTakeTheFocusForTheirClicks) {
    Designer().LetMode(ksModeSelect);
    auto other = Host().Host(ZORudeRuduvozu::kProgId, "Designer2", {320, 10, 390, 100});
    auto& second = static_cast<ZORudeRuduvozu&>(*other->Inner());
    auto inner = Add("VB.CommandButton", "Command9", {150, 150, 600, 450}, other);
    second.LetMode(ksModeSelect);
    EXPECT_EQ(win::GetFocus(), second.hWnd());
    win::test::advanceTime(1000);
    win::test::mouseDown(MouseButton::Left, second.hWnd(), {25, 20});
    win::test::mouseUp(MouseButton::Left, second.hWnd(), {25, 20});
    win::test::pump();
    EXPECT_TRUE(second.IsSelected(ole::Variant(inner)));
    Click({60, 40});
    EXPECT_EQ(win::GetFocus(), Surface());
    EXPECT_THAT(Selected(), ElementsAre("Command1"));
}

TEST_F(ModesTest, AHiddenDesignerLeavesTheFocusToItsSiblings) {
    ole::Ptr<forms::Control> sibling = GetForm().Add("VB.TextBox", "Outside");
    ole::LetProperty(ole::Variant(sibling), "Visible", ole::Variant(true));
    Designer().LetMode(ksModeSelect);
    ole::LetProperty(ole::Variant(DesignerExtender()), "Visible", ole::Variant(false));
    win::test::pump();
    win::test::advanceTime(1000);
    win::test::mouseDown(MouseButton::Left, sibling->Window(), {5, 5});
    win::test::mouseUp(MouseButton::Left, sibling->Window(), {5, 5});
    win::test::pump();
    EXPECT_EQ(win::GetFocus(), sibling->Window());
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

TEST_F(ModesTest, OneSetOfHooksServesEveryDesignerOfTheThread) {
    Designer();
    const size_t withOne = win::test::liveHookCount();
    auto second = Host().Host(ZORudeRuduvozu::kProgId, "Designer2", {320, 10, 390, 100});
    auto third = Add(ZORudeRuduvozu::kProgId, "Designer3", {3000, 1500, 4200, 2700});
    EXPECT_EQ(win::test::liveHookCount(), withOne);
    GetForm().RemoveAdded(third);
    second = nullptr;
    third = nullptr;
    EXPECT_EQ(win::test::liveHookCount(), withOne);
}

// Each kind of hosted control in select mode: a click selects it (the innermost one inside a
// frame) and the control hears nothing; in run mode the same click reaches it.
TEST_F(ModesTest, EveryKindOfHostedControlIsInterceptedInTheDesignModes) {
    ProbeControl::Register();
    ProbeControl::presses = 0;
    auto frame = Add("VB.Frame", "Frame1", {1800, 300, 4200, 1800});
    const struct {
        ole::Ptr<forms::Control> control;
        win::POINT at;
        bool hearsRunClicks;
    } cases[] = {
        {button, {60, 40}, true},
        {Add("VB.TextBox", "Text1", {300, 1200, 1500, 1500}), {60, 90}, true},
        {Add("VB.CheckBox", "Check1", {300, 1800, 1500, 2100}), {60, 130}, true},
        {Add("VB.CheckBox", "Check2", {240, 480, 1440, 780}, frame), {0, 0}, true},
        {Add("VB.Label", "Label1", {300, 2400, 1500, 2700}), {60, 170}, true},
        {Add("VB.Shape", "Shape1", {1800, 2100, 2400, 2700}), {140, 160}, false},
        {Add("VB.PictureBox", "Picture1", {2700, 2100, 3600, 2700}), {210, 160}, true},
        {Add("LayoutdeskTest.Probe", "Probe1", {3900, 2100, 4350, 2700}), {275, 160}, true},
    };
    const auto pointOf = [&](const auto& c) {
        if (c.at.x || c.at.y)
            return c.at;
        win::RECT r{};
        win::GetWindowRect(c.control->Window(), &r);
        win::POINT pt{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        win::ScreenToClient(Surface(), &pt);
        return pt;
    };
    std::vector<ole::Ptr<forms::test::EventRecorder>> recorders;
    for (const auto& c : cases)
        recorders.push_back(forms::test::EventRecorder::Attach(c.control));
    for (const int32_t mode : {ksModeSelect, ksModeDraw, ksModeRun}) {
        Designer().LetMode(mode);
        for (size_t i = 0; i < std::size(cases); ++i) {
            const auto& c = cases[i];
            const std::string name = ole::CStr(ole::GetProperty(ole::Variant(c.control), "Name"));
            recorders[i]->Clear();
            const int pressesBefore = ProbeControl::presses;
            Click(pointOf(c));
            // Repaints after a selection change are no input.
            const std::vector<std::string> names = recorders[i]->Names();
            const bool heard =
                std::any_of(names.begin(), names.end(),
                            [](const std::string& n) {
                                return n == "Click" || n.starts_with("Mouse") || n == "GotFocus";
                            }) ||
                ProbeControl::presses > pressesBefore;
            EXPECT_EQ(heard, mode == ksModeRun && c.hearsRunClicks)
                << name << " mode " << mode << ": " << testing::PrintToString(recorders[i]->Log());
            if (mode == ksModeSelect)
                EXPECT_THAT(Selected(), ElementsAre(name));
            else
                EXPECT_TRUE(Selected().empty()) << name;
        }
    }
    for (const auto& recorder : recorders)
        recorder->Detach();
}

} // namespace
} // namespace layoutdesk::test
