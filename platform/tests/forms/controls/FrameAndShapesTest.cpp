#include "ControlFixture.h"

#include "platform/forms/controls/frame/Frame.h"
#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/shapes/Line.h"
#include "platform/forms/controls/shapes/Shape.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/window/Geometry.h"

namespace controlstest {
namespace {

class FrameAndShapesTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        m_hdc = win::GetDC(m_form->Window());
    }
    void TearDown() override {
        win::ReleaseDC(m_form->Window(), m_hdc);
        ControlTest::TearDown();
    }
    win::COLORREF FormPixel(int x, int y) {
        win::test::pump();
        return win::GetPixel(m_hdc, x, y);
    }

    // A red line from (20, 30) to (40, 30) in the form's pixels, set through its members.
    ole::Ptr<forms::Line> RedLine() {
        const auto line = Site(forms::Line::Create(), "linA", {0, 0, 0, 0});
        m_form->SetScaleMode(3);
        const ole::Variant v{ole::Ptr<ole::Object>(line)};
        for (const auto& [member, value] :
             {std::pair{"X1", 20}, std::pair{"Y1", 30}, std::pair{"X2", 40}, std::pair{"Y2", 30}})
            ole::LetProperty(v, member, ole::Variant(float(value)));
        line->SetBorderColor(ole::Variant(int32_t{0x0000FF}));
        return line;
    }

    win::HDC m_hdc;
    const win::COLORREF m_face = win::GetSysColor(win::COLOR_BTNFACE);
};

TEST_F(FrameAndShapesTest, DefaultsAndRangeErrors) {
    const ole::Variant frame{ole::Ptr<ole::Object>(forms::Frame::Create())};
    const ole::Variant line{ole::Ptr<ole::Object>(forms::Line::Create())};
    const ole::Variant shape{ole::Ptr<ole::Object>(forms::Shape::Create())};
    EXPECT_EQ(ole::CLng(ole::GetProperty(frame, "BackColor")), int32_t(0x8000000F));
    EXPECT_EQ(ole::CLng(ole::GetProperty(frame, "ForeColor")), int32_t(0x80000012));
    EXPECT_EQ(ole::CLng(ole::GetProperty(line, "BorderColor")), int32_t(0x80000008));
    EXPECT_EQ(ole::CLng(ole::GetProperty(shape, "BorderColor")), int32_t(0x80000008));
    EXPECT_EQ(ole::CLng(ole::GetProperty(shape, "FillStyle")), 1);
    EXPECT_EQ(ole::CLng(ole::GetProperty(shape, "BackStyle")), 0);
    EXPECT_EQ(ole::CLng(ole::GetProperty(line, "BorderWidth")), 1);
    const struct {
        const ole::Variant& object;
        const char* member;
        int32_t value;
    } rejected[] = {{shape, "FillStyle", 8}, {shape, "FillStyle", -1}, {line, "BorderWidth", 0},
                    {shape, "Shape", 6},     {line, "DrawMode", 17},   {frame, "BorderStyle", 2}};
    for (const auto& r : rejected)
        EXPECT_EQ(ErrorOf([&] { ole::LetProperty(r.object, r.member, ole::Variant(r.value)); }),
                  ole::ERR_INVALID_PROPERTY_VALUE)
            << r.member << " " << r.value;
    // Members a class does not have.
    for (const char* member : {"Left", "Width", "hWnd", "Move"})
        EXPECT_EQ(ErrorOf([&] { ole::GetProperty(line, member); }), ole::ERR_NO_MEMBER) << member;
    EXPECT_EQ(ErrorOf([&] { ole::GetProperty(shape, "hWnd"); }), ole::ERR_NO_MEMBER);
    EXPECT_EQ(ErrorOf([&] { ole::GetProperty(frame, "ScaleMode"); }), ole::ERR_NO_MEMBER);
}

TEST_F(FrameAndShapesTest, FrameDrawsItsGroupAndPlacesChildrenFromItsOuterCorner) {
    const auto frame = Site(forms::Frame::Create(), "fraGroup", {10, 10, 110, 90});
    frame->SetCaption("Group");
    const auto text =
        Site(forms::TextBox::Create(), "txtIn", {0, 0, 40, 20}, ole::Ptr<ole::Object>(frame));
    win::RECT window;
    win::RECT client;
    win::GetWindowRect(frame->Window(), &window);
    win::GetClientRect(frame->Window(), &client);
    EXPECT_EQ(client.right, window.right - window.left);
    EXPECT_EQ(client.bottom, window.bottom - window.top);
    EXPECT_FLOAT_EQ(text->Left(), 0.0f);
    // The etched frame: dark then light along the left edge, plain face inside.
    const win::COLORREF shadow = win::GetSysColor(win::COLOR_BTNSHADOW);
    const win::COLORREF highlight = win::GetSysColor(win::COLOR_BTNHIGHLIGHT);
    win::test::pump();
    const win::HDC hdc = win::GetDC(frame->Window());
    EXPECT_EQ(win::GetPixel(hdc, 0, 50), shadow);
    EXPECT_EQ(win::GetPixel(hdc, 1, 50), highlight);
    EXPECT_EQ(win::GetPixel(hdc, 98, 78), shadow);
    EXPECT_EQ(win::GetPixel(hdc, 50, 50), m_face);
    win::ReleaseDC(frame->Window(), hdc);
    // Disabled, its children take no input.
    frame->SetEnabled(false);
    EXPECT_FALSE(text->CanTakeFocus());
}

