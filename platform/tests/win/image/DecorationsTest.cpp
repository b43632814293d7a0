// Pixel rules of DrawEdge, DrawFrameControl and DrawStateA on tiny surfaces.
#include "DrawingSurface.h"

namespace imagetest {
namespace {

using EdgeTest = DrawingTest;

// Each ring's top/left colour covers its top row without the last pixel and its left column
// without the last pixel; the bottom/right colour owns both far corners:
//   T T T T B
//   T t t b B
//   T t . b B
//   T b b b B
//   B B B B B
TEST_F(EdgeTest, RaisedEdgeRingsAndCornerOwnership) {
    HDC dc = Surface(5, 5);
    RECT rc{0, 0, 5, 5};
    ASSERT_TRUE(DrawEdge(dc, &rc, EDGE_RAISED, BF_RECT | BF_ADJUST));
    EXPECT_EQ(rc, (RECT{2, 2, 3, 3}));
    EXPECT_EQ(At(0, 0), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(At(3, 0), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(At(4, 0), Sys(COLOR_3DDKSHADOW)); // top-right corner belongs to bottom/right
    EXPECT_EQ(At(0, 4), Sys(COLOR_3DDKSHADOW)); // bottom-left too
    EXPECT_EQ(At(0, 3), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(At(4, 4), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(At(1, 1), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(3, 1), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(1, 3), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(2, 2), RGB(255, 255, 255)); // no BF_MIDDLE: the inside is untouched

    Surface(4, 4);
    rc = {0, 0, 4, 4};
    DrawEdge(Dc(), &rc, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
    EXPECT_EQ(rc, (RECT{0, 0, 4, 4})); // no BF_ADJUST: unchanged
    EXPECT_EQ(At(0, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(3, 0), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(1, 1), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(At(2, 2), Sys(COLOR_3DLIGHT));
}

TEST_F(EdgeTest, SidesSingleRingsFlatAndMono) {
    HDC dc = Surface(4, 4);
    RECT rc{0, 0, 4, 4};
    // One ring only: the second ring stays untouched.
    DrawEdge(dc, &rc, BDR_SUNKENOUTER, BF_RECT);
    EXPECT_EQ(At(0, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(1, 1), RGB(255, 255, 255));

    Surface(4, 4);
    rc = {0, 0, 4, 4};
    DrawEdge(Dc(), &rc, EDGE_RAISED, BF_LEFT | BF_ADJUST);
    EXPECT_EQ(rc, (RECT{2, 0, 4, 4}));
    EXPECT_EQ(At(0, 0), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(At(0, 3), RGB(255, 255, 255)); // the left side stops short of the bottom row
    EXPECT_EQ(At(1, 0), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(2, 0), RGB(255, 255, 255));

    // Flat: shadow outer ring, face inner ring, on every side named.
    Surface(4, 4);
    rc = {0, 0, 4, 4};
    DrawEdge(Dc(), &rc, EDGE_RAISED, BF_RECT | BF_FLAT);
    EXPECT_EQ(At(0, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(3, 3), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(1, 1), Sys(COLOR_BTNFACE));
    EXPECT_EQ(At(2, 2), Sys(COLOR_BTNFACE));

    Surface(4, 4);
    rc = {0, 0, 4, 4};
    DrawEdge(Dc(), &rc, BDR_SUNKENOUTER, BF_BOTTOM | BF_RIGHT | BF_FLAT); // 0x400C
    EXPECT_EQ(At(3, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(0, 3), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(0, 0), RGB(255, 255, 255));

    Surface(4, 4);
    rc = {0, 0, 4, 4};
    DrawEdge(Dc(), &rc, EDGE_SUNKEN, BF_RECT | BF_MONO);
    EXPECT_EQ(At(0, 0), Sys(COLOR_WINDOWFRAME));
    EXPECT_EQ(At(1, 2), Sys(COLOR_WINDOW));
}

TEST_F(EdgeTest, EdgesFollowTheViewportOrigin) {
    HDC dc = Surface(6, 6);
    SetViewportOrgEx(dc, 2, 2, nullptr);
    RECT rc{0, 0, 3, 3};
    DrawEdge(dc, &rc, BDR_RAISEDOUTER, BF_RECT);
    EXPECT_EQ(GetPixel(dc, 0, 0), Sys(COLOR_3DLIGHT));
    SetViewportOrgEx(dc, 0, 0, nullptr);
    EXPECT_EQ(At(2, 2), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(At(4, 4), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(At(1, 1), RGB(255, 255, 255));
}

using FrameControlTest = DrawingTest;

// A 16 x 16 arrow: raised edge, inside (2, 2)-(14, 14), n = 12 / 4 = 3 rows, apex column 7,
// rows from y = 2 + (12 - 3) / 2 = 6.
TEST_F(FrameControlTest, ScrollArrowGeometryAndComboBoxAlias) {
    HDC dc = Surface(16, 16);
    RECT rc{0, 0, 16, 16};
    ASSERT_TRUE(DrawFrameControl(dc, &rc, DFC_SCROLL, DFCS_SCROLLDOWN));
    const COLORREF text = Sys(COLOR_BTNTEXT);
    const COLORREF face = Sys(COLOR_BTNFACE);
    EXPECT_EQ(At(0, 0), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(At(5, 6), text); // base row: columns 5..9
    EXPECT_EQ(At(9, 6), text);
    EXPECT_EQ(At(4, 6), face);
    EXPECT_EQ(At(10, 6), face);
    EXPECT_EQ(At(7, 8), text); // apex
    EXPECT_EQ(At(6, 8), face);
    EXPECT_EQ(At(7, 9), face);
    const test::Snapshot down = test::CaptureBitmap(Bitmap());

    Surface(16, 16);
    DrawFrameControl(Dc(), &rc, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    EXPECT_EQ(test::CaptureBitmap(Bitmap()), down);

    Surface(16, 16);
    DrawFrameControl(Dc(), &rc, DFC_SCROLL, DFCS_SCROLLUP);
    EXPECT_EQ(At(7, 6), text);
    EXPECT_EQ(At(6, 6), face);
    EXPECT_EQ(At(5, 8), text);

    Surface(16, 16);
    DrawFrameControl(Dc(), &rc, DFC_SCROLL, DFCS_SCROLLRIGHT);
    EXPECT_EQ(At(6, 5), text); // base column 6 spans rows 5..9
    EXPECT_EQ(At(6, 9), text);
    EXPECT_EQ(At(8, 7), text); // apex
    EXPECT_EQ(At(8, 6), face);
}

TEST_F(FrameControlTest, FlatPushedArrowAndCaptionClose) {
    HDC dc = Surface(16, 16);
    RECT rc{0, 0, 16, 16};
    // Flat: one shadow pixel of border, inside (1, 1)-(15, 15), rows from 1 + 11 / 2 = 6;
    // pushed moves the glyph by (1, 1): the apex goes from (7, 8) to (8, 9).
    DrawFrameControl(dc, &rc, DFC_SCROLL, DFCS_FLAT | DFCS_PUSHED | DFCS_SCROLLDOWN);
    EXPECT_EQ(At(0, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(15, 15), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(1, 1), Sys(COLOR_BTNFACE));
    EXPECT_EQ(At(8, 9), Sys(COLOR_BTNTEXT));
    EXPECT_EQ(At(7, 9), Sys(COLOR_BTNFACE));
    EXPECT_EQ(At(6, 7), Sys(COLOR_BTNTEXT)); // base row 7, columns 6..10
    EXPECT_EQ(At(5, 7), Sys(COLOR_BTNFACE));

    // Close button 14 x 14: inside 10 x 10, g = 5, box at (4, 4); row i holds i, i+1, 5-i, 4-i.
    Surface(14, 14);
    rc = {0, 0, 14, 14};
    DrawFrameControl(Dc(), &rc, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    EXPECT_EQ(At(0, 0), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(At(4, 4), Sys(COLOR_BTNTEXT));
    EXPECT_EQ(At(5, 4), Sys(COLOR_BTNTEXT));
    EXPECT_EQ(At(9, 4), Sys(COLOR_BTNTEXT));
    EXPECT_EQ(At(6, 4), Sys(COLOR_BTNFACE));
    EXPECT_EQ(At(6, 6), Sys(COLOR_BTNTEXT)); // the diagonals meet
    Surface(14, 14);
    DrawFrameControl(Dc(), &rc, DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_PUSHED);
    EXPECT_EQ(At(0, 0), Sys(COLOR_BTNSHADOW)); // sunken
    EXPECT_EQ(At(4, 4), Sys(COLOR_BTNFACE));
    EXPECT_EQ(At(5, 5), Sys(COLOR_BTNTEXT));

    EXPECT_FALSE(DrawFrameControl(Dc(), &rc, 99, 0));
    EXPECT_FALSE(DrawFrameControl(HDC::FromValue(12345), &rc, DFC_SCROLL, 0));
}

TEST_F(FrameControlTest, CheckBoxRadioAndPushButton) {
    HDC dc = Surface(13, 13);
    RECT rc{0, 0, 13, 13};
    DrawFrameControl(dc, &rc, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    // Inside (2, 2)-(11, 11); the 7 x 7 tick starts at (3, 3): column 0 covers rows 2..4 of it.
    EXPECT_EQ(At(0, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(2, 2), Sys(COLOR_WINDOW));
    EXPECT_EQ(At(3, 5), Sys(COLOR_WINDOWTEXT));
    EXPECT_EQ(At(3, 8), Sys(COLOR_WINDOW));
    EXPECT_EQ(At(5, 9), Sys(COLOR_WINDOWTEXT)); // the bottom of the tick
    EXPECT_EQ(At(9, 3), Sys(COLOR_WINDOWTEXT)); // the top of the long stroke

    Surface(12, 12);
    rc = {0, 0, 12, 12};
    DrawFrameControl(Dc(), &rc, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
    EXPECT_EQ(At(0, 0), RGB(255, 255, 255)); // outside the disc
    EXPECT_EQ(At(5, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(6, 11), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(5, 5), Sys(COLOR_WINDOWTEXT));
    EXPECT_EQ(At(3, 5), Sys(COLOR_WINDOW));

    Surface(8, 8);
    rc = {0, 0, 8, 8};
    DrawFrameControl(Dc(), &rc, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
    EXPECT_EQ(rc, (RECT{2, 2, 6, 6}));
    EXPECT_EQ(At(3, 3), Sys(COLOR_BTNFACE));
}

using DrawStateTest = DrawingTest;

HICON SolidIcon(int size, uint32_t pixel) {
    return image::CreateIconFromImage(
        image::Image{size, size, std::vector<uint32_t>(static_cast<size_t>(size * size), pixel)},
        false);
}

TEST_F(DrawStateTest, IconsAndBitmapsAtNaturalSizeClipped) {
    HDC dc = Surface(8, 8);
    const HICON icon = SolidIcon(4, 0xFFFF0000);
    const auto value = static_cast<LPARAM>(icon.Value());
    ASSERT_TRUE(DrawStateA(dc, nullptr, nullptr, value, 0, 1, 1, 2, 2, DST_ICON));
    EXPECT_EQ(At(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(At(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(At(3, 3), RGB(255, 255, 255)); // clipped, not scaled
    EXPECT_EQ(At(3, 1), RGB(255, 255, 255));
    ASSERT_TRUE(DrawStateA(dc, nullptr, nullptr, value, 0, 4, 4, 0, 0, DST_ICON));
    EXPECT_EQ(At(7, 7), RGB(255, 0, 0));

    const uint32_t blue[] = {0xFF0000FF, 0xFF0000FF, 0xFF00FF00, 0xFF00FF00};
    const HBITMAP bitmap = gdi::CreateBitmapFromPixels(2, 2, blue);
    const auto bits = static_cast<LPARAM>(bitmap.Value());
    Surface(8, 8);
    ASSERT_TRUE(DrawStateA(Dc(), nullptr, nullptr, bits, 0, 5, 5, 2, 1, DST_BITMAP));
    EXPECT_EQ(At(6, 5), RGB(0, 0, 255));
    EXPECT_EQ(At(5, 6), RGB(255, 255, 255)); // the second row is clipped away

    // Handles of the wrong kind and complex content without a callback draw nothing.
    Surface(8, 8);
    EXPECT_FALSE(DrawStateA(Dc(), nullptr, nullptr, bits, 0, 0, 0, 0, 0, DST_ICON));
    EXPECT_FALSE(DrawStateA(Dc(), nullptr, nullptr, value, 0, 0, 0, 0, 0, DST_BITMAP));
    EXPECT_FALSE(DrawStateA(Dc(), nullptr, nullptr, value, 0, 0, 0, 4, 4, DST_COMPLEX));
    EXPECT_EQ(At(0, 0), RGB(255, 255, 255));
    DeleteObject(bitmap);
    DestroyIcon(icon);
}

BOOL DrawCorner(HDC hdc, LPARAM, WPARAM, int, int) {
    return SetPixelV(hdc, 0, 0, RGB(0, 0, 255));
}

TEST_F(DrawStateTest, DisabledEmbossesAndCallbacksDrawAtTheirOrigin) {
    HDC dc = Surface(6, 6);
    // A 2 x 1 bitmap: black ink, then white (no ink).
    const uint32_t pixels[] = {0xFF000000, 0xFFFFFFFF};
    const HBITMAP bitmap = gdi::CreateBitmapFromPixels(2, 1, pixels);
    ASSERT_TRUE(DrawStateA(dc, nullptr, nullptr, static_cast<LPARAM>(bitmap.Value()), 0, 1, 1, 0, 0,
                           DST_BITMAP | DSS_DISABLED));
    EXPECT_EQ(At(1, 1), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(At(2, 2), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(2, 1), RGB(255, 255, 255)); // white is not ink: nothing drawn
    DeleteObject(bitmap);

    ASSERT_TRUE(DrawStateA(dc, nullptr, DrawCorner, 0, 0, 4, 3, 1, 1, DST_COMPLEX));
    EXPECT_EQ(At(4, 3), RGB(0, 0, 255));
    EXPECT_EQ(At(0, 0), RGB(255, 255, 255));
    SetPixelV(dc, 0, 0, RGB(1, 2, 3)); // the viewport is back where it was
    EXPECT_EQ(At(0, 0), RGB(1, 2, 3));
}

} // namespace
} // namespace imagetest
