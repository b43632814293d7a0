#include "GdiFixture.h"

#include <array>
#include <climits>
#include <functional>

namespace gditest {
namespace {

using RasterTest = WindowTest;

TEST_F(RasterTest, RectanglesAreHalfOpenAndFollowTheMapping) {
    Canvas c(10, 10);
    const HBRUSH red = CreateSolidBrush(kRed);
    const RECT r{2, 2, 5, 4};
    FillRect(c.Dc(), &r, red);
    EXPECT_EQ(c.At(2, 2), kRed);
    EXPECT_EQ(c.At(4, 3), kRed);
    EXPECT_EQ(c.At(5, 3), kWhite) << "right edge excluded";
    EXPECT_EQ(c.At(4, 4), kWhite) << "bottom edge excluded";

    // device = logical - window origin + viewport origin, for fills, lines and reads alike.
    POINT old{};
    SetViewportOrgEx(c.Dc(), 5, 0, &old);
    SetWindowOrgEx(c.Dc(), 0, -3, nullptr);
    EXPECT_EQ(old, (POINT{0, 0}));
    const RECT one{0, 0, 1, 1};
    FillRect(c.Dc(), &one, red);
    EXPECT_EQ(GetPixel(c.Dc(), 0, 0), kRed);
    MoveToEx(c.Dc(), 0, 2, nullptr);
    LineTo(c.Dc(), 3, 2);
    SetViewportOrgEx(c.Dc(), 0, 0, nullptr);
    SetWindowOrgEx(c.Dc(), 0, 0, nullptr);
    EXPECT_EQ(c.At(5, 3), kRed);
    EXPECT_EQ(c.At(7, 5), kBlack);
    EXPECT_EQ(c.At(8, 5), kWhite);

    const RECT frame{0, 6, 4, 10};
    FrameRect(c.Dc(), &frame, red);
    EXPECT_EQ(c.At(3, 9), kRed);
    EXPECT_EQ(c.At(1, 7), kWhite) << "FrameRect draws only the inside edge";
    DeleteObject(red);
}

// Our line rule: from the start (included) to the end (excluded), stepping the major axis
// i = 0 .. n-1 with minor offset floor((2*i*dminor + dmajor) / (2*dmajor)); a half-way tie
// goes away from the start, so a line and its reverse differ only at ties.
TEST_F(RasterTest, LinesFollowTheDocumentedRuleAndExcludeTheirEnd) {
    Canvas c(12, 12);
    MoveToEx(c.Dc(), 0, 0, nullptr);
    LineTo(c.Dc(), 5, 2);
    for (const POINT p : {POINT{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}) {
        EXPECT_EQ(c.At(p.x, p.y), kBlack) << p.x << "," << p.y;
    }
    EXPECT_EQ(c.At(5, 2), kWhite) << "end point excluded";
    EXPECT_EQ(c.At(2, 0), kWhite);
    POINT position{};
    GetCurrentPositionEx(c.Dc(), &position);
    EXPECT_EQ(position, (POINT{5, 2}));

    // A tie at x = 2 of (0,6)-(4,7) goes down; drawn backwards it goes up.
    MoveToEx(c.Dc(), 0, 6, nullptr);
    LineTo(c.Dc(), 4, 7);
    EXPECT_EQ(c.At(2, 7), kBlack);
    EXPECT_EQ(c.At(2, 6), kWhite);
    MoveToEx(c.Dc(), 4, 10, nullptr);
    LineTo(c.Dc(), 0, 9);
    EXPECT_EQ(c.At(2, 9), kBlack);
    EXPECT_EQ(c.At(2, 10), kWhite);

    // 45 degrees is exact; steep lines step along y.
    MoveToEx(c.Dc(), 8, 0, nullptr);
    LineTo(c.Dc(), 11, 3);
    EXPECT_EQ(c.At(10, 2), kBlack);
    EXPECT_EQ(c.At(11, 3), kWhite);
    MoveToEx(c.Dc(), 11, 4, nullptr);
    LineTo(c.Dc(), 10, 8);
    EXPECT_EQ(c.At(11, 5), kBlack);
    EXPECT_EQ(c.At(10, 6), kBlack) << "tie at y = 6 goes away from the start";
    EXPECT_EQ(c.At(10, 8), kWhite);
}

// Wide pens: the union of w x w squares with top-left (x - w/2, y - w/2) over the one-pixel
// line, each pixel touched once, so an XOR line drawn twice leaves nothing.
TEST_F(RasterTest, WidePenLinesAreUnionsOfSquaresAndUndoThemselvesUnderXor) {
    Canvas c(12, 12);
    {
        Selected pen(c.Dc(), CreatePen(PS_SOLID, 3, kRed));
        MoveToEx(c.Dc(), 2, 5, nullptr);
        LineTo(c.Dc(), 6, 5);
        EXPECT_EQ(c.At(1, 4), kRed);
        EXPECT_EQ(c.At(6, 6), kRed) << "the last square reaches past the excluded end";
        EXPECT_EQ(c.At(7, 5), kWhite);
        EXPECT_EQ(c.At(1, 3), kWhite);
        EXPECT_EQ(c.At(0, 5), kWhite);

        SetROP2(c.Dc(), R2_XORPEN);
        for (int pass = 0; pass < 2; ++pass) {
            MoveToEx(c.Dc(), 2, 8, nullptr);
            LineTo(c.Dc(), 9, 11);
        }
        EXPECT_EQ(c.At(5, 9), kWhite);
        EXPECT_EQ(c.At(8, 10), kWhite);
        EXPECT_EQ(c.At(3, 8), kWhite);
    }
    // Even widths lean up and left: squares from (x - 1, y - 1) for width 2.
    SetROP2(c.Dc(), R2_COPYPEN);
    Selected pen(c.Dc(), CreatePen(PS_SOLID, 2, kBlue));
    MoveToEx(c.Dc(), 9, 1, nullptr);
    LineTo(c.Dc(), 9, 3);
    EXPECT_EQ(c.At(8, 0), kBlue);
    EXPECT_EQ(c.At(9, 2), kBlue);
    EXPECT_EQ(c.At(10, 1), kWhite);
    EXPECT_EQ(c.At(9, 3), kWhite);

    // A very wide pen along a long diagonal costs what shows. Its squares reach the pixels with
    // |x - y + 2005| <= 2000, so here those with y - x >= 5.
    Selected wide(c.Dc(), CreatePen(PS_SOLID, 2001, kBlack));
    const POINT diagonal[] = {{-30000, -27995}, {30000, 32005}};
    Polyline(c.Dc(), diagonal, 2);
    EXPECT_EQ(c.At(0, 5), kBlack);
    EXPECT_EQ(c.At(6, 11), kBlack);
    EXPECT_EQ(c.Count(kBlack), 28);
}

TEST_F(RasterTest, DashedPensRestartAtMoveToAndDrawGapsByBackgroundMode) {
    Canvas c(40, 4);
    Selected pen(c.Dc(), CreatePen(PS_DOT, 1, kRed));
    SetBkColor(c.Dc(), kBlue);
    MoveToEx(c.Dc(), 0, 0, nullptr);
    LineTo(c.Dc(), 4, 0);
    LineTo(c.Dc(), 10, 0); // continues the pattern: dot 3, gap 3
    EXPECT_EQ(c.At(2, 0), kRed);
    EXPECT_EQ(c.At(3, 0), kBlue) << "OPAQUE gaps take the background colour";
    EXPECT_EQ(c.At(5, 0), kBlue);
    EXPECT_EQ(c.At(6, 0), kRed) << "the pattern ran on across LineTo";

    SetBkMode(c.Dc(), TRANSPARENT);
    MoveToEx(c.Dc(), 0, 2, nullptr);
    LineTo(c.Dc(), 30, 2);
    EXPECT_EQ(c.At(0, 2), kRed);
    EXPECT_EQ(c.At(4, 2), kWhite) << "TRANSPARENT gaps stay untouched";
    EXPECT_EQ(c.At(7, 2), kRed);
}

// Rectangle bands: a one-pixel pen outlines [l, r-1] x [t, b-1]; width w covers w pixels inward
// from (l - w/2, t - w/2, r + (w-1)/2, b + (w-1)/2); PS_INSIDEFRAME keeps the band inside
// [l, r) x [t, b). The interior is what the band leaves; outline and interior are disjoint.
TEST_F(RasterTest, RectangleNormalisesCornersAndKeepsOutlineAndInteriorDisjoint) {
    Canvas c(20, 20);
    const HBRUSH red = CreateSolidBrush(kRed);
    const HGDIOBJ oldBrush = SelectObject(c.Dc(), red);
    EXPECT_TRUE(Rectangle(c.Dc(), 6, 6, 1, 1)) << "swapped corners";
    EXPECT_EQ(c.At(1, 1), kBlack);
    EXPECT_EQ(c.At(5, 5), kBlack);
    EXPECT_EQ(c.At(5, 1), kBlack);
    EXPECT_EQ(c.At(2, 2), kRed);
    EXPECT_EQ(c.At(4, 4), kRed);
    EXPECT_EQ(c.At(6, 6), kWhite);
    EXPECT_EQ(c.At(6, 3), kWhite);

    SelectObject(c.Dc(), GetStockObject(NULL_BRUSH));
    Rectangle(c.Dc(), 8, 1, 12, 5);
    EXPECT_EQ(c.At(8, 1), kBlack);
    EXPECT_EQ(c.At(10, 3), kWhite) << "NULL_BRUSH leaves the inside alone";
    EXPECT_TRUE(Rectangle(c.Dc(), 14, 1, 14, 9)) << "no area, nothing drawn";
    EXPECT_EQ(c.At(14, 1), kWhite);

    SelectObject(c.Dc(), red);
    {
        Selected pen(c.Dc(), CreatePen(PS_SOLID, 2, kBlue));
        Rectangle(c.Dc(), 2, 10, 8, 16);
        EXPECT_EQ(c.At(1, 9), kBlue) << "band starts at l - w/2";
        EXPECT_EQ(c.At(2, 10), kBlue);
        EXPECT_EQ(c.At(3, 11), kRed);
        EXPECT_EQ(c.At(7, 15), kBlue) << "and ends at r + (w-1)/2 - 1";
        EXPECT_EQ(c.At(8, 16), kWhite);
    }
    {
        Selected pen(c.Dc(), CreatePen(PS_INSIDEFRAME, 2, kBlue));
        Rectangle(c.Dc(), 10, 10, 16, 16);
        EXPECT_EQ(c.At(9, 9), kWhite);
        EXPECT_EQ(c.At(11, 11), kBlue);
        EXPECT_EQ(c.At(12, 12), kRed);
        EXPECT_EQ(c.At(15, 15), kBlue);
    }
    {
        Selected pen(c.Dc(), CreatePen(PS_NULL, 1, kBlue));
        Rectangle(c.Dc(), 16, 0, 20, 4);
        EXPECT_EQ(c.At(16, 0), kRed);
        EXPECT_EQ(c.At(18, 2), kRed);
        EXPECT_EQ(c.At(19, 3), kWhite) << "PS_NULL fills [l, r-1) x [t, b-1)";
    }

    // Every pixel once, corners included: R2_NOT and R2_XORPEN undo themselves.
    const std::array<POINT, 4> probes{POINT{0, 7}, {1, 8}, {3, 12}, {7, 13}};
    std::array<COLORREF, 4> before{};
    for (size_t i = 0; i < probes.size(); ++i) {
        before[i] = c.At(probes[i].x, probes[i].y);
    }
    for (const int rop : {R2_NOT, R2_XORPEN}) {
        for (const int width : {1, 2}) {
            Selected pen(c.Dc(), CreatePen(PS_SOLID, width, kBlue));
            SetROP2(c.Dc(), rop);
            Rectangle(c.Dc(), 8, 14, 1, 8);
            EXPECT_NE(c.At(1, 8), before[1]);
            Rectangle(c.Dc(), 1, 8, 8, 14);
            for (size_t i = 0; i < probes.size(); ++i) {
                EXPECT_EQ(c.At(probes[i].x, probes[i].y), before[i])
                    << "rop " << rop << " width " << width << " at " << probes[i].x << ","
                    << probes[i].y;
            }
        }
    }
    SelectObject(c.Dc(), oldBrush);
    DeleteObject(red);
}

TEST_F(RasterTest, AllSixteenRop2ModesOnOnePixel) {
    Canvas c(2, 1);
    constexpr uint32_t pen = 0x0F33F0;
    constexpr uint32_t dst = 0x5AAA00;
    const std::array<std::function<uint32_t(uint32_t, uint32_t)>, 16> expected{
        [](uint32_t, uint32_t) { return 0u; },           // R2_BLACK
        [](uint32_t p, uint32_t d) { return ~(p | d); }, // R2_NOTMERGEPEN
        [](uint32_t p, uint32_t d) { return ~p & d; },   // R2_MASKNOTPEN
        [](uint32_t p, uint32_t) { return ~p; },         // R2_NOTCOPYPEN
        [](uint32_t p, uint32_t d) { return p & ~d; },   // R2_MASKPENNOT
        [](uint32_t, uint32_t d) { return ~d; },         // R2_NOT
        [](uint32_t p, uint32_t d) { return p ^ d; },    // R2_XORPEN
        [](uint32_t p, uint32_t d) { return ~(p & d); }, // R2_NOTMASKPEN
        [](uint32_t p, uint32_t d) { return p & d; },    // R2_MASKPEN
        [](uint32_t p, uint32_t d) { return ~(p ^ d); }, // R2_NOTXORPEN
        [](uint32_t, uint32_t d) { return d; },          // R2_NOP
        [](uint32_t p, uint32_t d) { return ~p | d; },   // R2_MERGENOTPEN
        [](uint32_t p, uint32_t) { return p; },          // R2_COPYPEN
        [](uint32_t p, uint32_t d) { return p | ~d; },   // R2_MERGEPENNOT
        [](uint32_t p, uint32_t d) { return p | d; },    // R2_MERGEPEN
        [](uint32_t, uint32_t) { return ~0u; },          // R2_WHITE
    };
    Selected selected(c.Dc(), CreatePen(PS_SOLID, 1, pen));
    for (int rop = R2_BLACK; rop <= R2_WHITE; ++rop) {
        SetPixelV(c.Dc(), 0, 0, dst);
        EXPECT_EQ(SetROP2(c.Dc(), rop), rop == R2_BLACK ? R2_COPYPEN : rop - 1);
        MoveToEx(c.Dc(), 0, 0, nullptr);
        LineTo(c.Dc(), 1, 0);
        EXPECT_EQ(c.At(0, 0), expected[static_cast<size_t>(rop - 1)](pen, dst) & 0xFFFFFF)
            << "rop2 " << rop;
    }
    EXPECT_EQ(SetROP2(c.Dc(), 0), 0) << "out of range";
    SetROP2(c.Dc(), R2_BLACK);
    SetPixelV(c.Dc(), 1, 0, kRed);
    EXPECT_EQ(c.At(1, 0), kRed) << "SetPixelV ignores the ROP2";
    EXPECT_EQ(SetPixel(c.Dc(), 5, 0, kRed), CLR_INVALID) << "outside the bitmap";
}

TEST_F(RasterTest, GenericRop3CombinesPatternSourceAndDestination) {
    constexpr COLORREF s = RGB(0xCC, 0x0F, 0x3C);
    constexpr COLORREF d = RGB(0xAA, 0x55, 0x99);
    constexpr COLORREF p = RGB(0xF0, 0x33, 0x0F);
    Canvas src(1, 1);
    Canvas dst(1, 1);
    SetPixelV(src.Dc(), 0, 0, s);
    Selected brush(dst.Dc(), CreateSolidBrush(p));
    const struct {
        DWORD rop;
        COLORREF expected;
    } cases[] = {
        {SRCCOPY, s},
        {SRCINVERT, s ^ d},
        {PATINVERT, p ^ d},
        {DSTINVERT, ~d & 0xFFFFFF},
        {SRCAND, s & d},
        {SRCPAINT, s | d},
        {MERGECOPY, p & s},
        {NOTSRCCOPY, ~s & 0xFFFFFF},
        {0x00B8074A, (s & d) | (~s & p & 0xFFFFFF)}, // no name: S ? D : P
    };
    for (const auto& c : cases) {
        SetPixelV(dst.Dc(), 0, 0, d);
        EXPECT_TRUE(BitBlt(dst.Dc(), 0, 0, 1, 1, src.Dc(), 0, 0, c.rop));
        EXPECT_EQ(dst.At(0, 0), c.expected) << std::hex << c.rop;
    }
    for (const auto& c : {std::pair{PATCOPY, p},
                          {PATINVERT, p ^ d},
                          {DSTINVERT, ~d & 0xFFFFFF},
                          {BLACKNESS, 0u},
                          {WHITENESS, 0xFFFFFFu}}) {
        SetPixelV(dst.Dc(), 0, 0, d);
        EXPECT_TRUE(PatBlt(dst.Dc(), 1, 1, -1, -1, c.first)) << "negative extents normalised";
        EXPECT_EQ(dst.At(0, 0), c.second) << std::hex << c.first;
    }
    EXPECT_FALSE(PatBlt(dst.Dc(), 0, 0, 1, 1, SRCCOPY)) << "PatBlt has no source";
    EXPECT_FALSE(BitBlt(dst.Dc(), 0, 0, 1, 1, HDC{}, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dst.Dc(), 0, 0, 1, 1, HDC{}, 0, 0, PATCOPY)) << "no source needed";
}

TEST_F(RasterTest, MonochromeAndColourConvertBothWaysByTheDcColours) {
    Canvas colour(4, 1);
    Canvas mono(4, 1, kWhite, 1);
    SetPixelV(colour.Dc(), 0, 0, kRed);
    SetPixelV(colour.Dc(), 2, 0, kBlue);
    SetPixelV(colour.Dc(), 3, 0, kRed);

    // Colour to monochrome: the source's background colour becomes 1 (white), all else 0.
    SetBkColor(colour.Dc(), kRed);
    BitBlt(mono.Dc(), 0, 0, 4, 1, colour.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(mono.At(0, 0), kWhite);
    EXPECT_EQ(mono.At(1, 0), kBlack) << "white is not the background colour here";
    EXPECT_EQ(mono.At(2, 0), kBlack);
    EXPECT_EQ(mono.At(3, 0), kWhite);

    // Monochrome to colour: 0 takes the destination's text colour, 1 its background colour.
    Canvas out(4, 1);
    SetTextColor(out.Dc(), kBlue);
    SetBkColor(out.Dc(), RGB(0, 255, 0));
    SetBkColor(mono.Dc(), kBlack) /* the source's colours play no part */;
    BitBlt(out.Dc(), 0, 0, 4, 1, mono.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(out.At(0, 0), RGB(0, 255, 0));
    EXPECT_EQ(out.At(1, 0), kBlue);

    // The mask trick: AND with the mask leaves black where the key colour was.
    Canvas target(4, 1);
    SetTextColor(target.Dc(), kBlack);
    SetBkColor(target.Dc(), kWhite);
    BitBlt(target.Dc(), 0, 0, 4, 1, mono.Dc(), 0, 0, SRCAND);
    EXPECT_EQ(target.At(0, 0), kWhite);
    EXPECT_EQ(target.At(1, 0), kBlack);
}

TEST_F(RasterTest, PatternBrushesUseTextForZeroBitsBackgroundForOnesAndTheBrushOrigin) {
    // The 16 x 8 checkerboard as four 32-bit words (row 2k in the low half, low byte first).
    BITMAP bm;
    bm.bmWidth = 16;
    bm.bmHeight = 8;
    bm.bmWidthBytes = 2;
    bm.bmPlanes = 1;
    bm.bmBitsPixel = 1;
    const uint32_t checker[4] = {0x5555AAAAu, 0x5555AAAAu, 0x5555AAAAu, 0x5555AAAAu};
    bm.bmBits = const_cast<uint32_t*>(checker);
    const HBITMAP tile = CreateBitmapIndirect(&bm);
    ASSERT_TRUE(tile);
    const HBRUSH brush = CreatePatternBrush(tile);
    EXPECT_TRUE(DeleteObject(tile)) << "the brush keeps its own copy";

    Canvas c(4, 4);
    SetTextColor(c.Dc(), kBlue);
    SetBkColor(c.Dc(), kRed);
    const RECT all{0, 0, 4, 4};
    FillRect(c.Dc(), &all, brush);
    // Row 0 is 0xAA: pixel 0 is a 1 bit, pixel 1 a 0 bit. Row 1 is 0x55.
    EXPECT_EQ(c.At(0, 0), kRed);
    EXPECT_EQ(c.At(1, 0), kBlue);
    EXPECT_EQ(c.At(0, 1), kBlue);
    EXPECT_EQ(c.At(1, 1), kRed);

    SetBkMode(c.Dc(), TRANSPARENT);
    SetBrushOrgEx(c.Dc(), 1, 0, nullptr);
    FillRect(c.Dc(), &all, brush);
    EXPECT_EQ(c.At(0, 0), kBlue) << "tile pixel ((0 - 1) mod 16, 0), whatever the mode";
    EXPECT_EQ(c.At(1, 0), kRed);

    // Hatches: lines in the brush colour, gaps by the background mode.
    const HBRUSH hatch = CreateHatchBrush(HS_CROSS, kBlack);
    SetBrushOrgEx(c.Dc(), 0, 0, nullptr);
    FillRect(c.Dc(), &all, GetSysColorBrush(COLOR_WINDOW));
    FillRect(c.Dc(), &all, hatch);
    EXPECT_EQ(c.At(0, 2), kBlack);
    EXPECT_EQ(c.At(2, 2), kWhite) << "TRANSPARENT hatch gaps untouched";
    SetBkMode(c.Dc(), OPAQUE);
    FillRect(c.Dc(), &all, hatch);
    EXPECT_EQ(c.At(2, 2), kRed);
    DeleteObject(hatch);
    DeleteObject(brush);
}

TEST_F(RasterTest, DrawFocusRectInvertsAlternatePixelsAndTwiceRestores) {
    Canvas c(8, 8);
    const HBRUSH red = CreateSolidBrush(kRed);
    const RECT all{0, 0, 8, 8};
    FillRect(c.Dc(), &all, red);
    SetROP2(c.Dc(), R2_BLACK) /* ignored */;
    const RECT r{1, 1, 7, 6};
    DrawFocusRect(c.Dc(), &r);
    EXPECT_EQ(c.At(1, 1), RGB(0, 255, 255)) << "x + y even: XOR with the background (white)";
    EXPECT_EQ(c.At(2, 1), kRed) << "x + y odd: XOR with the text colour (black)";
    EXPECT_EQ(c.At(6, 4), RGB(0, 255, 255)) << "right column is r - 1";
    EXPECT_EQ(c.At(3, 3), kRed) << "inside untouched";
    DrawFocusRect(c.Dc(), &r);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(c.At(x, y), kRed) << x << "," << y;
        }
    }
    DeleteObject(red);
}

TEST_F(RasterTest, StretchGradientAndTransparentBlitsFollowTheirRules) {
    Canvas src(3, 1);
    SetPixelV(src.Dc(), 0, 0, kRed);
    SetPixelV(src.Dc(), 1, 0, kBlue);
    SetPixelV(src.Dc(), 2, 0, kBlack);
    Canvas dst(6, 3);
    // Column i samples floor((i + 0.5) * 3 / 2): columns 0 and 2.
    StretchBlt(dst.Dc(), 0, 0, 2, 1, src.Dc(), 0, 0, 3, 1, SRCCOPY);
    EXPECT_EQ(dst.At(0, 0), kRed);
    EXPECT_EQ(dst.At(1, 0), kBlack);
    StretchBlt(dst.Dc(), 0, 1, 6, 1, src.Dc(), 0, 0, 3, 1, SRCCOPY);
    EXPECT_EQ(dst.At(1, 1), kRed);
    EXPECT_EQ(dst.At(2, 1), kBlue);

    // Transparent pixels are skipped; a source rectangle past the bitmap is clipped.
    EXPECT_TRUE(TransparentBlt(dst.Dc(), 0, 2, 6, 1, src.Dc(), 0, 0, 6, 1, kBlue));
    EXPECT_EQ(dst.At(0, 2), kRed);
    EXPECT_EQ(dst.At(1, 2), kWhite) << "blue is transparent";
    EXPECT_EQ(dst.At(2, 2), kBlack);
    EXPECT_EQ(dst.At(4, 2), kWhite) << "nothing read beyond the source";

    // Gradients include both end points; 127.5 rounds to the even 128.
    Canvas g(3, 1);
    TRIVERTEX v[2];
    v[0] = {0, 0, 0, 0, 0, 0};
    v[1] = {3, 1, 0xFF00, 0x0A00, 0, 0};
    GRADIENT_RECT mesh{0, 1};
    EXPECT_TRUE(GradientFill(g.Dc(), v, 2, &mesh, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(g.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(g.At(1, 0), RGB(128, 5, 0));
    EXPECT_EQ(g.At(2, 0), RGB(255, 10, 0));
}

TEST_F(RasterTest, OverlappingCopiesWithinOneSurfaceAreCorrect) {
    Canvas c(6, 1);
    for (int x = 0; x < 6; ++x) {
        SetPixelV(c.Dc(), x, 0, RGB(x * 10, 0, 0));
    }
    BitBlt(c.Dc(), 1, 0, 5, 1, c.Dc(), 0, 0, SRCCOPY);
    for (int x = 1; x < 6; ++x) {
        EXPECT_EQ(c.At(x, 0), RGB((x - 1) * 10, 0, 0)) << x;
    }
}

TEST_F(RasterTest, PolygonFillsPixelCentresAndOutlinesEveryEdgeOnce) {
    Canvas c(10, 10);
    Selected brush(c.Dc(), CreateSolidBrush(kRed));
    const POINT triangle[] = {{1, 1}, {8, 1}, {1, 8}};
    EXPECT_TRUE(Polygon(c.Dc(), triangle, 3));
    EXPECT_EQ(c.At(1, 1), kBlack);
    EXPECT_EQ(c.At(4, 1), kBlack);
    EXPECT_EQ(c.At(1, 5), kBlack) << "closing edge drawn";
    EXPECT_EQ(c.At(2, 2), kRed);
    EXPECT_EQ(c.At(7, 7), kWhite);
    SetROP2(c.Dc(), R2_NOT);
    Polygon(c.Dc(), triangle, 3);
    Polygon(c.Dc(), triangle, 3);
    EXPECT_EQ(c.At(2, 2), kRed) << "every pixel once";
    EXPECT_EQ(c.At(1, 1), kBlack);
}

TEST_F(RasterTest, DashesRunRoundRectangleCornersAndHugeShapesCostOnlyWhatShows) {
    Canvas c(20, 6);
    Selected pen(c.Dc(), CreatePen(PS_DOT, 1, kRed));
    SetBkColor(c.Dc(), kBlue);
    SelectObject(c.Dc(), GetStockObject(NULL_BRUSH));
    Rectangle(c.Dc(), 0, 0, 8, 3);
    EXPECT_EQ(c.At(6, 0), kRed) << "pixels 0-2 and 6-8 of the border are dots";
    EXPECT_EQ(c.At(7, 1), kRed) << "the dot runs round the corner";
    EXPECT_EQ(c.At(7, 2), kBlue);
    EXPECT_EQ(c.At(4, 2), kRed) << "the bottom row runs right to left";
    EXPECT_EQ(c.At(0, 1), kBlue);

    // Far-away end points: only the visible part is rasterised, with the pattern's true phase.
    MoveToEx(c.Dc(), -3000000, 4, nullptr);
    LineTo(c.Dc(), 2000000000, 4);
    EXPECT_EQ(c.At(0, 4), kRed);
    EXPECT_EQ(c.At(3, 4), kBlue);
    EXPECT_EQ(c.At(6, 4), kRed);
    EXPECT_TRUE(Rectangle(c.Dc(), -1000000000, -1000000000, 1000000000, 1000000000));
    EXPECT_TRUE(Ellipse(c.Dc(), -1000000000, -1000000000, 1000000000, 1000000000));
    {
        // A shape the size of a window: its regions are built from runs, not from pixels.
        Canvas big(600, 600);
        Selected brush(big.Dc(), CreateSolidBrush(kBlue));
        Ellipse(big.Dc(), 0, 0, 600, 600);
        EXPECT_EQ(big.At(300, 300), kBlue);
        EXPECT_EQ(big.At(300, 0), kBlack);
        EXPECT_EQ(big.At(1, 1), kWhite);
        // A wide pen's band lies as Rectangle's: w / 2 above the top, (w - 1) / 2 past the right.
        big.Fill(kWhite);
        Selected wide(big.Dc(), CreatePen(PS_SOLID, 10, kRed));
        Ellipse(big.Dc(), 100, 100, 500, 500);
        EXPECT_EQ(big.At(300, 95), kRed);
        EXPECT_EQ(big.At(300, 104), kRed);
        EXPECT_EQ(big.At(300, 94), kWhite);
        EXPECT_EQ(big.At(300, 105), kBlue);
        EXPECT_EQ(big.At(503, 300), kRed);
        EXPECT_EQ(big.At(504, 300), kWhite);
    }
    const POINT huge[] = {{-1000000000, 5}, {1000000000, 5}, {0, 1000000000}};
    EXPECT_TRUE(Polygon(c.Dc(), huge, 3));
    EXPECT_EQ(c.At(10, 5), kRed) << "the top edge of the triangle";
    SelectObject(c.Dc(), GetStockObject(WHITE_BRUSH));
}

// Coordinates anywhere in the int range are pinned before any arithmetic, and nothing is
// allocated for what cannot show.
TEST_F(RasterTest, ExtremeCoordinatesDrawWhatShowsAndHugeBitmapsAreRefused) {
    Canvas c(8, 8);
    Canvas red(4, 4, kRed);
    SetViewportOrgEx(c.Dc(), 5, 5, nullptr);
    const RECT all{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    FillRect(c.Dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetViewportOrgEx(c.Dc(), INT_MIN, INT_MAX, nullptr);
    OffsetViewportOrgEx(c.Dc(), INT_MIN, INT_MAX, nullptr);
    SetViewportOrgEx(c.Dc(), 0, 0, nullptr);
    EXPECT_EQ(c.Count(kBlack), 64);

    EXPECT_TRUE(PatBlt(c.Dc(), -1000000000, 0, 2000000000, 2, WHITENESS));
    EXPECT_EQ(c.Count(kWhite), 16);
    // Source column -1000000000 + i lands on canvas column i; the source has pixels at 0..3 only.
    EXPECT_TRUE(BitBlt(c.Dc(), -1000000000, 0, 2000000000, 2, red.Dc(), -1000000000, 0, SRCCOPY));
    EXPECT_EQ(c.At(3, 1), kRed);
    EXPECT_EQ(c.At(4, 1), kWhite);
    EXPECT_TRUE(StretchBlt(c.Dc(), INT_MIN, INT_MIN, INT_MAX, INT_MAX, red.Dc(), INT_MAX, 0,
                           INT_MIN, 4, SRCCOPY));
    EXPECT_TRUE(Rectangle(c.Dc(), INT_MAX - 1, INT_MIN, INT_MAX, INT_MAX));

    const OwnedObject<HRGN> region(CreateRectRgnIndirect(&all));
    EXPECT_EQ(OffsetRgn(region.Get(), INT_MAX, INT_MAX), NULLREGION);

    EXPECT_EQ(CreateCompatibleBitmap(c.Dc(), INT_MAX, 2), HBITMAP{});
    EXPECT_EQ(CreateBitmap(65536, 65536, 1, 32, nullptr), HBITMAP{});
    const BITMAP wide{0, INT_MAX, 1, 4, 1, 32, nullptr};
    EXPECT_EQ(CreateBitmapIndirect(&wide), HBITMAP{});
}

} // namespace
} // namespace gditest
