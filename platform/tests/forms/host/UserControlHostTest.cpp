#include "HostFixture.h"

#include "platform/forms/controls/frame/Frame.h"
#include "platform/forms/controls/label/Label.h"

namespace hosttest {

using forms::test::HostMode;
using forms::test::TestHost;

namespace {

int ErrorOfAdd(TestHost& host) {
    try {
        host.GetForm().Add(ProbeControl::kProgId, "CTLADDED");
    } catch (const ole::Error& e) {
        return e.Number();
    }
    return 0;
}

// A control whose BackColor is stored under a key of another spelling.
class KeyedControl : public UserControl {
public:
    enum Id : ole::DISPID { IdBackColor = 1, IdTag = 2 };
    static const ole::ClassInfo& Info() {
        using K = KeyedControl;
        static const ole::ClassInfo info =
            ole::ClassBuilder<K>("KeyedControl")
                .Property("BackColor", IdBackColor, &K::Color, &K::LetColor,
                          ole::Persisted("Backcolor", 0))
                .Property("Tag", IdTag, &K::Color, &K::LetColor)
                .Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    int32_t Color() const { return 0; }
    void LetColor(int32_t) {}
};

} // namespace

TEST_F(HostTest, NewControlInUserModeGetsEventsFromInitializeToTerminate) {
    auto probe = ProbeControl::Create();
    {
        TestHost host(HostMode::User);
        auto site = host.Host(probe, "ctlProbe", {10, 10, 110, 60});
        // Not shown yet: no Show, no Paint.
        EXPECT_EQ(probe->log, (Log{"Initialize", "InitProperties", "Resize"}));
        EXPECT_TRUE(probe->userModeAtInit);
        host.Show();
        // Showing the form activates it, and its first control takes the focus.
        EXPECT_EQ(probe->log, (Log{"Initialize", "InitProperties", "Resize", "Show", "EnterFocus",
                                   "GotFocus", "Paint"}));
        probe->log.clear();
        host.Unload();
        EXPECT_EQ(probe->log, (Log{"LostFocus", "ExitFocus", "Hide", "Terminate"}));
        EXPECT_FALSE(probe->windowAliveAtTerminate);
        EXPECT_TRUE(site->IsDead());
        EXPECT_EQ(Control::DeadControlCount(), 1u);
    }
    EXPECT_EQ(Control::DeadControlCount(), 0u);
}

TEST_F(HostTest, StoredControlReadsItsPropertiesInsteadOfInitProperties) {
    auto bag = ole::PropertyBag::Create();
    bag->WriteProperty("Caption", ole::Variant("Stored"), ole::Variant::Missing());
    bag->WriteProperty("Value", ole::Variant(int32_t{7}), ole::Variant::Missing());
    auto probe = ProbeControl::Create();
    TestHost host;
    host.Show();
    host.Host(probe, "ctlProbe", {0, 0, 50, 50}, bag.Get());
    win::test::pump();
    EXPECT_EQ(probe->log, (Log{"Initialize", "ReadProperties", "Resize", "Show", "Paint"}));
    EXPECT_EQ(probe->GetCaption(), "Stored");
    EXPECT_EQ(probe->GetValue(), 7);
}

TEST_F(HostTest, DesignModeHostReportsUserModeFalseWithTheSameOrder) {
    auto probe = ProbeControl::Create();
    TestHost host(HostMode::Design);
    auto site = host.Host(probe, "ctlProbe", {0, 0, 50, 50});
    site->SetTabStop(false);
    host.Show();
    EXPECT_FALSE(probe->userModeAtInit);
    EXPECT_FALSE(probe->GetAmbient()->UserMode());
    EXPECT_EQ(probe->log, (Log{"Initialize", "InitProperties", "Resize", "Show", "Paint"}));

    // The test helpers override ambients and raise AmbientChanged.
    probe->log.clear();
    TestHost::SetAmbientUserMode(*site, true);
    EXPECT_TRUE(probe->GetAmbient()->UserMode());
    EXPECT_EQ(probe->log, (Log{"AmbientChanged(UserMode)"}));
}

TEST_F(HostTest, WritePropertiesKeepsOnlyValuesDifferentFromDefaults) {
    auto probe = ProbeControl::Create();
    TestHost host;
    auto site = host.Host(probe, "ctlProbe", {0, 0, 50, 50});

    auto untouched = TestHost::Save(*site);
    EXPECT_EQ(untouched->Entries().Size(), 0u);

    probe->SetCaption("Changed");
    EXPECT_EQ(probe->PropertyChangedLog(), (std::vector<std::string>{"Caption"}));
    EXPECT_TRUE(site->Dirty());
    auto changed = TestHost::Save(*site);
    EXPECT_FALSE(site->Dirty());
    ASSERT_EQ(changed->Entries().Size(), 1u);
    EXPECT_EQ(changed->Entries().Entries()[0].first, "Caption");

    // Round trip: a second control reads what the first wrote.
    auto copy = ProbeControl::Create();
    host.Host(copy, "ctlCopy", {60, 0, 110, 50}, changed.Get());
    EXPECT_EQ(copy->GetCaption(), "Changed");
    EXPECT_EQ(copy->GetValue(), 0);
}

// The container hears a member changed by id under the key it is stored with, else its name.
TEST_F(HostTest, PropertyChangedByIdNamesThePersistedKey) {
    auto control = ole::MakeObject<KeyedControl>();
    control->PropertyChanged(KeyedControl::IdBackColor);
    control->PropertyChanged(KeyedControl::IdTag);
    EXPECT_EQ(control->PropertyChangedLog(), (std::vector<std::string>{"Backcolor", "Tag"}));
    EXPECT_THROW(control->PropertyChanged(ole::DISPID{99}), std::logic_error);
}

TEST_F(HostTest, FormScaleModeChangeRaisesAmbientChangedScaleUnits) {
    auto probe = ProbeControl::Create();
    TestHost host;
    host.Host(probe, "ctlProbe", {0, 0, 50, 50});
    EXPECT_EQ(probe->GetAmbient()->ScaleUnits(), "Twip");
    probe->log.clear();

    host.GetForm().SetScaleMode(3);
    EXPECT_EQ(probe->log, (Log{"AmbientChanged(ScaleUnits)"}));
    EXPECT_EQ(probe->GetAmbient()->ScaleUnits(), "Pixel");

    // Same mode again: nothing changed, nothing raised.
    host.GetForm().SetScaleMode(3);
    EXPECT_EQ(probe->log.size(), 1u);

    // Any Scale* value makes the mode User.
    host.GetForm().SetScaleWidth(10);
    EXPECT_EQ(probe->log.back(), "AmbientChanged(ScaleUnits)");
    EXPECT_EQ(probe->GetAmbient()->ScaleUnits(), "User");

    probe->log.clear();
    auto font = ole::Font::Create();
    font->SetBold(true);
    host.GetForm().SetFont(font);
    EXPECT_EQ(probe->log, (Log{"AmbientChanged(Font)"}));

    // A user control is the container of its constituents: its own mode change reaches them.
    ProbeControl::Register();
    auto innerSite = ole::PtrCast<Extender>(
        probe->AddConstituent(ProbeControl::kProgId, "ctlInner", {0, 0, 9, 9}));
    auto inner = ole::PtrCast<ProbeControl>(innerSite->Inner());
    inner->log.clear();
    probe->SetScaleMode(3);
    EXPECT_EQ(inner->log, (Log{"AmbientChanged(ScaleUnits)"}));
    EXPECT_EQ(inner->GetAmbient()->ScaleUnits(), "Pixel");
}

TEST_F(HostTest, AmbientFontIsAFreshCopyEachRead) {
    auto probe = ProbeControl::Create();
    TestHost host;
    host.Host(probe, "ctlProbe", {0, 0, 50, 50});
    auto first = probe->GetAmbient()->Font();
    auto second = probe->GetAmbient()->Font();
    EXPECT_FALSE(ole::Is(first, second));
    EXPECT_FALSE(ole::Is(first, host.GetForm().Font()));
    first->SetName("Courier New");
    EXPECT_EQ(host.GetForm().Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(probe->GetAmbient()->DisplayName(), "ctlProbe");
}

TEST_F(HostTest, MoveRaisesResizeBeforeItReturns) {
    auto probe = ProbeControl::Create();
    TestHost host;
    auto site = host.Host(probe, "ctlProbe", {0, 0, 50, 50});
    host.Show();
    probe->log.clear();

    ole::Variant args[] = {ole::Variant(150.0f), ole::Variant(150.0f), ole::Variant(1500.0f),
                           ole::Variant(750.0f)};
    ole::CallMethodById(ole::Variant(site), dispid::Move, args);
    EXPECT_EQ(probe->log, (Log{"Resize"}));
    EXPECT_FLOAT_EQ(probe->ScaleWidth(), 1500.0f);
    EXPECT_FLOAT_EQ(probe->ScaleHeight(), 750.0f);

    // Only a position change: no Resize.
    probe->log.clear();
    site->Move(300.0f, ole::Variant(300.0f), ole::Variant::Missing(), ole::Variant::Missing());
    EXPECT_TRUE(probe->log.empty());

    // A border change shrinks the client area, and Resize follows at once.
    probe->SetBorderStyle(1);
    EXPECT_EQ(probe->log, (Log{"Resize"}));
    EXPECT_LT(probe->ScaleWidth(), 1500.0f);
}

TEST_F(HostTest, FocusMovingBetweenRawChildWindowsOfTwoControlsStillEntersAndExits) {
    auto a = ProbeControl::Create();
    auto b = ProbeControl::Create();
    TestHost host;
    auto siteA = host.Host(a, "ctlA", {0, 0, 50, 50});
    auto siteB = host.Host(b, "ctlB", {60, 0, 110, 50});
    host.Show();
    // Windows the controls make themselves, which no runtime procedure handles.
    const auto raw = [](const ole::Ptr<Extender>& site) {
        return win::CreateWindowExA(0, "Static", "", win::WS_CHILD | win::WS_VISIBLE, 0, 0, 10, 10,
                                    site->Window(), {}, {}, nullptr);
    };
    const win::HWND rawA = raw(siteA);
    const win::HWND rawB = raw(siteB);
    win::SetFocus(rawA);
    a->log.clear();
    b->log.clear();

    win::SetFocus(rawB);
    EXPECT_EQ(a->log, (Log{"ExitFocus"}));
    EXPECT_EQ(b->log, (Log{"EnterFocus"}));
}

TEST_F(HostTest, FocusEventsFollowTheFocusBetweenControls) {
    auto a = ProbeControl::Create();
    auto b = ProbeControl::Create();
    TestHost host;
    auto siteA = host.Host(a, "ctlA", {0, 0, 50, 50});
    auto siteB = host.Host(b, "ctlB", {60, 0, 110, 50});
    host.Show();
    a->log.clear();
    b->log.clear();

    // Showing the form gave the focus to A, the first in tab order.
    ASSERT_EQ(win::GetFocus(), siteA->Window());
    siteB->SetFocus();
    siteA->SetFocus();
    EXPECT_EQ(a->log, (Log{"LostFocus", "ExitFocus", "EnterFocus", "GotFocus"}));
    EXPECT_EQ(b->log, (Log{"EnterFocus", "GotFocus", "LostFocus", "ExitFocus"}));
    EXPECT_TRUE(ole::Is(host.GetForm().ActiveControl(), siteA));

    // A hidden control cannot take the focus: 5.
    siteB->SetVisible(false);
    try {
        siteB->SetFocus();
        FAIL() << "SetFocus on a hidden control";
    } catch (const ole::Error& e) {
        EXPECT_EQ(e.Number(), ole::ERR_INVALID_CALL);
    }
}

TEST_F(HostTest, FocusOnAUserControlGoesToItsFirstConstituent) {
    ProbeControl::Register();
    auto outer = ProbeControl::Create();
    TestHost host;
    auto site = host.Host(outer, "ctlOuter", {0, 0, 200, 100});
    auto innerSite = ole::PtrCast<Extender>(
        outer->AddConstituent(ProbeControl::kProgId, "ctlInner", {5, 5, 60, 40}));
    ASSERT_TRUE(innerSite);
    auto inner = ole::PtrCast<ProbeControl>(innerSite->Inner());
    site->SetTabStop(false);
    host.Show();
    ASSERT_EQ(win::GetFocus(), host.GetForm().Window());
    outer->log.clear();
    inner->log.clear();

    site->SetFocus();
    EXPECT_EQ(win::GetFocus(), innerSite->Window());
    EXPECT_EQ(outer->log, (Log{"EnterFocus"}));
    EXPECT_EQ(inner->log, (Log{"EnterFocus", "GotFocus"}));
    // The constituent's window is not the control's hWnd.
    EXPECT_EQ(outer->hWnd(), site->Window());

    // Constituents go with their control: the inner one terminates too.
    host.Unload();
    EXPECT_EQ(inner->log.back(), "Terminate");
    EXPECT_EQ(outer->log.back(), "Terminate");
}

TEST_F(HostTest, MouseInputBecomesEventsInTheControlsOwnUnits) {
    auto probe = ProbeControl::Create();
    TestHost host;
    host.Host(probe, "ctlProbe", {10, 10, 110, 60});
    host.Show();
    probe->log.clear();

    host.Click("ctlProbe", win::POINT{10, 5});
    EXPECT_EQ(probe->log, (Log{"MouseDown(1,150,75)", "MouseUp(1)", "Click"}));

    probe->log.clear();
    win::test::advanceTime(2000);
    host.DoubleClick("ctlProbe", win::POINT{10, 5});
    EXPECT_EQ(probe->log,
              (Log{"MouseDown(1,150,75)", "MouseUp(1)", "Click", "DblClick", "MouseUp(1)"}));

    // A press on a control without the focus gives it the focus first.
    auto other = ProbeControl::Create();
    host.Host(other, "ctlOther", {120, 10, 170, 60});
    win::test::pump();
    other->log.clear();
    win::test::advanceTime(2000);
    host.Click("ctlOther");
    ASSERT_GE(other->log.size(), 3u);
    EXPECT_EQ(other->log[0], "EnterFocus");
    EXPECT_EQ(other->log[1], "GotFocus");
    EXPECT_EQ(other->log[2].rfind("MouseDown(1", 0), 0u);

    // The right button raises no Click.
    other->log.clear();
    win::test::advanceTime(2000);
    win::test::click(host.ScreenPointOf("ctlOther"), win::test::MouseButton::Right);
    win::test::pump();
    EXPECT_EQ(other->log.size(), 2u);
    EXPECT_EQ(other->log.back(), "MouseUp(2)");
}

TEST_F(HostTest, APressCapturesTheMouseUntilTheRelease) {
    auto probe = ProbeControl::Create();
    TestHost host;
    auto site = host.Host(probe, "ctlProbe", {10, 10, 110, 60});
    host.Show();
    win::test::mouseDown(win::test::MouseButton::Left, host.ScreenPointOf("ctlProbe"));
    win::test::pump();
    EXPECT_EQ(win::GetCapture(), site->Window());
    // Released far outside the control: MouseUp still arrives.
    win::test::mouseUp(win::test::MouseButton::Left, win::POINT{5, 5});
    win::test::pump();
    EXPECT_EQ(probe->log.back(), "Click");
    EXPECT_EQ(win::GetCapture(), win::HWND{});
}

TEST_F(HostTest, KeyDownCanWithholdTheKeyAndTabNavigates) {
    auto a = ProbeControl::Create();
    auto b = ProbeControl::Create();
    TestHost host;
    auto siteA = host.Host(a, "ctlA", {0, 0, 50, 50});
    auto siteB = host.Host(b, "ctlB", {60, 0, 110, 50});
    host.Show();
    siteA->SetFocus();
    a->log.clear();

    win::test::typeText("x");
    win::test::pump();
    EXPECT_EQ(a->log, (Log{"KeyDown(88)", "KeyPress(120)"}));

    win::test::keyPress(win::VK_TAB);
    win::test::pump();
    EXPECT_EQ(win::GetFocus(), siteB->Window());
    win::test::keyPress(win::VK_TAB, win::test::Modifiers::Shift);
    win::test::pump();
    EXPECT_EQ(win::GetFocus(), siteA->Window());
}

TEST_F(HostTest, ControlEventsReachSinksThroughTheExtender) {
    auto probe = ProbeControl::Create();
    TestHost host;
    auto site = host.Host(probe, "ctlProbe", {0, 0, 50, 50});
    auto recorder = forms::test::EventRecorder::Attach(site);
    ASSERT_TRUE(recorder);
    ole::CallMethod(ole::Variant(site), "Bump");
    ole::CallMethod(ole::Variant(site), "Bump");
    EXPECT_EQ(recorder->Log(), (Log{"Bumped(1)", "Bumped(2)"}));
    recorder->Detach();
}

} // namespace hosttest

namespace hosttest {

TEST_F(HostTest, ControlsAddCreatesByProgIdHiddenAndRemoveTerminates) {
    ProbeControl::Register();
    TestHost host;
    host.Show();
    const ole::Variant controls0 =
        ole::GetObjectProperty(ole::Variant(host.FormObject()), "Controls");
    ole::Variant addArgs[] = {ole::Variant(ProbeControl::kProgId), ole::Variant("ctlAdded")};
    auto added = ole::PtrCast<Extender>(ole::CallMethod(controls0, "Add", addArgs).AsObject());
    ASSERT_TRUE(added);
    auto probe = ole::PtrCast<ProbeControl>(added->Inner());
    EXPECT_FALSE(added->Visible());
    EXPECT_EQ(probe->log, (Log{"Initialize", "InitProperties", "Resize"}));
    EXPECT_EQ(ole::TypeName(ole::Variant(added)), "ProbeControl");

    added->SetVisible(true);
    EXPECT_EQ(probe->log.back(), "Show");
    EXPECT_EQ(ErrorOfAdd(host), ole::ERR_DUPLICATE_CONTROL_NAME);

    // Controls.Remove through automation, by the control object itself.
    const ole::Variant controls =
        ole::GetObjectProperty(ole::Variant(host.FormObject()), "Controls");
    ole::Variant which[] = {ole::Variant(added)};
    ole::CallMethod(controls, "Remove", which);
    EXPECT_EQ(probe->log.back(), "Terminate");
    EXPECT_TRUE(added->IsDead());
    EXPECT_EQ(host.GetForm().ControlList().size(), 0u);
    EXPECT_EQ(added->hWnd(), 0);
}

} // namespace hosttest

namespace hosttest {

TEST_F(HostTest, KeyPreviewGivesTheFormTheKeysFirst) {
    auto probe = ProbeControl::Create();
    TestHost host;
    host.Host(probe, "ctlProbe", {0, 0, 50, 50});
    host.Show();
    host.GetForm().SetKeyPreview(true);
    std::vector<std::string> order;
    auto sink = ole::EventSink::Create();
    sink->On(Form::KeyDown, [&](std::span<ole::Variant> args) {
        order.push_back("Form.KeyDown");
        if (ole::FromVariant<int32_t>(args[0]) == 'Q')
            args[0].Deref() = ole::Variant(int16_t{0}); // withheld from the control
    });
    const uint32_t cookie = ole::ConnectEvents(host.FormObject(), sink);
    probe->log.clear();
    win::test::keyPress('A');
    win::test::keyPress('Q');
    win::test::pump();
    EXPECT_EQ(order.size(), 2u);
    EXPECT_EQ(probe->log, (Log{"KeyDown(65)", "KeyPress(97)", "KeyPress(113)"}));
    ole::DisconnectEvents(host.FormObject(), cookie);
}

} // namespace hosttest

namespace hosttest {

TEST_F(HostTest, AFrameAmongConstituentsPaintsTheLabelsItHolds) {
    auto probe = ProbeControl::Create();
    forms::test::TestHost host;
    host.Host(probe, "ctlProbe", {0, 0, 200, 100});
    auto frame = forms::Frame::Create();
    probe->AddConstituent(frame, "Frame1", {5, 5, 150, 90});
    auto label = forms::Label::Create();
    probe->AddConstituent(label, "Label1", {10, 20, 80, 40});
    label->SetContainer(ole::Ptr<ole::Object>(frame));
    const auto held = frame->WindowlessChildren();
    ASSERT_EQ(held.size(), 1u);
    EXPECT_EQ(held[0], ole::Ptr<forms::Control>(label));
}

} // namespace hosttest
