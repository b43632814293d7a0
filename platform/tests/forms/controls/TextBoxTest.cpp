#include "ControlFixture.h"

#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/win/controls/ControlConstants.h"

namespace controlstest {
namespace {

using forms::TextBox;

class TextBoxTest : public ControlTest {};

TEST_F(TextBoxTest, DefaultsAndRangeChecks) {
    auto text = Site(TextBox::Create(), "txtName", {10, 10, 110, 31});
    const ole::Ptr<ole::Object> obj(text);
    EXPECT_EQ(Get(obj, "BackColor").AsI4(), static_cast<int32_t>(0x80000005));
    EXPECT_EQ(Get(obj, "ForeColor").AsI4(), static_cast<int32_t>(0x80000008));
    EXPECT_EQ(Get(obj, "BorderStyle").AsI2(), 1);
    EXPECT_EQ(Get(obj, "MaxLength").AsI4(), 0);
    EXPECT_FALSE(Get(obj, "Locked").AsBool());
    EXPECT_TRUE(Get(obj, "TabStop").AsBool());
    EXPECT_EQ(Get(obj, "Text").AsString(), "");

    char className[16] = {};
    win::GetClassNameA(text->Window(), className, sizeof className);
    EXPECT_STREQ(className, "Edit");
    EXPECT_NE(win::GetWindowLongA(text->Window(), win::GWL_EXSTYLE) & win::WS_EX_CLIENTEDGE, 0);

    EXPECT_EQ(ErrorOf([&] { Let(obj, "SelStart", ole::Variant(int32_t{-1})); }),
              ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(ErrorOf([&] { Let(obj, "SelLength", ole::Variant(int32_t{-1})); }),
              ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(ErrorOf([&] { Let(obj, "MaxLength", ole::Variant(int32_t{-1})); }),
              ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(ErrorOf([&] { Let(obj, "BorderStyle", ole::Variant(int16_t{2})); }),
              ole::ERR_INVALID_PROPERTY_VALUE);

    text->SetBorderStyle(0);
    EXPECT_EQ(win::GetWindowLongA(text->Window(), win::GWL_EXSTYLE) & win::WS_EX_CLIENTEDGE, 0);
}

TEST_F(TextBoxTest, SelectionCountsCharactersBeforeAndAfterSiting) {
    for (const bool sited : {false, true}) {
        auto text = TextBox::Create();
        if (sited)
            Site(text, "txtSited", {10, 10, 110, 31});
        text->SetText("h\xC3\xA9llo w\xC3\xB6rld");
        text->SetSelStart(1);
        text->SetSelLength(4);
        EXPECT_EQ(text->GetSelText(), "\xC3\xA9llo") << sited;
        text->SetSelText("ey");
        EXPECT_EQ(text->Text(), "hey w\xC3\xB6rld") << sited;
        EXPECT_EQ(text->GetSelStart(), 3) << sited;
        EXPECT_EQ(text->GetSelLength(), 0) << sited;
        // Beyond the end goes to the end.
        text->SetSelStart(100);
        EXPECT_EQ(text->GetSelStart(), 9) << sited;
        text->SetSelLength(100);
        EXPECT_EQ(text->GetSelLength(), 0) << sited;
    }
}

TEST_F(TextBoxTest, TextSurvivesUnloadAndComesBackWithTheWindow) {
    auto text = Site(TextBox::Create(), "txtName", {10, 10, 110, 31});
    text->SetText("kept");
    m_form->UnloadForm();
    EXPECT_EQ(text->Text(), "kept");
}

TEST_F(TextBoxTest, KeyEventsCanWithholdAndReplaceKeys) {
    auto text = Site(TextBox::Create(), "txtName", {10, 10, 110, 31});
    text->SetText("abc");
    text->SetFocus();
    EventLog log;
    log.Attach(text);
    auto sink = ole::EventSink::Create();
    sink->On(forms::eventid::KeyDown, [](std::span<ole::Variant> args) {
        if (ole::CLng(args[0]) == win::VK_DELETE)
            args[0].Deref() = ole::Variant(int16_t{0});
    });
    sink->On(forms::eventid::KeyPress, [](std::span<ole::Variant> args) {
        const int32_t key = ole::CLng(args[0]);
        if (key == 8)
            args[0].Deref() = ole::Variant(int16_t{0});
        else if (key == 'x')
            args[0].Deref() = ole::Variant(int16_t{'X'});
    });
    const ole::Ptr<ole::Object> source(text);
    const uint32_t cookie = ole::ConnectEvents(source, sink);

    text->SetSelStart(1);
    win::test::keyPress(win::VK_DELETE);
    win::test::keyPress(win::VK_BACK);
    win::test::typeText("x");
    win::test::pump();
    EXPECT_EQ(text->Text(), "aXbc");
    EXPECT_EQ(log.Count("Change"), 1u);
    EXPECT_EQ(log.Count("KeyDown"), 3u);
    EXPECT_EQ(log.Count("KeyPress"), 2u);
    EXPECT_EQ(log.Count("KeyUp"), 3u);
    ole::DisconnectEvents(source, cookie);
}

TEST_F(TextBoxTest, TypingRaisesChangeAndTheContainerColoursTheField) {
    auto text = Site(TextBox::Create(), "txtName", {10, 10, 110, 31});
    text->SetBackColor(ole::Variant(int32_t{0x0000FF}));
    text->SetFocus();
    EventLog log;
    log.Attach(text);
    win::test::typeText("hi");
    win::test::pump();
    EXPECT_EQ(text->Text(), "hi");
    EXPECT_EQ(log.Count("Change"), 2u);
    EXPECT_EQ(log.Entries().front(), "KeyDown");

    const win::HDC hdc = win::GetDC(text->Window());
    EXPECT_EQ(win::GetPixel(hdc, 90, 10), win::RGB(255, 0, 0));
    win::ReleaseDC(text->Window(), hdc);

    // Locked: the user cannot edit, code still can.
    text->SetLocked(true);
    win::test::typeText("!");
    win::test::pump();
    EXPECT_EQ(text->Text(), "hi");
    text->SetMaxLength(3);
    text->SetLocked(false);
    text->SetSelStart(2);
    win::test::typeText("abc");
    win::test::pump();
    EXPECT_EQ(text->Text(), "hia");
}

} // namespace
} // namespace controlstest
