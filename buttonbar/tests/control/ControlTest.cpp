// The button bar's automation surface on a form: defaults, what each setter does and refuses,
// the active group and selection, set-up in both modes, and members reached before set-up.

#include "BarFixture.h"

#include "buttonbar/library/ShelfstripErrors.h"
#include "buttonbar/library/ShelfstripIds.h"

#include "testsupport/ErrorOf.h"

#include "platform/forms/host/Ambient.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/convert/Equality.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"
#include "platform/win/Win.h"
#include "platform/win/kernel/Modules.h"
#include "platform/win/test/Snapshot.h"
#include "platform/win/test/Spy.h"

#include <gtest/gtest.h>

namespace shelfstrip::test {
namespace {

using ole::Variant;
using testsupport::ErrorOf;
using testsupport::ErrorTextOf;
using B = KSButtonBar;

const std::string kModelErrorText = std::to_string(errors::kNumber) + " ";

using ControlTest = BarFixture;

TEST_F(ControlTest, ANewControlHasItsDefaults) {
    KSButtonBar& bar = HostBar();
    const int32_t foreColor = static_cast<int32_t>(bar.GetAmbient()->ForeColor());
    const std::pair<ole::DISPID, Variant> defaults[] = {
        {B::IdAppearance, Variant(1)},
        {B::IdButtonBackColor, Variant(static_cast<int32_t>(0x80000011U))},
        {B::IdBorderStyle, Variant(0)},
        {B::IdButtonAppearance, Variant(0)},
        {B::IdButtonLayout, Variant(1)},
        {B::IdGroupAppearance, Variant(3)},
        {B::IdSelectedButtonAppearance, Variant(4)},
        {B::IdShowButtonInfo, Variant(1)},
        {B::IdButtonHeight, Variant(720)},
        {B::IdButtonWidth, Variant(720)},
        {B::IdButtonFlow, Variant(0)},
        {B::IdGroupFlow, Variant(0)},
        {B::IdHighlightedButtonForeColor, Variant(static_cast<int32_t>(0x8000000EU))},
        {B::IdHighlightedButtonBackColor, Variant(static_cast<int32_t>(0x80000011U))},
        {B::IdGroupBackColor, Variant(static_cast<int32_t>(0x8000000FU))},
        {B::IdGroupForeColor, Variant(static_cast<int32_t>(0x80000012U))},
        {B::IdSelectedButtonBackColor, Variant(static_cast<int32_t>(0x80000011U))},
        {B::IdSelectedButtonForeColor, Variant(foreColor)},
        {B::IdButtonForeColor, Variant(foreColor)},
        {B::IdButtonTextPosition, Variant(3)},
        {B::IdCaption, Variant("")},
        {B::IdShowCaptionBar, Variant(false)},
        {B::IdShowCloseButton, Variant(true)},
        {B::IdButtonSize, Variant(0)},
        {B::IdButtonHighlightZone, Variant(0)},
        {B::IdMousePointer, Variant(1)},
        {B::IdButtonPictureMaskColor, Variant(0xFFFFFF)},
        {B::IdGroupGradientType, Variant(0)},
        {B::IdGroupGradientColor, Variant(static_cast<int32_t>(0x8000000FU))},
        {B::IdButtonGradientType, Variant(0)},
        {B::IdButtonGradientColor, Variant(static_cast<int32_t>(0x80000011U))},
        {B::IdLockRefresh, Variant(false)},
    };
    for (const auto& [id, value] : defaults)
        EXPECT_TRUE(ole::VariantEquals(Get(id), value))
            << std::hex << id << " is " << ole::CStr(Get(id));
    EXPECT_EQ(bar.GetGroups()->Count(), 1);
    EXPECT_EQ(bar.GetActiveGroup()->GetCaption(), "General");
    EXPECT_EQ(bar.GetActiveGroup()->GetTooltipText(), "General");
    EXPECT_EQ(bar.GetSelectedButton(), nullptr);
    EXPECT_EQ(bar.GetMouseIcon(), nullptr);
    EXPECT_EQ(ole::CLng(Get(B::IdHwnd)), static_cast<int32_t>(bar.hWnd().Value()));
    EXPECT_EQ(bar.PropertyPages(),
              (std::vector<std::string>{ids::kAppearancePage, ids::kPositionPage, ids::kGroupsPage,
                                        ids::kButtonsPage, "StandardColor", "StandardFont",
                                        "StandardPicture"}));
}

// A different value for every let, then the same value again.
const std::pair<ole::DISPID, Variant> kChanges[] = {
    {B::IdAppearance, Variant(0)},
    {B::IdButtonBackColor, Variant(0x00FF00)},
    {B::IdBorderStyle, Variant(1)},
    {B::IdButtonAppearance, Variant(2)},
    {B::IdButtonLayout, Variant(0)},
    {B::IdGroupAppearance, Variant(5)},
    {B::IdSelectedButtonAppearance, Variant(1)},
    {B::IdShowButtonInfo, Variant(0)},
    {B::IdButtonHeight, Variant(300)},
    {B::IdButtonWidth, Variant(450)},
    {B::IdButtonFlow, Variant(1)},
    {B::IdGroupFlow, Variant(1)},
    {B::IdHighlightedButtonForeColor, Variant(1)},
    {B::IdHighlightedButtonBackColor, Variant(2)},
    {B::IdGroupBackColor, Variant(3)},
    {B::IdGroupForeColor, Variant(4)},
    {B::IdSelectedButtonBackColor, Variant(5)},
    {B::IdSelectedButtonForeColor, Variant(6)},
    {B::IdButtonForeColor, Variant(7)},
    {B::IdButtonTextPosition, Variant(0)},
    {B::IdCaption, Variant("Tools")},
    {B::IdShowCaptionBar, Variant(true)},
    {B::IdShowCloseButton, Variant(false)},
    {B::IdButtonSize, Variant(1)},
    {B::IdButtonHighlightZone, Variant(1)},
    {B::IdMousePointer, Variant(2)},
    {B::IdButtonPictureMaskColor, Variant(8)},
    {B::IdGroupGradientType, Variant(2)},
    {B::IdGroupGradientColor, Variant(9)},
    {B::IdButtonGradientType, Variant(4)},
    {B::IdButtonGradientColor, Variant(10)},
    {B::IdLockRefresh, Variant(true)},
};

TEST_F(ControlTest, EachSetterTellsTheContainerOnlyOfAChange) {
    KSButtonBar& bar = HostBar();
    for (const auto& [id, value] : kChanges) {
        const std::string name = bar.GetClassInfo().FindMember(id, ole::DISPATCH_PROPERTYGET)->name;
        Put(id, value);
        EXPECT_TRUE(ole::VariantEquals(Get(id), value)) << name;
        EXPECT_EQ(Notified(), std::vector<std::string>{name});
        Put(id, value);
        EXPECT_TRUE(Notified().empty()) << name;
    }
    // Only the border's new client area is a resize.
    EXPECT_EQ(Events(), std::vector<std::string>{"Resize"});
    char text[16] = {};
    win::GetWindowTextA(bar.CaptionBar()->Window(), text, sizeof text);
    EXPECT_STREQ(text, "Tools");
}

// Once a setter returns and the queue is empty, the four boxes show what a repaint of all of them
// would draw.
TEST_F(ControlTest, WhatEachSetterChangesIsOnScreenWhenItReturns) {
    KSButtonBar& bar = HostBar();
    m_host->Show();
    bar.GetGroups()->Add("Below");
    AddButtons(3);
    const auto boxes = [&] {
        std::vector<std::vector<uint32_t>> shots;
        for (forms::PictureBox* box :
             {bar.CaptionBar(), bar.UpperGroupsBox(), bar.ButtonsBox(), bar.LowerGroupsBox()})
            shots.push_back(win::test::CaptureClient(box->Window()).pixels);
        return shots;
    };
    const auto expectFresh = [&](const std::string& name) {
        win::test::pump();
        const auto shown = boxes();
        bar.Refresh();
        EXPECT_TRUE(shown == boxes()) << name;
    };
    for (const auto& [id, value] : kChanges) {
        if (id == B::IdLockRefresh)
            continue;
        Put(id, value);
        expectFresh(bar.GetClassInfo().FindMember(id, ole::DISPATCH_PROPERTYGET)->name);
    }
    const ole::Ptr<ole::Font> bold = bar.GetFont()->Clone();
    bold->SetBold(true);
    bar.SetFont(bold);
    expectFresh("Font");
}

TEST_F(ControlTest, RefusedValuesAreNotKept) {
    KSButtonBar& bar = HostBar();
    for (const int32_t refused : {0, -5}) {
        EXPECT_EQ(ErrorTextOf([&] { Put(B::IdButtonWidth, Variant(refused)); }),
                  kModelErrorText + errors::InvalidPropertyValue.text);
        EXPECT_EQ(ErrorOf([&] { Put(B::IdButtonHeight, Variant(refused)); }), errors::kNumber);
    }
    EXPECT_EQ(bar.GetButtonWidth(), 720);
    Put(B::IdButtonWidth, Variant(1));
    EXPECT_EQ(bar.GetButtonWidth(), 1);
    Notified();
    // What the window refuses stays out of the control, so a save cannot store it.
    EXPECT_EQ(ErrorOf([&] { Put(B::IdMousePointer, Variant(50)); }),
              ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(ErrorOf([&] { Put(B::IdMousePointer, Variant(70000)); }), ole::ERR_OVERFLOW);
    EXPECT_EQ(ErrorOf([&] { Put(B::IdBorderStyle, Variant(2)); }), ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(ErrorOf([&] { Put(B::IdAppearance, Variant(65537)); }), ole::ERR_OVERFLOW);
    EXPECT_EQ(bar.GetMousePointer(), 1);
    EXPECT_EQ(bar.GetBorderStyle(), 0);
    EXPECT_EQ(bar.GetAppearance(), 1);
    EXPECT_TRUE(Notified().empty());
}

TEST_F(ControlTest, ActiveGroupRefusesWhatIsNotAVisibleGroupOfItsOwn) {
    KSButtonBar& bar = HostBar();
    const ole::Ptr<CGroup> general = ActiveGroup();
    const ole::Ptr<CGroup> second = bar.GetGroups()->Add("Second");
    const ole::Ptr<CGroup> removed = bar.GetGroups()->Add("Removed");
    bar.GetGroups()->Remove(Variant(3));
    const ole::Ptr<CGroup> foreign = CGroups::Create(nullptr)->Add("Foreign");
    Events();
    const auto refusal = [&](const ole::Ptr<CGroup>& group) {
        return ErrorTextOf(
            [&] { PutRef(B::IdActiveGroup, Variant(ole::Ptr<ole::Object>(group))); });
    };
    EXPECT_EQ(refusal(nullptr), kModelErrorText + errors::NoActiveGroup.text);
    EXPECT_EQ(refusal(foreign), kModelErrorText + errors::ForeignGroup.text);
    EXPECT_EQ(refusal(removed), kModelErrorText + errors::ForeignGroup.text);
    second->LetVisible(false);
    EXPECT_EQ(refusal(second), kModelErrorText + errors::HiddenActiveGroup.text);
    EXPECT_EQ(bar.GetActiveGroup(), general);
    second->LetVisible(true);
    Events();
    Notified();
    bar.SetActiveGroup(second);
    bar.SetActiveGroup(second);
    EXPECT_EQ(Events(), std::vector<std::string>{"ActiveGroupChanged"});
    EXPECT_EQ(Notified(), std::vector<std::string>{"ActiveGroup"});
}

TEST_F(ControlTest, AHiddenGroupCanBeMadeActiveAtDesignTime) {
    KSButtonBar& bar = HostBar(HostMode::Design);
    const ole::Ptr<CGroup> hidden = bar.GetGroups()->Add("Hidden");
    hidden->LetVisible(false);
    bar.SetActiveGroup(hidden);
    EXPECT_EQ(bar.GetActiveGroup(), hidden);
    EXPECT_EQ(bar.ToolTip(), nullptr);
    EXPECT_FALSE(bar.Subclassed());
}

TEST_F(ControlTest, SelectingAButtonOpensItsGroupFirst) {
    KSButtonBar& bar = HostBar();
    const ole::Ptr<CGroup> other = bar.GetGroups()->Add("Other");
    AddButtons(2, other);
    Events();
    Notified();
    bar.SetSelectedButton(other->GetButtons()->At(2));
    EXPECT_EQ(Events(), (std::vector<std::string>{"ActiveGroupChanged", "ButtonSelectionChanged"}));
    EXPECT_EQ(Notified(), (std::vector<std::string>{"ActiveGroup", "SelectedButton"}));
    bar.SetSelectedButton(nullptr);
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(Notified(), std::vector<std::string>{"SelectedButton"});

    // A removed button is no longer the control's; clearing a group drops its selection quietly.
    const ole::Ptr<CButton> removed = other->GetButtons()->At(1);
    other->GetButtons()->Remove(Variant(1));
    EXPECT_EQ(ErrorTextOf([&] { bar.SetSelectedButton(removed); }),
              kModelErrorText + errors::ForeignButton.text);
    bar.SetSelectedButton(other->GetButtons()->At(1));
    Events();
    other->GetButtons()->Clear();
    EXPECT_EQ(bar.GetSelectedButton(), nullptr);
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(bar.Layout().GridCell(0, 0), 1); // the grid keeps its last contents
}

TEST_F(ControlTest, ASelectionHandlerMayClearTheSelection) {
    KSButtonBar& bar = HostBar();
    AddButtons(1);
    ole::Ptr<ole::EventSink> sink = ole::EventSink::Create();
    sink->On(B::EvButtonSelectionChanged,
             [&](std::span<Variant>) { bar.SetSelectedButton(nullptr); });
    const uint32_t cookie = ole::ConnectEvents(m_bar, ole::Ptr<ole::Object>(sink));
    bar.SetSelectedButton(ActiveGroup()->GetButtons()->At(1));
    ole::DisconnectEvents(m_bar, cookie);
    EXPECT_EQ(bar.GetSelectedButton(), nullptr);
}

TEST_F(ControlTest, UserModeHasTooltipsAndSubclassingAndTearsDownClean) {
    KSButtonBar& bar = HostBar();
    ASSERT_NE(bar.ToolTip(), nullptr);
    EXPECT_EQ(bar.ToolTip()->ToolCount(), 3);
    EXPECT_TRUE(bar.Subclassed());
    EXPECT_TRUE(bar.MemDC());
    // The button area may go first; teardown still succeeds (the fixture checks the counts).
    win::DestroyWindow(bar.ButtonsBox()->Window());
    EXPECT_FALSE(bar.Subclassed());
}

TEST_F(ControlTest, ModelObjectsOutliveTheControlInertly) {
    KSButtonBar& bar = HostBar();
    const ole::Ptr<CGroup> group = bar.GetGroups()->Add("Kept", "", "k");
    AddButtons(1, group);
    const ole::Ptr<CButton> button = group->GetButtons()->At(1);
    Unload();
    EXPECT_EQ(group->ButtonBar(), nullptr);
    group->LetCaption("c");
    group->LetVisible(false);
    button->LetCaption("c");
    button->LetVisible(false);
    button->LetKey("b");
    EXPECT_NE(ErrorOf([&] { group->LetKey("h"); }), 0);
    EXPECT_EQ(group->GetButtons()->Add("n", Bitmap())->ButtonBar(), nullptr);
}

TEST_F(ControlTest, AGroupKeptAfterItsRemovalChangesButtonsWithoutEvents) {
    KSButtonBar& bar = HostBar();
    const ole::Ptr<CGroup> group = bar.GetGroups()->Add("Kept");
    AddButtons(1, group);
    bar.GetGroups()->Remove(Variant(2));
    Events();
    const ole::Ptr<CButtons> buttons = group->GetButtons();
    buttons->Add("n", Bitmap());
    buttons->Remove(Variant(1));
    buttons->SetNewIndex(buttons->At(1), 1);
    buttons->Clear();
    EXPECT_TRUE(Events().empty());
}

TEST_F(ControlTest, APropertyBrowserFindsEachPropertysCategory) {
    ole::ICategorizeProperties* categories = ole::QueryCategorizeProperties(HostBar());
    ASSERT_NE(categories, nullptr);
    const std::pair<ole::DISPID, int32_t> rows[] = {
        {B::IdLockRefresh, ole::PROPCAT_Behavior},
        {B::IdButtonHighlightZone, ole::PROPCAT_Behavior},
        {B::IdButtonWidth, ole::PROPCAT_Misc},
        {B::IdButtonPictureMaskColor, ole::PROPCAT_Misc},
        {B::IdCaption, ole::PROPCAT_Text},
        {B::IdMousePointer, ole::PROPCAT_Nil},
        {B::IdMouseIcon, ole::PROPCAT_Nil},
        {B::IdActiveGroup, ole::PROPCAT_Nil},
        {B::IdHwnd, ole::PROPCAT_Nil},
        {B::IdFont, ole::PROPCAT_Appearance},
        {B::IdGroupGradientColor, ole::PROPCAT_Appearance},
    };
    for (const auto& [id, category] : rows)
        EXPECT_EQ(categories->MapPropertyToCategory(id), category) << id;
}

TEST(ControlBeforeSetUp, MembersAreSafeBeforeTheContainerSetsItUp) {
    testsupport::LiveCounts before = testsupport::LiveCounts::Now();
    {
        const ole::Ptr<KSButtonBar> bar = KSButtonBar::Create();
        EXPECT_EQ(bar->GetGroups(), nullptr);
        bar->LetButtonWidth(300);
        bar->LetButtonFlow(ksHorizontal);
        bar->LetShowCaptionBar(true);
        bar->Refresh();
        EXPECT_EQ(bar->GetButtonWidth(), 300);
    }
    EXPECT_EQ(testsupport::LiveCounts::Now(), before);
}

} // namespace
} // namespace shelfstrip::test

namespace shelfstrip::test {
namespace {

TEST_F(ControlTest, LockRefreshLeavesOnlyTheCaptionBarToRepaint) {
    KSButtonBar& bar = HostBar();
    bar.LetShowCaptionBar(true);
    m_host->Show();
    win::test::Spy spy;
    spy.WatchAll();
    bar.Refresh();
    const auto painted = [&](const forms::PictureBox* box) {
        return spy.Count(win::WM_PAINT, box->Window());
    };
    EXPECT_EQ(painted(bar.CaptionBar()), 1U);
    EXPECT_EQ(painted(bar.ButtonsBox()), 1U);
    EXPECT_EQ(painted(bar.UpperGroupsBox()), 1U);
    spy.Clear();
    bar.LetLockRefresh(true);
    bar.Refresh();
    EXPECT_EQ(painted(bar.CaptionBar()), 1U);
    EXPECT_EQ(painted(bar.ButtonsBox()), 0U);
    EXPECT_EQ(painted(bar.UpperGroupsBox()), 0U);
}

TEST_F(ControlTest, TheImageFunctionsProbeFollowsThePlatformSwitch) {
    win::detail::SetMsimg32Available(false);
    EXPECT_FALSE(HostBar().HasMsImg32());
    Unload();
    win::detail::SetMsimg32Available(true);
    EXPECT_TRUE(HostBar().HasMsImg32());
}

} // namespace
} // namespace shelfstrip::test