TEST_F(FrameAndShapesTest, LineDrawsBothEndsAndLetsClicksThrough) {
    const auto line = RedLine();
    const ole::Variant v{ole::Ptr<ole::Object>(line)};
    EXPECT_FLOAT_EQ(ole::CSng(ole::GetProperty(v, "X2")), 40.0f);
    EXPECT_EQ(FormPixel(20, 30), win::RGB(255, 0, 0));
    EXPECT_EQ(FormPixel(40, 30), win::RGB(255, 0, 0));
    EXPECT_EQ(FormPixel(41, 30), m_face);
    EXPECT_EQ(FormPixel(30, 31), m_face);

    EventLog formLog;
    formLog.Attach(m_form);
    win::test::click(m_form->Window(), {30, 30});
    win::test::pump();
    EXPECT_EQ(formLog.Count("Click"), 1u);
}

// The box a Line repaints and is hit in follows its pen: a wider pen paints all of its width at
// once, and a narrower one leaves nothing of the wider behind.
TEST_F(FrameAndShapesTest, LineBoxFollowsItsBorderWidth) {
    const auto line = RedLine();
    const ole::Variant v{ole::Ptr<ole::Object>(line)};
    EXPECT_EQ(FormPixel(30, 26), m_face);
    ole::LetProperty(v, "BorderWidth", ole::Variant(int16_t{9}));
    const win::RECT box = line->PixelBounds();
    EXPECT_LE(box.top, 26);
    EXPECT_GE(box.bottom, 35);
    EXPECT_EQ(FormPixel(30, 26), win::RGB(255, 0, 0));
    EXPECT_EQ(FormPixel(30, 34), win::RGB(255, 0, 0));
    ole::LetProperty(v, "BorderWidth", ole::Variant(int16_t{1}));
    EXPECT_EQ(FormPixel(30, 26), m_face);
    EXPECT_EQ(FormPixel(30, 30), win::RGB(255, 0, 0));
}

// Ends far beyond any screen are pinned to the coordinate range instead of overflowing.
TEST_F(FrameAndShapesTest, LineEndsBeyondTheCoordinateRangeArePinned) {
    const auto line = Site(forms::Line::Create(), "linA", {0, 0, 0, 0});
    m_form->SetScaleMode(3);
    const ole::Variant v{ole::Ptr<ole::Object>(line)};
    ole::LetProperty(v, "X1", ole::Variant(-1e30f));
    ole::LetProperty(v, "X2", ole::Variant(1e30f));
    ole::LetProperty(v, "Y2", ole::Variant(3e9f));
    EXPECT_FLOAT_EQ(ole::CSng(ole::GetProperty(v, "X1")), -float(win::kCoordinateLimit));
    EXPECT_FLOAT_EQ(ole::CSng(ole::GetProperty(v, "X2")), float(win::kCoordinateLimit));
    EXPECT_FLOAT_EQ(ole::CSng(ole::GetProperty(v, "Y2")), float(win::kCoordinateLimit));
    EXPECT_EQ(FormPixel(30, 0), m_face);
}

TEST_F(FrameAndShapesTest, ShapeFillsThenBorders) {
    const auto shape = Site(forms::Shape::Create(), "shpBox", {10, 10, 30, 30});
    shape->SetBorderColor(ole::Variant(int32_t{0x0000FF}));
    EXPECT_EQ(FormPixel(10, 10), win::RGB(255, 0, 0));
    EXPECT_EQ(FormPixel(29, 29), win::RGB(255, 0, 0));
    EXPECT_EQ(FormPixel(30, 30), m_face);
    EXPECT_EQ(FormPixel(20, 20), m_face);
    shape->SetFillStyle(0);
    shape->SetFillColor(ole::Variant(int32_t{0x00FF00}));
    EXPECT_EQ(FormPixel(20, 20), win::RGB(0, 255, 0));
    EXPECT_EQ(FormPixel(28, 28), win::RGB(0, 255, 0));
    EXPECT_EQ(FormPixel(29, 29), win::RGB(255, 0, 0));
    shape->SetBorderStyle(0);
    EXPECT_EQ(FormPixel(29, 29), win::RGB(0, 255, 0));
    EXPECT_EQ(FormPixel(30, 30), m_face);
}

} // namespace
} // namespace controlstest
