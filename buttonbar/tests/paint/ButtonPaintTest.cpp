// The button area's pixels: cell colours by state, pictures through their mask colour, caption
// colours, edges and the clip under the scroll strips, in run and design mode.

#include "buttonbar/tests/control/BarFixture.h"

#include "testsupport/LiveCounts.h"

#include "platform/base/Rounding.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/kernel/Modules.h"
#include "platform/win/test/Snapshot.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace shelfstrip::test {
namespace {

constexpr win::COLORREF kBack = 0x00103050;
constexpr win::COLORREF kHotBack = 0x00205010;
constexpr win::COLORREF kSelBack = 0x00501020;
constexpr win::COLORREF kFore = 0x00FF0000;
constexpr win::COLORREF kHotFore = 0x0000FF00;
constexpr win::COLORREF kSelFore = 0x00FF00FF;
constexpr win::COLORREF kRed = 0x000000FF;
constexpr win::COLORREF kWhite = 0x00FFFFFF;

class ButtonPaintTest : public BarFixture {
protected:
    void Paint(HostMode mode, int buttons) {
        KSButtonBar& bar = HostBar(mode, {0, 0, 180, 200});
        m_host->Show();
        int32_t colors[] = {int32_t{kHotBack}, int32_t{kSelBack}, int32_t{kFore}, int32_t{kHotFore},
                            int32_t{kSelFore}};
        bar.LetButtonBackColor(kBack);
        bar.LetHighlightedButtonBackColor(colors[0]);
        bar.LetSelectedButtonBackColor(colors[1]);
        bar.LetButtonForeColor(colors[2]);
        bar.LetHighlightedButtonForeColor(colors[3]);
        bar.LetSelectedButtonForeColor(colors[4]);
        bar.LetButtonPictureMaskColor(kWhite);
        // 16 x 16: a white frame (the mask colour) round a red 8 x 8 square.
        std::vector<uint32_t> pixels(16 * 16, 0xFFFFFFFF);
        for (int y = 4; y < 12; ++y)
            for (int x = 4; x < 12; ++x)
                pixels[static_cast<size_t>(y * 16 + x)] = 0xFFFF0000;
        const auto picture =
            ole::Picture::FromImage(ole::Image{16, 16, pixels}, ole::PICTYPE_BITMAP);
        for (int i = 1; i <= buttons; ++i)
            ActiveGroup()->GetButtons()->Add("b" + std::to_string(i), picture, "Go");
    }
    ole::Ptr<CButton> Button(int32_t position) { return ActiveGroup()->GetButtons()->At(position); }
    // The active group's background: a 10 x 10 blue tile with a green top-left pixel, tiled.
    void TileBackground() {
        std::vector<uint32_t> tile(100, 0xFF0000FF);
        tile[0] = 0xFF00FF00;
        ActiveGroup()->SetButtonBackgroundPicture(
            ole::Picture::FromImage(ole::Image{10, 10, tile}, ole::PICTYPE_BITMAP));
        ActiveGroup()->LetButtonBackgroundLayout(ksPictureTiled);
    }
    // Counts each colour's pixels inside the rectangle of the painted area.
    std::map<win::COLORREF, int> Census(const win::RECT& r) {
        Bar().ButtonsBox()->Refresh();
        const win::WindowDc dc(Bar().ButtonsBox()->Window());
        std::map<win::COLORREF, int> counts;
        for (int32_t y = r.top; y < r.bottom; ++y)
            for (int32_t x = r.left; x < r.right; ++x)
                ++counts[win::GetPixel(dc.Get(), x, y)];
        return counts;
    }
    win::COLORREF Pixel(int32_t x, int32_t y) {
        return Census({x, y, x + 1, y + 1}).begin()->first;
    }
};

TEST_F(ButtonPaintTest, EachStateTakesItsColoursAndThePictureItsMask) {
    Paint(HostMode::User, 3);
    Bar().HighlightButton(Button(2));
    Bar().SetSelectedButton(Button(3));
    struct Case {
        int32_t position;
        win::COLORREF back, fore, otherFore, corner;
    };
    const Case cases[] = {
        {1, kBack, kFore, kHotFore, kBack},
        {2, kHotBack, kHotFore, kFore, win::GetSysColor(win::COLOR_3DLIGHT)},
        {3, kSelBack, kSelFore, kHotFore, win::GetSysColor(win::COLOR_BTNSHADOW)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        const win::RECT r = Button(c.position)->Bounds();
        // Inside the edges, which may hold white.
        auto counts = Census({r.left + 2, r.top + 2, r.right - 2, r.bottom - 2});
        EXPECT_EQ(counts[kRed], 64);
        EXPECT_EQ(counts[kWhite], 0);
        EXPECT_GT(counts[c.fore], 0);
        EXPECT_EQ(counts[c.otherFore], 0);
        EXPECT_EQ(Pixel(r.left + 3, r.top + 2), c.back);
        EXPECT_EQ(Pixel(r.left, r.top), c.corner);
    }
}

TEST_F(ButtonPaintTest, AGradientCellHidesStateBackgroundsButNotCaptionColours) {
    Paint(HostMode::User, 1);
    Bar().LetButtonGradientColor(kBack);
    Bar().LetButtonGradientType(ksGradientVertical);
    Bar().SetSelectedButton(Button(1));
    const win::RECT r = Button(1)->Bounds();
    auto counts = Census(r);
    EXPECT_EQ(counts[kSelBack], 0);
    EXPECT_EQ(Pixel(r.left + 3, r.top + 2), kBack);
    EXPECT_GT(counts[kSelFore], 0);
}

TEST_F(ButtonPaintTest, ButtonsScrolledUnderTheStripsAreClippedAway) {
    Paint(HostMode::User, 30);
    Bar().Layout().firstVisibleLine = 1;
    Bar().LayoutButtons();
    const LayoutState& layout = Bar().Layout();
    ASSERT_GT(layout.scrollMax, 1);
    ASSERT_GT(Button(1)->Bounds().bottom, layout.upLeftArrow.top);
    auto counts = Census(layout.upLeftArrow);
    auto below = Census(layout.downRightArrow);
    const int32_t strip = (layout.upLeftArrow.right - layout.upLeftArrow.left) *
                          (layout.upLeftArrow.bottom - layout.upLeftArrow.top);
    EXPECT_EQ(counts[kBack] + counts[kFore], strip);
    EXPECT_EQ(below[kRed], 0);
    EXPECT_EQ(Census(Button(2)->Bounds())[kRed], 64);
}

TEST_F(ButtonPaintTest, BothStripsShowTheirArrowAndAFlatBorderFacesTheButtons) {
    Paint(HostMode::User, 30);
    const win::RECT up = Bar().Layout().upLeftArrow;
    const win::RECT down = Bar().Layout().downRightArrow;
    // A 15-pixel strip: a triangle 8 wide and 4 high, its base on line 10 (up) or 6 (down).
    const int32_t x0 = base::RoundHalfEvenToInt32((up.right - up.left - 8) / 2.0);
    // Each triangle is wide near its base and narrow near its tip.
    EXPECT_EQ(Pixel(x0 + 1, up.top + 9), kFore);
    EXPECT_EQ(Pixel(x0 + 1, up.top + 6), kBack);
    EXPECT_EQ(Pixel(x0 + 1, down.top + 7), kFore);
    EXPECT_EQ(Pixel(x0 + 1, down.top + 10), kBack);
    EXPECT_EQ(Pixel(1, up.bottom - 1), kBack);
    Bar().LetButtonAppearance(ksFlatWithBorder);
    // Off the button face the flat line is the inner one, in the face colour.
    const win::COLORREF line = win::GetSysColor(win::COLOR_BTNFACE);
    EXPECT_EQ(Pixel(1, up.bottom - 1), line);
    EXPECT_EQ(Pixel(1, down.top), line);
    EXPECT_EQ(Pixel(1, up.top), kBack);
}

TEST_F(ButtonPaintTest, BackgroundPicturesTileFromTheOriginCentreIconsAndSkipMetafiles) {
    Paint(HostMode::User, 0);
    TileBackground();
    EXPECT_EQ(Pixel(20, 30), win::COLORREF{0x0000FF00});
    EXPECT_EQ(Pixel(21, 31), win::COLORREF{0x00FF0000});
    // A tile as large as a copied block, in both directions.
    std::vector<uint32_t> large(70 * 70, 0xFF0000FF);
    large[0] = 0xFF00FF00;
    ActiveGroup()->SetButtonBackgroundPicture(
        ole::Picture::FromImage(ole::Image{70, 70, large}, ole::PICTYPE_BITMAP));
    EXPECT_EQ(Pixel(70, 70), win::COLORREF{0x0000FF00});
    EXPECT_EQ(Pixel(71, 69), win::COLORREF{0x00FF0000});

    win::RECT area{};
    win::GetClientRect(Bar().ButtonsBox()->Window(), &area);
    ActiveGroup()->SetButtonBackgroundPicture(ole::Picture::FromImage(
        ole::Image{8, 8, std::vector<uint32_t>(64, 0xFFFF0000)}, ole::PICTYPE_ICON));
    ActiveGroup()->LetButtonBackgroundLayout(ksPictureCentered);
    EXPECT_EQ(Pixel(area.right / 2, area.bottom / 2), kRed);
    EXPECT_EQ(Pixel(1, 1), kBack);

    const testsupport::LiveCounts before = testsupport::LiveCounts::Now();
    ActiveGroup()->SetButtonBackgroundPicture(
        ole::Picture::FromMetafile(ole::PICTYPE_METAFILE, 1000, 1000));
    ActiveGroup()->LetButtonBackgroundLayout(ksPictureStretched);
    EXPECT_EQ(Pixel(area.right / 2, area.bottom / 2), kBack);
    EXPECT_EQ(testsupport::LiveCounts::Now().gdiObjects, before.gdiObjects);
}

// Hover, press and selection leave nothing behind on a background picture of any kind and layout:
// after the pointer moved on, the area is what a first paint draws.
TEST_F(ButtonPaintTest, EveryRepaintOverABackgroundPictureLeavesAFirstPaint) {
    Paint(HostMode::User, 3);
    Bar().SetSelectedButton(Button(3));
    const win::HWND area = Bar().ButtonsBox()->Window();
    // A 10 x 10 picture, transparent in an icon but for its top-left pixel.
    std::vector<uint32_t> pixels(100, 0x00000000);
    pixels[0] = 0xFF00FF00;
    for (const int16_t type : {ole::PICTYPE_ICON, ole::PICTYPE_BITMAP}) {
        ActiveGroup()->SetButtonBackgroundPicture(
            ole::Picture::FromImage(ole::Image{10, 10, pixels}, type));
        for (const int32_t layout : {ksPictureTiled, ksPictureStretched, ksPictureCentered}) {
            SCOPED_TRACE(std::to_string(type) + "/" + std::to_string(layout));
            ActiveGroup()->LetButtonBackgroundLayout(layout);
            Bar().SetSelectedButton(Button(layout == ksPictureTiled ? 1 : 3));
            win::test::pump();
            for (const int32_t position : {1, 2}) {
                const win::RECT r = Button(position)->Bounds();
                win::test::mouseDown(win::test::MouseButton::Left, area,
                                     {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
                win::test::pump();
                win::test::mouseUp(win::test::MouseButton::Left, area,
                                   {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
                win::test::pump();
            }
            win::test::mouseMove(area, {-5, -5});
            win::test::pump();
            const auto shown = win::test::CaptureClient(area).pixels;
            Bar().ButtonsBox()->Refresh();
            EXPECT_TRUE(shown == win::test::CaptureClient(area).pixels);
        }
    }
}

// A repaint of a few pixels draws the tiles it meets, where a full paint puts them, and no others.
TEST_F(ButtonPaintTest, ARepaintOfPartOfTheAreaDrawsOnlyTheTilesItMeets) {
    Paint(HostMode::User, 0);
    TileBackground();
    const win::WindowDc dc(Bar().ButtonsBox()->Window());
    win::RECT area{};
    win::GetClientRect(Bar().ButtonsBox()->Window(), &area);
    win::FillRect(dc.Get(), &area, win::HBRUSH(win::GetStockObject(win::WHITE_BRUSH)));
    Bar().PaintButtonArea(dc.Get(), {23, 37, 41, 52});
    for (const auto& [x, y] : {std::pair{20, 30}, {40, 50}, {30, 40}})
        EXPECT_EQ(win::GetPixel(dc.Get(), x, y), win::COLORREF{0x0000FF00}) << x << "," << y;
    for (const auto& [x, y] : {std::pair{50, 40}, {10, 40}, {30, 60}, {30, 20}})
        EXPECT_EQ(win::GetPixel(dc.Get(), x, y), kWhite) << x << "," << y;
}

TEST_F(ButtonPaintTest, PictureZoneEdgesSinkWhileTheMouseIsHeld) {
    Paint(HostMode::User, 2);
    // An 11 x 11 picture in a group whose largest is 16 x 16: centred, 2.5 pixels rounding to 2.
    ActiveGroup()->GetButtons()->Add(
        "small", ole::Picture::FromImage(ole::Image{11, 11, std::vector<uint32_t>(121, 0xFFFF0000)},
                                         ole::PICTYPE_BITMAP));
    Bar().ButtonsBox()->Refresh();
    const win::test::Snapshot shot = win::test::CaptureClient(Bar().ButtonsBox()->Window());
    const auto redOrigin = [&](int32_t position) {
        const win::RECT r = Button(position)->Bounds();
        win::POINT origin{r.right, r.bottom};
        for (int32_t y = r.top; y < r.bottom; ++y)
            for (int32_t x = r.left; x < r.right; ++x)
                if (win::test::PixelOf(shot, x, y) == kRed)
                    origin = {std::min(origin.x, x), std::min(origin.y, y)};
        return origin;
    };
    // The large pictures' red square starts 4 pixels into the picture.
    const win::POINT large = redOrigin(1);
    const win::POINT small = redOrigin(3);
    const win::RECT one = Button(1)->Bounds();
    const win::RECT three = Button(3)->Bounds();
    EXPECT_EQ(small.x - three.left, large.x - 4 - one.left + 2);
    EXPECT_EQ(small.y - three.top, large.y - 4 - one.top + 2);

    // The zone lies 2 pixels outside the 16 x 16 cell.
    Bar().LetButtonHighlightZone(ksZonePicture);
    Bar().HighlightButton(Button(1));
    const win::POINT zone{large.x - 4 - 2, large.y - 4 - 2};
    EXPECT_EQ(Pixel(zone.x, zone.y), win::GetSysColor(win::COLOR_3DLIGHT));
    EXPECT_EQ(Pixel(one.left, one.top), kHotBack);
    win::test::mouseDown(win::test::MouseButton::Left, Bar().ButtonsBox()->Window(),
                         {zone.x + 10, zone.y + 10});
    win::test::pump();
    EXPECT_EQ(Pixel(zone.x, zone.y), win::GetSysColor(win::COLOR_BTNSHADOW));
    win::test::mouseUp(win::test::MouseButton::Left, Bar().ButtonsBox()->Window(),
                       {zone.x + 10, zone.y + 10});
    win::test::pump();

    // Selected with a flat border: one line round the zone, off the face in the face colour.
    Bar().LetSelectedButtonAppearance(ksFlatWithBorder);
    Bar().SetSelectedButton(Button(2));
    const win::RECT two = Button(2)->Bounds();
    EXPECT_EQ(Pixel(zone.x, zone.y + (two.top - one.top)), win::GetSysColor(win::COLOR_BTNFACE));
    EXPECT_EQ(Pixel(zone.x + 19, zone.y + 19 + (two.top - one.top)),
              win::GetSysColor(win::COLOR_BTNFACE));
}

// Without the image functions the banded routine fills gradient cells; a cell without a gradient
// still gets the back colour, so a button without a picture is not left black.
TEST_F(ButtonPaintTest, WithoutTheImageFunctionsCellsTakeTheBackColourOrTheBands) {
    struct NoImageFunctions {
        NoImageFunctions() { win::detail::SetMsimg32Available(false); }
        ~NoImageFunctions() { win::detail::SetMsimg32Available(true); }
    } noImageFunctions;
    Paint(HostMode::User, 0);
    ASSERT_FALSE(Bar().HasMsImg32());
    ActiveGroup()->GetButtons()->Add("bare", Bitmap())->SetPicture(nullptr);
    const win::RECT r = Button(1)->Bounds();
    EXPECT_EQ(Pixel(r.left + 3, r.top + 3), kBack);
    Bar().LetButtonGradientColor(kRed);
    Bar().LetButtonGradientType(ksGradientVertical);
    // The first band is one step from the gradient colour, the last the back colour.
    EXPECT_GT(Pixel(r.left + 3, r.top) & 0xFFU, 0xF0U);
    EXPECT_EQ(Pixel(r.left + 3, r.bottom - 1), kBack);
}

TEST_F(ButtonPaintTest, DesignModePaintsThroughTheBoxPaintEvent) {
    Paint(HostMode::Design, 1);
    EXPECT_EQ(Census(Button(1)->Bounds())[kRed], 64);
}

} // namespace
} // namespace shelfstrip::test
