#include "ControlFixture.h"

#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/picturebox/PictureBox.h"
#include "platform/forms/controls/scrollbar/VScrollBar.h"
#include "platform/forms/controls/textbox/TextBox.h"

namespace controlstest {
namespace {

using forms::Label;
using forms::PictureBox;
using forms::TextBox;
using forms::VScrollBar;
using Entries = std::vector<std::string>;

class ControlEventsTest : public ControlTest {};

TEST_F(ControlEventsTest, DoubleClickOrderOnWindowedAndWindowlessControls) {
    const Entries expected = {"MouseDown(1)", "MouseUp(1)", "Click", "DblClick", "MouseUp(1)"};

    auto picture = Site(PictureBox::Create(), "picBox", {10, 10, 110, 60});
    EventLog pictureLog;
    pictureLog.Attach(picture);
    win::test::doubleClick(picture->Window(), {20, 20});
    win::test::pump();
    // The first press also gives it the focus, before its MouseDown.
    Entries withFocus = {"GotFocus"};
    withFocus.insert(withFocus.end(), expected.begin(), expected.end());
    EXPECT_EQ(pictureLog.WithoutMoves(), withFocus);

    auto label = Site(Label::Create(), "lblText", {10, 80, 110, 100});
    EventLog labelLog;
    labelLog.Attach(label);
    win::test::advanceTime(1000);
    win::test::doubleClick(m_form->Window(), {20, 90});
    win::test::pump();
    EXPECT_EQ(labelLog.WithoutMoves(), expected);
}

TEST_F(ControlEventsTest, ClickFollowsOnlyTheLeftButton) {
    auto picture = Site(PictureBox::Create(), "picBox", {10, 10, 110, 60});
    auto label = Site(Label::Create(), "lblText", {10, 80, 110, 100});
    EventLog pictureLog;
    EventLog labelLog;
    pictureLog.Attach(picture);
    labelLog.Attach(label);

    win::test::click(picture->Window(), {5, 5}, win::test::MouseButton::Right);
    win::test::click(m_form->Window(), {20, 90}, win::test::MouseButton::Middle);
    win::test::pump();
    EXPECT_EQ(pictureLog.WithoutMoves(), (Entries{"MouseDown(2)", "MouseUp(2)"}));
    EXPECT_EQ(labelLog.WithoutMoves(), (Entries{"MouseDown(4)", "MouseUp(4)"}));

    // Only the left button has a DblClick: the second press of another is a press like the first.
    pictureLog.Clear();
    labelLog.Clear();
    win::test::advanceTime(1000);
    win::test::doubleClick(picture->Window(), {5, 5}, win::test::MouseButton::Right);
    win::test::doubleClick(m_form->Window(), {20, 90}, win::test::MouseButton::Middle);
    win::test::pump();
    EXPECT_EQ(pictureLog.WithoutMoves(),
              (Entries{"MouseDown(2)", "MouseUp(2)", "MouseDown(2)", "MouseUp(2)"}));
    EXPECT_EQ(labelLog.WithoutMoves(),
              (Entries{"MouseDown(4)", "MouseUp(4)", "MouseDown(4)", "MouseUp(4)"}));
}

TEST_F(ControlEventsTest, MouseCoordinatesUseThePictureBoxOwnScale) {
    auto picture = Site(PictureBox::Create(), "picBox", {10, 10, 110, 60});
    picture->SetScaleMode(3);
    std::vector<float> xy;
    auto sink = ole::EventSink::Create();
    sink->On(forms::eventid::MouseDown, [&](std::span<ole::Variant> args) {
        xy = {ole::CSng(args[2]), ole::CSng(args[3])};
    });
    const uint32_t cookie = ole::ConnectEvents(ole::Ptr<ole::Object>(picture), sink);
    win::test::click(picture->Window(), {7, 9});
    win::test::pump();
    EXPECT_EQ(xy, (std::vector<float>{7.0f, 9.0f}));

    picture->SetScaleMode(1);
    win::test::advanceTime(1000);
    win::test::click(picture->Window(), {7, 9});
    win::test::pump();
    EXPECT_EQ(xy, (std::vector<float>{105.0f, 135.0f}));
    ole::DisconnectEvents(ole::Ptr<ole::Object>(picture), cookie);
}

TEST_F(ControlEventsTest, SinksAttachAndDetachAtRunTime) {
    auto label = Site(Label::Create(), "lblText", {10, 10, 110, 30});
    int first = 0;
    int second = 0;
    auto firstSink = ole::EventSink::Create();
    firstSink->On(forms::eventid::Click, [&](std::span<ole::Variant>) { ++first; });
    auto secondSink = ole::EventSink::Create();
    secondSink->On(forms::eventid::Click, [&](std::span<ole::Variant>) { ++second; });
    const ole::Ptr<ole::Object> source(label);
    const uint32_t firstCookie = ole::ConnectEvents(source, firstSink);
    const uint32_t secondCookie = ole::ConnectEvents(source, secondSink);

    win::test::click(m_form->Window(), {20, 20});
    win::test::pump();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);

