#include "ControlFixture.h"

#include "platform/win/window/Geometry.h"

#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/picturebox/PictureBox.h"
#include "platform/forms/host/UserControl.h"
#include "platform/ole/picture/Picture.h"
#include "platform/ole/registry/ClassRegistry.h"

namespace controlstest {
namespace {

using forms::Label;
using forms::PictureBox;

// A user control that only notes the ambient properties its container reports as changed.
class AmbientProbe : public forms::UserControl {
public:
    static constexpr const char* kProgId = "ControlsTest.AmbientProbe";
    static void Register() {
        ole::RegisterClass(kProgId, ole::Guid::FromString("{3E9A1C52-7B64-4D0F-8A31-C25E6F7D9B10}"),
                           [] { return ole::Ptr<ole::Object>(ole::MakeObject<AmbientProbe>()); },
                           &Info(), {.control = true});
    }
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info =
            ole::ClassBuilder<AmbientProbe>("AmbientProbe").Library("ControlsTest").Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    std::vector<std::string> changed;

protected:
    void OnAmbientChanged(const std::string& name) override { changed.push_back(name); }
};

class PictureBoxTest : public ControlTest {
protected:
    static win::SIZE ClientSize(win::HWND hwnd) {
        win::RECT r;
        win::GetClientRect(hwnd, &r);
        return {r.right, r.bottom};
    }
};

TEST_F(PictureBoxTest, DefaultsAndRangeChecks) {
    auto picture = Site(PictureBox::Create(), "picBox", {10, 10, 110, 60});
    const ole::Ptr<ole::Object> obj(picture);

    EXPECT_EQ(Get(obj, "BorderStyle").AsI2(), 1);
    EXPECT_EQ(Get(obj, "Appearance").AsI2(), 1);
    EXPECT_TRUE(Get(obj, "FontTransparent").AsBool());
    EXPECT_TRUE(Get(obj, "TabStop").AsBool());
    EXPECT_FALSE(Get(obj, "AutoRedraw").AsBool());
    EXPECT_EQ(Get(obj, "ScaleMode").AsI2(), 1);
    EXPECT_EQ(Get(obj, "BackColor").AsI4(), static_cast<int32_t>(0x8000000F));
    EXPECT_EQ(Get(obj, "ForeColor").AsI4(), static_cast<int32_t>(0x80000012));
    EXPECT_EQ(Get(obj, "DrawMode").AsI2(), 13);
    EXPECT_EQ(Get(obj, "DrawWidth").AsI2(), 1);
    EXPECT_EQ(Get(obj, "FillStyle").AsI2(), 1);
    EXPECT_EQ(Get(obj, "hWnd").AsI4(), static_cast<int32_t>(picture->Window().Value()));
    EXPECT_NE(Get(obj, "hDC").AsI4(), 0);
    EXPECT_EQ(Get(obj, "hDC").AsI4(), Get(obj, "hDC").AsI4());

    const auto empty = ole::PtrCast<ole::Picture>(Get(obj, "Picture").AsObject());
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->Type(), 0);

