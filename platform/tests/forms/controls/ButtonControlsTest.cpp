#include "ControlFixture.h"

#include "platform/forms/control/ControlHold.h"
#include "platform/forms/controls/buttons/CheckBox.h"
#include "platform/forms/controls/buttons/CommandButton.h"
#include "platform/forms/controls/buttons/OptionButton.h"
#include "platform/forms/controls/frame/Frame.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/controls/ControlConstants.h"

namespace controlstest {
namespace {

using forms::CheckBox;
using forms::CommandButton;
using forms::OptionButton;

class ButtonControlsTest : public ControlTest {};

TEST_F(ButtonControlsTest, DefaultsMembersAndErrors) {
    const auto button = Site(CommandButton::Create(), "cmdOk", {10, 10, 90, 35});
    const auto check = Site(CheckBox::Create(), "chkOn", {10, 40, 90, 60});
    const auto option = Site(OptionButton::Create(), "optA", {10, 70, 90, 90});
    const ole::Variant b{ole::Ptr<ole::Object>(button)};
    const ole::Variant c{ole::Ptr<ole::Object>(check)};
    const ole::Variant o{ole::Ptr<ole::Object>(option)};
    for (const ole::Variant* v : {&b, &c, &o}) {
        EXPECT_EQ(ole::CLng(ole::GetProperty(*v, "BackColor")), int32_t(0x8000000F));
        EXPECT_NE(ole::CLng(ole::GetProperty(*v, "hWnd")), 0);
        EXPECT_EQ(ErrorOf([&] { ole::LetProperty(*v, "Name", ole::Variant("x")); }),
                  ole::ERR_READ_ONLY);
        EXPECT_EQ(ErrorOf([&] { ole::GetProperty(*v, "Index"); }), ole::ERR_NOT_AN_ARRAY);
        EXPECT_TRUE(ole::GetObjectProperty(*v, "Font").IsObject());
    }
    EXPECT_EQ(ole::CLng(ole::GetProperty(c, "ForeColor")), int32_t(0x80000012));
    EXPECT_EQ(ErrorOf([&] { ole::GetProperty(b, "ForeColor"); }), ole::ERR_NO_MEMBER);
    EXPECT_FALSE(ole::GetProperty(b, "Default").AsBool());
    EXPECT_EQ(ole::CLng(ole::GetProperty(c, "Value")), 0);
    EXPECT_FALSE(ole::GetProperty(o, "Value").AsBool());
    for (const int32_t bad : {-1, 3})
        EXPECT_EQ(ErrorOf([&] { ole::LetProperty(c, "Value", ole::Variant(bad)); }),
                  ole::ERR_INVALID_PROPERTY_VALUE);
    ole::LetProperty(b, "Caption", ole::Variant("&Go"));
    char text[16] = {};
    win::GetWindowTextA(button->Window(), text, sizeof text);
    EXPECT_STREQ(text, "&Go");
    EXPECT_EQ(button->AccessKey(), 'G');
}

TEST_F(ButtonControlsTest, ACommandButtonClicksOnlyWhenReleasedOverIt) {
    const auto button = Site(CommandButton::Create(), "cmdGo", {10, 10, 90, 35});
    EventLog log;
    log.Attach(button);
    win::test::click(button->Window(), {20, 10});
    win::test::pump();
    EXPECT_EQ(log.WithoutMoves(),
              (std::vector<std::string>{"GotFocus", "MouseDown(1)", "MouseUp(1)", "Click"}));
    // A button has no DblClick: the second press of a double click is a press like the first.
    log.Clear();
    win::test::advanceTime(1000);
    win::test::doubleClick(button->Window(), {20, 10});
    win::test::pump();
    EXPECT_EQ(log.WithoutMoves(),
              (std::vector<std::string>{"MouseDown(1)", "MouseUp(1)", "Click", "MouseDown(1)",
                                        "MouseUp(1)", "Click"}));
    log.Clear();
    win::test::advanceTime(1000);
    win::test::mouseDown(win::test::MouseButton::Left, button->Window(), {20, 10});
    win::test::mouseUp(win::test::MouseButton::Left, m_form->Window(), {150, 150});
    win::test::pump();
    EXPECT_EQ(log.Count("Click"), 0u);
}

TEST_F(ButtonControlsTest, EnterAndEscPressTheDefaultAndCancelButtonsUnlessAButtonHasTheFocus) {
    const auto ok = Site(CommandButton::Create(), "cmdOk", {10, 10, 90, 35});
    const auto other = Site(CommandButton::Create(), "cmdOther", {10, 40, 90, 65});
    const auto cancel = Site(CommandButton::Create(), "cmdCancel", {100, 10, 180, 35});
    const auto text = Site(forms::TextBox::Create(), "txtName", {10, 80, 90, 100});
    other->SetDefault(true);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    EXPECT_FALSE(other->Default());
    EXPECT_EQ(win::GetWindowLongA(ok->Window(), win::GWL_STYLE) & win::BS_TYPEMASK,
              static_cast<win::LONG_PTR>(win::BS_DEFPUSHBUTTON));
    EXPECT_EQ(win::GetWindowLongA(other->Window(), win::GWL_STYLE) & win::BS_TYPEMASK,
              static_cast<win::LONG_PTR>(win::BS_PUSHBUTTON));
    EventLog okLog;
    EventLog cancelLog;
    EventLog textLog;
    okLog.Attach(ok);
    cancelLog.Attach(cancel);
    textLog.Attach(text);
    text->SetFocus();
    win::test::keyPress(win::VK_RETURN);
    win::test::keyPress(win::VK_ESCAPE);
    win::test::pump();
    EXPECT_EQ(okLog.Count("Click"), 1u);
    EXPECT_EQ(cancelLog.Count("Click"), 1u);
    // The keys the form took are no key presses of the text box; the next one is.
    EXPECT_EQ(textLog.Count("KeyPress"), 0u);
    win::test::keyPress('A');
    win::test::pump();
    EXPECT_EQ(textLog.Count("KeyPress"), 1u);
    // Nor is the Tab that moves the focus on.
    win::test::keyPress(win::VK_TAB);
    win::test::pump();
    EXPECT_NE(win::GetFocus(), text->Window());
    EXPECT_EQ(textLog.Count("KeyPress"), 1u);
    // A focused command button takes Enter itself; Esc still goes to the Cancel button.
    EventLog otherLog;
    otherLog.Attach(other);
    other->SetFocus();
    win::test::keyPress(win::VK_RETURN);
    win::test::keyPress(win::VK_ESCAPE);
    win::test::pump();
    EXPECT_EQ(otherLog.Count("Click"), 1u);
    EXPECT_EQ(okLog.Count("Click"), 1u);
    EXPECT_EQ(cancelLog.Count("Click"), 2u);
}

// Cancel, like Default, belongs to one button of a form: the last one given it, wherever it sits.
TEST_F(ButtonControlsTest, CancelMovesToTheLastButtonGivenIt) {
    const auto frame = Site(forms::Frame::Create(), "fraGroup", {100, 0, 200, 100});
    const auto first = Site(CommandButton::Create(), "cmdFirst", {10, 10, 90, 35});
    const auto inFrame =
        Site(CommandButton::Create(), "cmdIn", {5, 20, 90, 45}, ole::Ptr<ole::Object>(frame));
    const auto last = Site(CommandButton::Create(), "cmdLast", {10, 40, 90, 65});
    const auto text = Site(forms::TextBox::Create(), "txtName", {10, 80, 90, 100});
    first->SetCancel(true);
    inFrame->SetCancel(true);
    ole::LetProperty(ole::Variant(ole::Ptr<ole::Object>(last)), "Cancel", ole::Variant(true));
    EXPECT_FALSE(first->Cancel());
    EXPECT_FALSE(inFrame->Cancel());
    EXPECT_TRUE(last->Cancel());
    EventLog firstLog;
    EventLog lastLog;
    firstLog.Attach(first);
    lastLog.Attach(last);
    text->SetFocus();
    win::test::keyPress(win::VK_ESCAPE);
    win::test::pump();
    EXPECT_EQ(firstLog.Count("Click"), 0u);
    EXPECT_EQ(lastLog.Count("Click"), 1u);
    // Clearing it leaves the form without a Cancel button.
    last->SetCancel(false);
    win::test::keyPress(win::VK_ESCAPE);
    win::test::pump();
    EXPECT_EQ(firstLog.Count("Click"), 0u);
    EXPECT_EQ(lastLog.Count("Click"), 1u);
}

TEST_F(ButtonControlsTest, CheckBoxClicksAndValueLetsRaiseClickReentrantly) {
    const auto check = Site(CheckBox::Create(), "chkOn", {10, 10, 90, 30});
    const ole::Variant c{ole::Ptr<ole::Object>(check)};
    std::vector<int32_t> seen;
    bool nest = true;
    auto sink = ole::EventSink::Create();
    sink->On(forms::eventid::Click, [&](std::span<ole::Variant>) {
        seen.push_back(ole::CLng(ole::GetProperty(c, "Value")));
        // A let inside the handler raises Click again, at once.
        if (std::exchange(nest, false))
            ole::LetProperty(c, "Value", ole::Variant(int16_t{2}));
    });
    const uint32_t cookie = ole::ConnectEvents(check, sink);
    ole::LetProperty(c, "Value", ole::Variant(int16_t{1}));
    EXPECT_EQ(seen, (std::vector<int32_t>{1, 2}));
    ole::LetProperty(c, "Value", ole::Variant(int16_t{2}));
    EXPECT_EQ(seen.size(), 2u);
    // The user toggles between unchecked and checked.
    check->SetValue(0);
    seen.clear();
    win::test::click(check->Window(), {5, 10});
    win::test::pump();
    EXPECT_EQ(seen, std::vector<int32_t>{1});
    EXPECT_EQ(win::SendMessageA(check->Window(), win::BM_GETCHECK, 0, 0), win::BST_CHECKED);
    ole::DisconnectEvents(check, cookie);
}

TEST_F(ButtonControlsTest, OptionButtonsOfOneContainerAreOneGroupThatArrowsMoveThrough) {
    const auto frame = Site(forms::Frame::Create(), "fraGroup", {100, 0, 200, 100});
    const auto a = Site(OptionButton::Create(), "optA", {10, 10, 90, 30});
    const auto b = Site(OptionButton::Create(), "optB", {10, 40, 90, 60});
    const auto inFrame =
        Site(OptionButton::Create(), "optC", {5, 20, 90, 40}, ole::Ptr<ole::Object>(frame));
    EventLog aLog;
    EventLog bLog;
    aLog.Attach(a);
    bLog.Attach(b);
    inFrame->SetValue(true);
    ole::LetProperty(ole::Variant(ole::Ptr<ole::Object>(a)), "Value", ole::Variant(true));
    EXPECT_EQ(aLog.Entries(), std::vector<std::string>{"Click"});
    b->SetValue(true);
    EXPECT_FALSE(a->GetValue());
    EXPECT_TRUE(inFrame->GetValue());
    EXPECT_EQ(aLog.Entries().size(), 1u);
    EXPECT_EQ(bLog.Count("Click"), 1u);
    // A click chooses the option and clears the others of its group.
    win::test::click(a->Window(), {5, 10});
    win::test::pump();
    EXPECT_TRUE(a->GetValue());
    EXPECT_FALSE(b->GetValue());
    EXPECT_TRUE(inFrame->GetValue());
    EXPECT_EQ(aLog.Count("Click"), 2u);
    // An arrow moves the focus and the choice to the next option of the group, wrapping round.
    win::test::keyPress(win::VK_DOWN);
    win::test::pump();
    EXPECT_EQ(win::GetFocus(), b->Window());
    EXPECT_TRUE(b->GetValue());
    EXPECT_FALSE(a->GetValue());
    EXPECT_EQ(bLog.Count("Click"), 2u);
    win::test::keyPress(win::VK_DOWN);
    win::test::pump();
    EXPECT_EQ(win::GetFocus(), a->Window());
    EXPECT_TRUE(a->GetValue());
    EXPECT_TRUE(inFrame->GetValue());
}

TEST_F(ButtonControlsTest, HoldsListenAlongsideOtherSinksAndRefuseOtherClasses) {
    const auto button = m_form->Add("VB.CommandButton", "cmdHeld");
    const auto label = m_form->Add("VB.Label", "lblOther");
    int held = 0;
    int other = 0;
    auto heldSink = ole::EventSink::Create();
    heldSink->On(forms::eventid::Click, [&](std::span<ole::Variant>) { ++held; });
    auto otherSink = ole::EventSink::Create();
    otherSink->On(forms::eventid::Click, [&](std::span<ole::Variant>) { ++other; });
    const uint32_t cookie = ole::ConnectEvents(button, otherSink);
    {
        forms::ControlHold hold("CommandButton", heldSink);
        EXPECT_EQ(ErrorOf([&] { hold.Assign(label); }), ole::ERR_TYPE_MISMATCH);
        EXPECT_FALSE(hold.Get());
        hold.Assign(button);
        button->PressFromKeyboard();
        EXPECT_EQ(held, 1);
        EXPECT_EQ(other, 1);
        hold.Assign(nullptr);
        button->PressFromKeyboard();
        EXPECT_EQ(held, 1);
        hold.Assign(button);
    }
    button->PressFromKeyboard();
    EXPECT_EQ(held, 1);
    EXPECT_EQ(other, 3);
    ole::DisconnectEvents(button, cookie);
}

} // namespace
} // namespace controlstest