    EXPECT_TRUE(ole::DisconnectEvents(source, firstCookie));
    win::test::advanceTime(1000);
    win::test::click(m_form->Window(), {20, 20});
    win::test::pump();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    EXPECT_TRUE(ole::DisconnectEvents(source, secondCookie));
}

TEST_F(ControlEventsTest, AnErrorInAHandlerDoesNotStopTheControl) {
    auto label = Site(Label::Create(), "lblText", {10, 10, 110, 30});
    auto sink = ole::EventSink::Create();
    sink->On(forms::eventid::Click,
             [](std::span<ole::Variant>) { ole::RaiseError(ole::ERR_INVALID_CALL); });
    const ole::Ptr<ole::Object> source(label);
    const uint32_t cookie = ole::ConnectEvents(source, sink);
    EventLog log;
    log.Attach(label);
    win::test::click(m_form->Window(), {20, 20});
    win::test::pump();
    EXPECT_EQ(log.Count("Click"), 1u);
    bool reported = false;
    for (const ole::Error& error : ole::TakeReportedErrors())
        reported = reported || error.Number() == ole::ERR_INVALID_CALL;
    EXPECT_TRUE(reported);
    ole::DisconnectEvents(source, cookie);
}

TEST_F(ControlEventsTest, FocusEventsFollowTheFocusAndLabelsCannotTakeIt) {
    auto text = Site(TextBox::Create(), "txtName", {10, 10, 110, 30});
    auto bar = Site(VScrollBar::Create(), "vsbValue", {120, 10, 137, 110});
    auto label = Site(Label::Create(), "lblName", {10, 40, 110, 60});
    EventLog textLog;
    EventLog barLog;
    textLog.Attach(text);
    barLog.Attach(bar);
    text->SetFocus();
    bar->SetFocus();
    EXPECT_EQ(textLog.Entries(), (Entries{"GotFocus", "LostFocus"}));
    EXPECT_EQ(barLog.Entries(), (Entries{"GotFocus"}));
    EXPECT_EQ(win::GetFocus(), bar->Window());
    EXPECT_EQ(ErrorOf([&] { label->SetFocus(); }), ole::ERR_INVALID_CALL);
    // A press on a text box gives it the focus before its MouseDown, as on every other control.
    textLog.Clear();
    win::test::click(text->Window(), {20, 10});
    win::test::pump();
    EXPECT_EQ(textLog.WithoutMoves(), (Entries{"GotFocus", "MouseDown(1)", "MouseUp(1)", "Click"}));
    EXPECT_EQ(barLog.Entries(), (Entries{"GotFocus", "LostFocus"}));
}

TEST_F(ControlEventsTest, CodeDrivenChangesRaiseChange) {
    auto text = Site(TextBox::Create(), "txtName", {10, 10, 110, 30});
    EventLog textLog;
    textLog.Attach(text);
    text->SetText("abc");
    text->SetText("abc");
    EXPECT_EQ(textLog.Count("Change"), 1u);
    text->SetText("");
    EXPECT_EQ(textLog.Count("Change"), 2u);
    EXPECT_EQ(text->Text(), "");

    auto bar = Site(VScrollBar::Create(), "vsbValue", {120, 10, 137, 110});
    EventLog barLog;
    barLog.Attach(bar);
    bar->SetMax(100);
    EXPECT_EQ(barLog.Count("Change"), 0u);
    bar->SetValue(40);
    bar->SetValue(40);
    EXPECT_EQ(barLog.Count("Change"), 1u);
    // A range that leaves Value outside clamps it, once.
    bar->SetMax(30);
    EXPECT_EQ(bar->GetValue(), 30);
    EXPECT_EQ(barLog.Count("Change"), 2u);
    bar->SetMin(10);
    EXPECT_EQ(bar->GetValue(), 30);
    EXPECT_EQ(barLog.Count("Change"), 2u);
    EXPECT_TRUE(textLog.Count("Scroll") == 0 && barLog.Count("Scroll") == 0);
}

} // namespace
} // namespace controlstest