    const auto invalid = [&](std::string_view name, ole::Variant value) {
        return ErrorOf([&] { Let(obj, name, std::move(value)); });
    };
    EXPECT_EQ(invalid("AutoRedraw", ole::Variant(true)), ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(invalid("FillStyle", ole::Variant(int16_t{8})), ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(invalid("DrawWidth", ole::Variant(int16_t{0})), ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(invalid("DrawMode", ole::Variant(int16_t{17})), ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(invalid("ScaleMode", ole::Variant(int16_t{8})), ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(invalid("Appearance", ole::Variant(int16_t{2})), ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(invalid("Align", ole::Variant(int16_t{5})), ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(invalid("Height", ole::Variant(-15.0f)), ole::ERR_INVALID_PROPERTY_VALUE);
}

TEST_F(PictureBoxTest, BorderAndAppearanceApplyInPlaceAndRaiseResize) {
    auto picture = Site(PictureBox::Create(), "picBox", {10, 10, 110, 60});
    EventLog log;
    log.Attach(picture);
    // 3D fixed single: a two-pixel client edge.
    EXPECT_EQ(ClientSize(picture->Window()), (win::SIZE{96, 46}));
    EXPECT_FLOAT_EQ(picture->GetScaleWidth(), 96 * 15.0f);

    picture->SetAppearance(0);
    EXPECT_EQ(ClientSize(picture->Window()), (win::SIZE{98, 48}));
    EXPECT_EQ(log.Count("Resize"), 1u);
    picture->SetBorderStyle(0);
    EXPECT_EQ(ClientSize(picture->Window()), (win::SIZE{100, 50}));
    EXPECT_EQ(log.Count("Resize"), 2u);
    EXPECT_FLOAT_EQ(picture->GetScaleHeight(), 50 * 15.0f);
    // Same values again change nothing.
    picture->SetBorderStyle(0);
    EXPECT_EQ(log.Count("Resize"), 2u);
}

TEST_F(PictureBoxTest, MoveRaisesResizeBeforeItReturns) {
    auto picture = Site(PictureBox::Create(), "picBox", {10, 10, 110, 60});
    float widthSeen = 0;
    auto sink = ole::EventSink::Create();
    sink->On(forms::eventid::Resize,
             [&](std::span<ole::Variant>) { widthSeen = picture->GetScaleWidth(); });
    const ole::Ptr<ole::Object> source(picture);
    const uint32_t cookie = ole::ConnectEvents(source, sink);
    picture->Move(150, ole::Variant(150.0f), ole::Variant(3000.0f), ole::Variant(1500.0f));
    EXPECT_FLOAT_EQ(widthSeen, (200 - 4) * 15.0f);
    EXPECT_FLOAT_EQ(picture->Width(), 3000.0f);
    ole::DisconnectEvents(source, cookie);
}

// A stored layout may hold any single; positions are pinned to the window manager's range and
// the far edges follow without overflowing.
TEST_F(PictureBoxTest, MoveToTheEndOfTheRangePinsThePosition) {
    auto picture = Site(PictureBox::Create(), "picBox", {10, 10, 110, 60});
    picture->Move(3.0e38F, ole::Variant(-3.0e38F), ole::Variant(1500.0f), ole::Variant(1500.0f));
    const win::RECT bounds = picture->PixelBounds();
    EXPECT_EQ(bounds.left, win::kCoordinateLimit);
    EXPECT_EQ(bounds.top, -win::kCoordinateLimit);
    EXPECT_EQ(bounds.right - bounds.left, 100);
    EXPECT_EQ(bounds.bottom - bounds.top, 100);
}

TEST_F(PictureBoxTest, PaintOnlyForANonEmptyUpdateRegionAndDrawsOnItsOwnDc) {
    auto picture = Site(PictureBox::Create(), "picBox", {10, 10, 60, 60});
    picture->SetBorderStyle(0);
    win::test::pump();
    auto sink = ole::EventSink::Create();
    int paints = 0;
    sink->On(forms::eventid::Paint, [&](std::span<ole::Variant>) {
        ++paints;
        const win::HDC hdc = win::HdcFromParam(picture->GetHdc());
        const win::RECT dot{5, 5, 7, 7};
        win::FillRect(hdc, &dot, static_cast<win::HBRUSH>(win::GetStockObject(win::BLACK_BRUSH)));
    });
    const ole::Ptr<ole::Object> source(picture);
    const uint32_t cookie = ole::ConnectEvents(source, sink);

    win::InvalidateRect(picture->Window(), nullptr, win::FALSE);
    win::test::pump();
    EXPECT_EQ(paints, 1);
    const win::HDC probe = win::GetDC(picture->Window());
    EXPECT_EQ(win::GetPixel(probe, 5, 5), win::RGB(0, 0, 0));
    EXPECT_EQ(win::GetPixel(probe, 20, 20), win::GetSysColor(win::COLOR_BTNFACE));

    // A procedure that finds nothing to paint raises no Paint.
    win::SendMessageA(picture->Window(), win::WM_PAINT, 0, 0);
    EXPECT_EQ(paints, 1);

    picture->SetBackColor(ole::Variant(int32_t{0x0000FF}));
    picture->SetCurrentX(100);
    picture->DoCls();
    EXPECT_EQ(win::GetPixel(probe, 5, 5), win::RGB(255, 0, 0));
    EXPECT_EQ(picture->GetCurrentX(), 0.0f);
    win::ReleaseDC(picture->Window(), probe);
    ole::DisconnectEvents(source, cookie);
}

TEST_F(PictureBoxTest, PictureIsKeptUntilTheNextSet) {
    auto picture = Site(PictureBox::Create(), "picBox", {10, 10, 60, 60});
    const ole::Ptr<ole::Object> obj(picture);
    ole::Image image;
    image.width = 2;
    image.height = 2;
    image.pixels.assign(4, 0xFF00FF00u);
    const auto bitmap = ole::Picture::FromImage(image, ole::PICTYPE_BITMAP);
    SetRef(obj, "Picture", bitmap);
    picture->DoCls();
    EXPECT_EQ(Get(obj, "Picture").AsObject().Get(), bitmap.Get());
    SetRef(obj, "Picture", nullptr);
    const auto cleared = ole::PtrCast<ole::Picture>(Get(obj, "Picture").AsObject());
    ASSERT_TRUE(cleared);
    EXPECT_TRUE(cleared->IsEmpty());
}

TEST_F(PictureBoxTest, HoldsControlsInItsOwnCoordinates) {
    auto picture = Site(PictureBox::Create(), "picBox", {10, 10, 110, 110});
    picture->SetBorderStyle(0);
    picture->SetScaleMode(3);
    auto label = Site(Label::Create(), "lblInside", {5, 5, 45, 25}, ole::Ptr<ole::Object>(picture));
    label->SetBackColor(ole::Variant(int32_t{0xFF0000}));
    win::test::pump();

    EXPECT_EQ(label->Container().Get(), static_cast<ole::Object*>(picture.Get()));
    EXPECT_FLOAT_EQ(label->Left(), 5.0f);
    EXPECT_FLOAT_EQ(label->Width(), 40.0f);
    const win::HDC hdc = win::GetDC(picture->Window());
    EXPECT_EQ(win::GetPixel(hdc, 10, 10), win::RGB(0, 0, 255));
    win::ReleaseDC(picture->Window(), hdc);

    EventLog log;
    log.Attach(label);
    win::test::click(picture->Window(), {10, 10});
    win::test::pump();
    EXPECT_EQ(log.Count("Click"), 1u);

    EXPECT_FLOAT_EQ(picture->DoScaleX(2540, ole::Variant::Missing(), ole::Variant::Missing()),
                    96.0f);
    EXPECT_FLOAT_EQ(picture->DoScaleY(1, ole::Variant(int16_t{5}), ole::Variant(int16_t{1})),
                    1440.0f);
}

TEST_F(PictureBoxTest, GraphicsMethodsDrawInScaleUnits) {
    auto picture = Site(PictureBox::Create(), "picBox", {10, 10, 110, 110});
    picture->SetBorderStyle(0);
    picture->SetScaleMode(3);
    picture->SetBackColor(ole::Variant(int32_t{0xFFFFFF}));
    picture->DoCls();
    const win::HDC hdc = win::HdcFromParam(picture->GetHdc());

    picture->DoLine(0, 0, 10, 0, ole::Variant(int32_t{0x0000FF}), ole::Variant::Missing());
    EXPECT_EQ(win::GetPixel(hdc, 0, 0), win::RGB(255, 0, 0));
    EXPECT_EQ(win::GetPixel(hdc, 9, 0), win::RGB(255, 0, 0));
    EXPECT_EQ(win::GetPixel(hdc, 10, 0), win::RGB(255, 255, 255));
    EXPECT_EQ(picture->GetCurrentX(), 10.0f);

    picture->DoLine(20, 20, 30, 30, ole::Variant(int32_t{0x00FF00}), ole::Variant("BF"));
    EXPECT_EQ(win::GetPixel(hdc, 25, 25), win::RGB(0, 255, 0));
    picture->SetFillStyle(0);
    picture->SetFillColor(ole::Variant(int32_t{0xFF0000}));
    picture->DoLine(40, 40, 50, 50, ole::Variant::Missing(), ole::Variant("b"));
    EXPECT_EQ(win::GetPixel(hdc, 40, 40), win::GetSysColor(win::COLOR_BTNTEXT));
    EXPECT_EQ(win::GetPixel(hdc, 45, 45), win::RGB(0, 0, 255));
    EXPECT_EQ(
        ErrorOf([&] { picture->DoLine(0, 0, 1, 1, ole::Variant::Missing(), ole::Variant("X")); }),
        ole::ERR_INVALID_CALL);

    // Print moves down a line per line of text and back to the left.
    EXPECT_FLOAT_EQ(picture->DoTextHeight("A"), 13.0f);
    EXPECT_GT(picture->DoTextWidth("AB"), picture->DoTextWidth("A"));
    EXPECT_FLOAT_EQ(picture->DoTextHeight("A\nB"), 26.0f);
    picture->SetCurrentX(5);
    picture->SetCurrentY(60);
    picture->DoPrint(ole::Variant("Hi\nthere"));
    EXPECT_FLOAT_EQ(picture->GetCurrentY(), 86.0f);
    EXPECT_FLOAT_EQ(picture->GetCurrentX(), 0.0f);
    int dark = 0;
    for (int y = 60; y < 73; ++y) {
        for (int x = 5; x < 20; ++x)
            dark += win::GetPixel(hdc, x, y) == win::GetSysColor(win::COLOR_BTNTEXT) ? 1 : 0;
    }
    EXPECT_GT(dark, 5);
}

TEST_F(PictureBoxTest, HdcCarriesTheMembersAndKeepsWhatCallersSet) {
    auto picture = Site(PictureBox::Create(), "picBox", {10, 10, 60, 60});
    const win::HDC hdc = win::HdcFromParam(picture->GetHdc());
    EXPECT_EQ(win::GetBkMode(hdc), win::TRANSPARENT);
    EXPECT_EQ(win::GetROP2(hdc), win::R2_COPYPEN);
    EXPECT_EQ(win::GetTextColor(hdc), win::GetSysColor(win::COLOR_BTNTEXT));

    picture->SetFontTransparent(false);
    picture->SetDrawMode(7);
    picture->SetForeColor(ole::Variant(int32_t{0x0000FF}));
    EXPECT_EQ(win::GetBkMode(hdc), win::OPAQUE);
    EXPECT_EQ(win::GetROP2(hdc), 7);
    EXPECT_EQ(win::GetTextColor(hdc), win::RGB(255, 0, 0));

    // A caller's own setting survives painting.
    win::SetTextColor(hdc, win::RGB(0, 0, 255));
    picture->Refresh();
    EXPECT_EQ(win::GetTextColor(hdc), win::RGB(0, 0, 255));
    EXPECT_EQ(picture->GetHdc(), static_cast<int32_t>(hdc.Value()));
}

TEST_F(PictureBoxTest, PictureIsDrawnAtTheTopLeftBeneathPaint) {
    auto picture = Site(PictureBox::Create(), "picBox", {10, 10, 60, 60});
    picture->SetBorderStyle(0);
    ole::Image image;
    image.width = 3;
    image.height = 2;
    image.pixels.assign(6, 0xFF00FF00u);
    picture->SetPicture(ole::Picture::FromImage(image, ole::PICTYPE_BITMAP));
    win::test::pump();
    const win::HDC hdc = win::GetDC(picture->Window());
    EXPECT_EQ(win::GetPixel(hdc, 0, 0), win::RGB(0, 255, 0));
    EXPECT_EQ(win::GetPixel(hdc, 2, 1), win::RGB(0, 255, 0));
    EXPECT_EQ(win::GetPixel(hdc, 3, 1), win::GetSysColor(win::COLOR_BTNFACE));
    win::ReleaseDC(picture->Window(), hdc);
    picture->SetPicture(nullptr);
}

TEST_F(PictureBoxTest, UserControlsInsideHearAboutAmbientChanges) {
    AmbientProbe::Register();
    auto picture = Site(PictureBox::Create(), "picBox", {10, 10, 110, 110});
    const auto extender =
        m_form->Add(AmbientProbe::kProgId, "ucProbe", ole::Ptr<ole::Object>(picture));
    ASSERT_TRUE(extender);
    const auto probe =
        ole::PtrCast<AmbientProbe>(Get(ole::Ptr<ole::Object>(extender), "object").AsObject());
    ASSERT_TRUE(probe);

    picture->SetScaleMode(3);
    picture->SetScaleMode(3);
    picture->SetBackColor(ole::Variant(int32_t{0x00FF00}));
    auto font = ole::Font::Create();
    font->SetItalic(true);
    picture->SetFont(font);
    EXPECT_EQ(probe->changed, (std::vector<std::string>{"ScaleUnits", "BackColor", "Font"}));
    ole::ClassRegistry::Unregister(ole::Guid::FromString("{3E9A1C52-7B64-4D0F-8A31-C25E6F7D9B10}"));
}

TEST_F(PictureBoxTest, AlignedBoxesFollowTheirContainersSize) {
    auto top = Site(PictureBox::Create(), "picTop", {0, 0, 50, 20});
    auto left = Site(PictureBox::Create(), "picLeft", {0, 0, 30, 20});
    top->SetAlign(1);
    left->SetAlign(3);
    const win::HWND form = win::GetParent(top->Window());
    win::RECT client;
    win::GetClientRect(form, &client);
    win::RECT rect;
    win::GetWindowRect(top->Window(), &rect);
    EXPECT_EQ(rect.right - rect.left, client.right);

    win::RECT outer;
    win::GetWindowRect(form, &outer);
    win::SetWindowPos(form, {}, 0, 0, outer.right - outer.left + 40, outer.bottom - outer.top + 30,
                      win::SWP_NOMOVE | win::SWP_NOZORDER);
    win::GetClientRect(form, &client);
    win::GetWindowRect(top->Window(), &rect);
    EXPECT_EQ(rect.right - rect.left, client.right) << "the top box spans the new width";
    win::GetWindowRect(left->Window(), &rect);
    EXPECT_EQ(rect.bottom - rect.top, client.bottom) << "the left box spans the new height";
}

} // namespace

} // namespace controlstest
