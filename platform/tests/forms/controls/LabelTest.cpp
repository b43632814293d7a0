#include "ControlFixture.h"

#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/ole/font/Font.h"
#include "platform/win/test/TestApi.h"

namespace controlstest {
namespace {

using forms::Label;

class LabelTest : public ControlTest {};

TEST_F(LabelTest, DefaultsAndRangeChecks) {
    auto label = Site(Label::Create(), "lblName", {10, 10, 90, 30});
    const ole::Ptr<ole::Object> obj(label);

    EXPECT_EQ(Get(obj, "BackColor").AsI4(), static_cast<int32_t>(0x8000000F));
    EXPECT_EQ(Get(obj, "ForeColor").AsI4(), static_cast<int32_t>(0x80000012));
    EXPECT_EQ(Get(obj, "BackStyle").AsI2(), 1);
    EXPECT_EQ(Get(obj, "BorderStyle").AsI2(), 0);
    EXPECT_EQ(Get(obj, "Alignment").AsI2(), 0);
    EXPECT_FALSE(Get(obj, "AutoSize").AsBool());
    EXPECT_FALSE(Get(obj, "WordWrap").AsBool());
    EXPECT_EQ(Get(obj, "Caption").AsString(), "");
    EXPECT_EQ(Get(obj, "Name").AsString(), "lblName");

    EXPECT_EQ(ErrorOf([&] { Get(obj, "hWnd"); }), ole::ERR_NO_MEMBER);
    EXPECT_EQ(ErrorOf([&] { Get(obj, "TabIndex"); }), ole::ERR_NO_MEMBER);
    EXPECT_EQ(ErrorOf([&] { Get(obj, "Index"); }), ole::ERR_NOT_AN_ARRAY);
    EXPECT_EQ(ErrorOf([&] { Let(obj, "Name", ole::Variant(std::string("other"))); }),
              ole::ERR_READ_ONLY);
    EXPECT_EQ(ErrorOf([&] { Let(obj, "Alignment", ole::Variant(int16_t{3})); }),
              ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(ErrorOf([&] { Let(obj, "BackStyle", ole::Variant(int16_t{2})); }),
              ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(ErrorOf([&] { Let(obj, "MousePointer", ole::Variant(int16_t{16})); }),
              ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(ErrorOf([&] { Let(obj, "Width", ole::Variant(-1.0f)); }),
              ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(Get(obj, "Alignment").AsI2(), 0);
}

TEST_F(LabelTest, ColoursComeBackExactlyAsSetInEitherSpelling) {
    auto label = Site(Label::Create(), "lbl", {0, 0, 50, 20});
    const ole::Ptr<ole::Object> obj(label);

    Let(obj, "BackColor", ole::Variant(static_cast<int32_t>(0x80000005)));
    EXPECT_EQ(Get(obj, "BackColor").AsI4(), static_cast<int32_t>(0x80000005));
    Let(obj, "ForeColor", ole::Variant::FromUI4(0x80000008u));
    EXPECT_EQ(Get(obj, "ForeColor").AsI4(), static_cast<int32_t>(0x80000008));
    Let(obj, "BackColor", ole::Variant(int32_t{0x00123456}));
    EXPECT_EQ(Get(obj, "BackColor").AsI4(), 0x00123456);
}

TEST_F(LabelTest, PaintsItsBackgroundAndBorderOverTheForm) {
    auto opaque = Site(Label::Create(), "lblOpaque", {10, 10, 40, 30});
    auto clear = Site(Label::Create(), "lblClear", {50, 10, 80, 30});
    const ole::Ptr<ole::Object> opaqueObj(opaque);
    const ole::Ptr<ole::Object> clearObj(clear);
    Let(opaqueObj, "BackColor", ole::Variant(int32_t{0x0000FF}));
    Let(opaqueObj, "BorderStyle", ole::Variant(int16_t{1}));
    Let(clearObj, "BackColor", ole::Variant(int32_t{0x00FF00}));
    Let(clearObj, "BackStyle", ole::Variant(int16_t{0}));
    win::test::pump();

    const win::HDC hdc = win::GetDC(m_form->Window());
    const win::COLORREF face = win::GetSysColor(win::COLOR_BTNFACE);
    EXPECT_EQ(win::GetPixel(hdc, 20, 20), win::RGB(255, 0, 0));
    EXPECT_EQ(win::GetPixel(hdc, 10, 20), win::GetSysColor(win::COLOR_WINDOWFRAME));
    EXPECT_EQ(win::GetPixel(hdc, 39, 29), win::GetSysColor(win::COLOR_WINDOWFRAME));
    EXPECT_EQ(win::GetPixel(hdc, 60, 20), face);
    EXPECT_EQ(win::GetPixel(hdc, 45, 20), face);

    // Hidden, the form's colour shows through at once.
    opaque->SetVisible(false);
    win::test::pump();
    EXPECT_EQ(win::GetPixel(hdc, 20, 20), face);
    win::ReleaseDC(m_form->Window(), hdc);
}

TEST_F(LabelTest, MouseInputGoesToTheTopmostLabelUnderThePoint) {
    auto below = Site(Label::Create(), "lblBelow", {10, 10, 60, 40});
    auto above = Site(Label::Create(), "lblAbove", {30, 10, 80, 40});
    EventLog belowLog;
    EventLog aboveLog;
    belowLog.Attach(below);
    aboveLog.Attach(above);

    win::test::click(m_form->Window(), {40, 20});
    win::test::pump();
    EXPECT_EQ(aboveLog.WithoutMoves(),
              (std::vector<std::string>{"MouseDown(1)", "MouseUp(1)", "Click"}));
    EXPECT_TRUE(belowLog.Entries().empty());

    below->ZOrder(ole::Variant::Missing());
    aboveLog.Clear();
    // Past the double-click time, so the next press starts a new click.
    win::test::advanceTime(1000);
    win::test::click(m_form->Window(), {40, 20});
    win::test::pump();
    EXPECT_EQ(belowLog.Count("Click"), 1u);
    EXPECT_TRUE(aboveLog.WithoutMoves().empty());
}

TEST_F(LabelTest, AutoSizeTakesTheOneLineExtentWithoutTheAccessKeyMark) {
    auto plain = Site(Label::Create(), "lblPlain", {10, 10, 20, 20});
    auto marked = Site(Label::Create(), "lblMarked", {10, 40, 20, 50});
    plain->SetCaption("Hello there");
    marked->SetCaption("&Hello there");
    plain->SetAutoSize(true);
    marked->SetAutoSize(true);

    EXPECT_GT(plain->Width(), 20 * 15.0f);
    EXPECT_FLOAT_EQ(marked->Width(), plain->Width());
    // "MS Sans Serif" 8.25 is 13 pixels high.
    EXPECT_FLOAT_EQ(plain->Height(), 13 * 15.0f);
    const float oneLine = plain->Width();
    // The caption's own line breaks hold without WordWrap: every line, as wide as the widest.
    plain->SetCaption("Hello there\r\nall");
    EXPECT_FLOAT_EQ(plain->Width(), oneLine);
    EXPECT_FLOAT_EQ(plain->Height(), 2 * 13 * 15.0f);
    plain->SetCaption("Hello there, and more");
    EXPECT_GT(plain->Width(), oneLine);
    auto bigger = ole::Font::Create();
    bigger->SetSize(ole::Currency::FromUnits(16));
    plain->SetFont(bigger);
    EXPECT_GT(plain->Height(), 13 * 15.0f);
}

TEST_F(LabelTest, DrawsItsCaptionInForeColor) {
    auto label = Site(Label::Create(), "lblText", {10, 10, 110, 30});
    label->SetForeColor(ole::Variant(int32_t{0x0000FF}));
    label->SetCaption("WWW");
    win::test::pump();
    const win::HDC hdc = win::GetDC(m_form->Window());
    int red = 0;
    for (int y = 10; y < 30; ++y) {
        for (int x = 10; x < 110; ++x)
            red += win::GetPixel(hdc, x, y) == win::RGB(255, 0, 0) ? 1 : 0;
    }
    win::ReleaseDC(m_form->Window(), hdc);
    EXPECT_GT(red, 10);
}

TEST_F(LabelTest, AltWithTheCaptionsAccessKeyFocusesTheNextControl) {
    auto first = Site(forms::TextBox::Create(), "txtFirst", {10, 10, 90, 30});
    auto label = Site(Label::Create(), "lblName", {10, 40, 90, 60});
    auto field = Site(forms::TextBox::Create(), "txtName", {100, 40, 190, 60});
    label->SetCaption("&Name");
    win::test::pump();
    win::SetFocus(first->Window());
    win::test::keyPress('N', win::test::Modifiers::Alt);
    win::test::pump();
    EXPECT_EQ(win::GetFocus(), field->Window());
}

} // namespace
} // namespace controlstest
