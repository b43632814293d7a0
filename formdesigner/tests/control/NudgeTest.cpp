#include "DesignerFixture.h"

#include "formdesigner/control/LateReads.h"

#include "platform/forms/form/Form.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace layoutdesk::test {
namespace {

using testing::ElementsAre;
using win::test::Modifiers;

class NudgeTest : public DesignerFixture {
protected:
    void SetUp() override {
        DesignerFixture::SetUp();
        a = Add("VB.CommandButton", "CmdA", {300, 300, 1200, 600});
        b = Add("VB.CommandButton", "CmdB", {300, 900, 1200, 1200});
        Designer().LetMode(ksModeSelect);
        Designer().SelectControl(ole::Variant(a));
        Designer().SelectControl(ole::Variant(b));
        Events();
    }
    void TearDown() override {
        a = b = nullptr;
        DesignerFixture::TearDown();
    }
    void Key(int vk, Modifiers modifiers = Modifiers::None) {
        win::test::keyPress(vk, modifiers);
        win::test::pump();
    }

    // The designer's events without the modifier keys' own and without KeyUp.
    std::vector<std::string> KeyEvents() {
        std::vector<std::string> events = Events();
        std::erase_if(events, [](const std::string& e) {
            return e.starts_with("KeyUp") || e.starts_with("Keydown(16") ||
                   e.starts_with("Keydown(17");
        });
        return events;
    }
    std::vector<std::string> KeyEventNames() {
        std::vector<std::string> names;
        for (const std::string& e : KeyEvents())
            names.push_back(e.substr(0, e.find('(')));
        return names;
    }

    ole::Ptr<forms::Control> a, b;
};

TEST_F(NudgeTest, CtrlArrowMovesEachUnlockedControlByOnePixel) {
    Key(win::VK_RIGHT, Modifiers::Control);
    EXPECT_EQ(Geometry(a), "315,300,900,300");
    EXPECT_EQ(Geometry(b), "315,900,900,300");
    EXPECT_THAT(KeyEvents(),
                ElementsAre("ControlMoving(CmdA, 315, 300, 900, 300)", "ControlMoved(CmdA)",
                            "ControlMoving(CmdB, 315, 900, 900, 300)", "ControlMoved(CmdB)",
                            "Keydown(39, 2)"));
    EXPECT_EQ(win::GetFocus(), Surface());

    Designer().LockControls(ksScopeThis, ole::Variant(a));
    Key(win::VK_UP, Modifiers::Control);
    EXPECT_EQ(Geometry(a), "315,300,900,300");
    EXPECT_EQ(Geometry(b), "315,885,900,300");
    EXPECT_THAT(KeyEventNames(), ElementsAre("ControlMoving", "ControlMoved", "Keydown"));
}

TEST_F(NudgeTest, OtherCombinationsOnlyReachTheHost) {
    Key(win::VK_RIGHT, Modifiers::Control | Modifiers::Shift);
    Key(win::VK_RIGHT);
    Designer().LetMode(ksModeRun);
    win::SetFocus(Surface());
    Events();
    Key(win::VK_RIGHT, Modifiers::Control);
    EXPECT_THAT(KeyEventNames(), testing::Each("Keydown"));
    EXPECT_EQ(Geometry(a), "300,300,900,300");
}

TEST_F(NudgeTest, ShiftArrowSizesButNeverToNothing) {
    auto thin = Add("VB.CommandButton", "Thin", {300, 1500, 315, 1800});
    auto line = AddLine("Line1", {1500, 300, 2400, 300});
    Designer().DeselectAllControl();
    Designer().SelectControl(ole::Variant(thin));
    Events();
    Key(win::VK_LEFT, Modifiers::Shift);
    EXPECT_EQ(Geometry(thin), "300,1500,15,300");
    EXPECT_THAT(KeyEventNames(), ElementsAre("ControlResized", "Keydown"));

    Designer().DeselectAllControl();
    Designer().SelectControl(ole::Variant(line));
    Key(win::VK_DOWN, Modifiers::Shift);
    EXPECT_EQ(ole::CStr(ReadMember(line, "Y1")), "300");
    EXPECT_EQ(ole::CStr(ReadMember(line, "Y2")), "315");
}

// A Line reports its moved start and its unchanged signed extents.
TEST_F(NudgeTest, ALineMovedByKeyReportsItsSignedExtents) {
    auto line = AddLine("Line1", {2400, 1500, 1500, 2100});
    Designer().DeselectAllControl();
    Designer().SelectControl(ole::Variant(line));
    Events();
    Key(win::VK_RIGHT, Modifiers::Control);
    EXPECT_THAT(KeyEvents(), ElementsAre("ControlMoving(Line1, 2415, 1500, -900, 600)",
                                         "ControlMoved(Line1)", "Keydown(39, 2)"));
    EXPECT_EQ(ole::CStr(ReadMember(line, "X1")), "2415");
    EXPECT_EQ(ole::CStr(ReadMember(line, "X2")), "1515");
}

TEST_F(NudgeTest, TheStepIsOnePixelOfTheSelectionsContainer) {
    auto picture = Add("VB.PictureBox", "Picture1", {1500, 1500, 3000, 3000});
    ole::LetProperty(ole::Variant(picture), "ScaleMode", ole::Variant(int16_t{3}));
    auto inner = Add("VB.CommandButton", "Inner", {10, 10, 40, 30}, picture);
    Designer().DeselectAllControl();
    Designer().SelectControl(ole::Variant(inner));
    Key(win::VK_RIGHT, Modifiers::Control);
    EXPECT_EQ(Geometry(inner), "11,10,30,20");
}

// Selected controls removed from the form, the first one among them, are purged on the way; the
// others are still handled and the host still hears the key.
TEST_F(NudgeTest, RemovedSelectedControlsAreSkipped) {
    auto c = Add("VB.CommandButton", "CmdC", {300, 1500, 1200, 1800});
    auto d = Add("VB.CommandButton", "CmdD", {300, 2100, 1200, 2400});
    Designer().SelectControl(ole::Variant(c));
    Designer().SelectControl(ole::Variant(d));
    GetForm().RemoveAdded(a);
    GetForm().RemoveAdded(c);
    win::test::pump();
    Events();
    Key(win::VK_DOWN, Modifiers::Control);
    EXPECT_EQ(Geometry(b), "300,915,900,300");
    EXPECT_EQ(Geometry(d), "300,2115,900,300");
    EXPECT_EQ(Designer().GetSelectedControls()->Count(), 2);
    EXPECT_THAT(KeyEvents(), testing::Contains("Keydown(40, 2)"));
}

} // namespace
} // namespace layoutdesk::test
