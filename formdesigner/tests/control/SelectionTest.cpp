#include "DesignerFixture.h"

#include "testsupport/ErrorOf.h"

#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/forms/form/Form.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/font/Font.h"
#include "platform/win/Win.h"
#include "platform/win/test/Spy.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace layoutdesk::test {
namespace {

using testing::ElementsAre;

class SelectionTest : public OneButtonFixture {
protected:
    bool Selected(const ole::Ptr<forms::Control>& c) {
        return Designer().IsSelected(ole::Variant(c));
    }
    bool Locked(const ole::Ptr<forms::Control>& c) { return Designer().IsLocked(ole::Variant(c)); }
};

class EmptyDesignerTest : public DesignerFixture {};

TEST_F(EmptyDesignerTest, TabSelectsNothingAndReturns) {
    Designer().LetMode(ksModeSelect);
    Designer().SelectNextControl();
    Designer().SelectPreviousControl();
    EXPECT_EQ(Designer().GetSelectedControls()->Count(), 0);
}

// A removed control leaves its entry behind; it neither keeps other controls from being selected
// (its container can no longer be compared) nor shadows a new control with its Name.
TEST_F(SelectionTest, EntriesOfRemovedControlsNeitherHangNorShadowNewOnes) {
    auto second = Add("VB.CommandButton", "Command2", {300, 1200, 1500, 1800});
    Designer().SelectControl(ole::Variant(button));
    Designer().LockControls(ksScopeThis, ole::Variant(button));
    Designer().LockControls(ksScopeThis, ole::Variant(second));
    GetForm().RemoveAdded(std::exchange(button, nullptr));
    Events();
    Designer().SelectControl(ole::Variant(second));
    EXPECT_THAT(Events(), ElementsAre("ControlSelected(Command2)"));
    auto again = Add("VB.CommandButton", "Command1", {300, 300, 1500, 900});
    EXPECT_FALSE(Selected(again));
    EXPECT_FALSE(Locked(again));
    Designer().SelectControl(ole::Variant(again));
    EXPECT_THAT(Events(), ElementsAre("ControlSelected(Command1)"));

    Designer().LockControls(ksScopeThis, ole::Variant(again));
    EXPECT_FALSE(Designer().UnlockControls(ksScopeAll, ole::Variant()));
    EXPECT_FALSE(Locked(second));
    EXPECT_FALSE(Locked(again));
}

// SelectedControls is the live collection: an item a host puts there that is no control counts as
// a removed entry and goes, instead of breaking every walk of the selection.
TEST_F(SelectionTest, AnItemThatIsNoControlIsDropped) {
    Designer().LetMode(ksModeSelect);
    const ole::Variant selection(ole::Ptr<ole::Object>(Designer().GetSelectedControls()));
    std::array<ole::Variant, 1> add{ole::Variant(std::string("text"))};
    ole::CallMethod(selection, "Add", add);
    Click({60, 40});
    EXPECT_THAT(DesignerFixture::Selected(), ElementsAre("Command1"));
    // An object with a Name is no control either.
    std::array<ole::Variant, 1> font{ole::Variant(ole::Ptr<ole::Object>(ole::Font::Create()))};
    ole::CallMethod(selection, "Add", font);
    Designer().LetMode(ksModeDraw);
    EXPECT_EQ(Designer().GetSelectedControls()->Count(), 0);
}

TEST_F(SelectionTest, DeselectingAllEndsWhenAHandlerSelectsAnotherControl) {
    auto second = Add("VB.CommandButton", "Command2", {300, 1200, 1500, 1800});
    auto third = Add("VB.CommandButton", "Command3", {300, 2100, 1500, 2700});
    Designer().SelectControl(ole::Variant(button));
    Designer().SelectControl(ole::Variant(second));
    OnEvent([&](ole::DISPID id, std::span<ole::Variant>) {
        if (id == ZORudeRuduvozu::EvControlDeselected)
            Designer().SelectControl(ole::Variant(third));
    });
    Events();
    Designer().DeselectAllControl();
    EXPECT_THAT(EventNames(),
                ElementsAre("ControlDeselected", "ControlSelected", "ControlDeselected"));
    EXPECT_TRUE(Selected(third));
}

TEST_F(SelectionTest, DeselectingAllDropsAControlAHandlerRemoves) {
    auto second = Add("VB.CommandButton", "Command2", {300, 1200, 1500, 1800});
    Designer().SelectControl(ole::Variant(button));
    Designer().SelectControl(ole::Variant(second));
    OnEvent([&](ole::DISPID id, std::span<ole::Variant>) {
        if (id == ZORudeRuduvozu::EvControlDeselected && second)
            GetForm().RemoveAdded(std::exchange(second, nullptr));
    });
    Designer().DeselectAllControl();
    EXPECT_EQ(Designer().GetSelectedControls()->Count(), 0);
}

TEST_F(SelectionTest, UnlockingOneAfterLockAllKeepsNestedControlsLocked) {
    auto frame = Add("VB.Frame", "Frame1", {1800, 300, 4200, 2400});
    auto text = Add("VB.TextBox", "Text1", {240, 480, 1440, 780}, frame);
    Designer().LockControls(ksScopeAll, ole::Variant());
    EXPECT_TRUE(Designer().IsLocked(ole::Variant(ole::Ptr<ole::Object>())));
    EXPECT_FALSE(Designer().UnlockControls(ksScopeThis, ole::Variant(button)));
    EXPECT_FALSE(Locked(button));
    EXPECT_TRUE(Locked(text));
    EXPECT_TRUE(Locked(frame));
}

// Locking or unlocking many controls repaints once at the end: a flush per control walked every
// hosted control again, and hid and showed a button under them once per control changed.
TEST_F(SelectionTest, ScopedLocksRepaintOnce) {
    Add("VB.CommandButton", "Command2", {300, 300, 1500, 900});
    auto third = Add("VB.CommandButton", "Command3", {300, 300, 1500, 900});
    Designer().LockControls(ksScopeAll, ole::Variant());
    win::test::pump();
    win::test::Spy spy(button->Window());
    Designer().UnlockControls(ksScopeThis, ole::Variant(third));
    EXPECT_EQ(spy.Count(win::WM_SHOWWINDOW), 2U);
}

TEST_F(SelectionTest, OneSelectionPerControlAndOneContainerAtATime) {
    auto frame = Add("VB.Frame", "Frame1", {1800, 300, 4200, 2400});
    auto inner = Add("VB.CommandButton", "Inner", {240, 480, 1440, 780}, frame);
    Events();
    Designer().DeselectAllControl();
    Designer().SelectControl(ole::Variant(button));
    Designer().SelectControl(ole::Variant(button));
    Designer().SelectControl(ole::Variant(inner));
    EXPECT_THAT(Events(), ElementsAre("ControlSelected(Command1)"));
    EXPECT_FALSE(Selected(inner));

    // Two elements of one array are two entries.
    auto zero = GetForm().AddArrayElement(forms::TextBox::Create(), "Text1", 0, DesignerExtender(),
                                          {20, 80, 60, 100});
    auto one = GetForm().AddArrayElement(forms::TextBox::Create(), "Text1", 1, DesignerExtender(),
                                         {20, 110, 60, 130});
    Designer().SelectControl(ole::Variant(one));
    Designer().LockControls(ksScopeThis, ole::Variant(zero));
    EXPECT_TRUE(Selected(one));
    EXPECT_FALSE(Selected(zero));
    EXPECT_TRUE(Locked(zero));
    EXPECT_FALSE(Locked(one));
}

TEST_F(SelectionTest, LockingOneEndsLockAllAndBadArgumentsAreRefused) {
    auto second = Add("VB.CommandButton", "Command2", {300, 1200, 1500, 1800});
    auto third = Add("VB.CommandButton", "Command3", {300, 2100, 1500, 2700});
    Designer().LockControls(ksScopeThis, ole::Variant(third));
    Designer().LockControls(ksScopeAll, ole::Variant());
    EXPECT_TRUE(Locked(second));
    Designer().LockControls(ksScopeThis, ole::Variant(button));
    EXPECT_TRUE(Locked(button));
    EXPECT_TRUE(Locked(third));
    EXPECT_FALSE(Locked(second));
    EXPECT_TRUE(Designer().UnlockControls(ksScopeThis, ole::Variant(third)));
    EXPECT_FALSE(Designer().UnlockControls(ksScopeThis, ole::Variant(third)));

    const std::function<void()> refused[] = {
        [&] { Designer().UnlockControls(ksScopeThis, ole::Variant()); },
        [&] { Designer().SelectControl(ole::Variant(int32_t{1})); },
        [&] { Designer().IsSelected(ole::Variant(ole::Ptr<ole::Object>())); },
    };
    for (const auto& call : refused)
        EXPECT_EQ(testsupport::ErrorTextOf(call),
                  "-2147219500 Invalid type of obejct specified, control type expected");
}

// Command1 of another form has the same key as this one's; each is locked and unlocked as itself.
TEST_F(SelectionTest, ASameNamedControlOfAnotherFormIsKeptApart) {
    forms::test::TestHost otherHost;
    auto twin = otherHost.GetForm().Add("VB.CommandButton", "Command1");
    Designer().LockControls(ksScopeThis, ole::Variant(button));
    Designer().LockControls(ksScopeThis, ole::Variant(twin));
    EXPECT_TRUE(Locked(button));
    EXPECT_TRUE(Locked(twin));
    EXPECT_TRUE(Designer().UnlockControls(ksScopeThis, ole::Variant(twin)));
    EXPECT_TRUE(Locked(button));
    EXPECT_FALSE(Locked(twin));

    Designer().SelectControl(ole::Variant(twin));
    Designer().LockControls(ksScopeSelected, ole::Variant());
    EXPECT_TRUE(Locked(twin));
    EXPECT_TRUE(Designer().UnlockControls(ksScopeThis, ole::Variant(button)));
    EXPECT_TRUE(Locked(twin));
    Designer().DeselectControl(ole::Variant(twin));
    EXPECT_EQ(Designer().GetSelectedControls()->Count(), 0);
}

TEST_F(SelectionTest, ContainersAreKnownWithoutTouchingTheForm) {
    auto frame = Add("VB.Frame", "Frame1", {1800, 300, 4200, 2400});
    auto picture = Add("VB.PictureBox", "Picture1", {300, 1200, 1500, 2400});
    const size_t count = GetForm().ControlList().size();
    EXPECT_TRUE(Designer().IsContainer(ole::Variant(frame)));
    EXPECT_TRUE(Designer().IsContainer(ole::Variant(picture)));
    EXPECT_FALSE(Designer().IsContainer(ole::Variant(button)));
    EXPECT_FALSE(Designer().IsContainer(ole::Variant(int32_t{1})));
    EXPECT_EQ(GetForm().ControlList().size(), count);
}

TEST_F(SelectionTest, AligningNothingOrToALockedReference) {
    Designer().AlignSelectedControls(ksAlignLeft);
    auto second = Add("VB.CommandButton", "Command2", {900, 1200, 1500, 1800});
    Designer().SelectControl(ole::Variant(second));
    Designer().SelectControl(ole::Variant(button));
    Designer().LockControls(ksScopeThis, ole::Variant(button));
    Events();
    Designer().AlignSelectedControls(ksAlignLeft);
    EXPECT_EQ(Geometry(second), "300,1200,600,600");
    EXPECT_THAT(Events(), ElementsAre("ControlMoved(Command2)"));
}

} // namespace
} // namespace layoutdesk::test
