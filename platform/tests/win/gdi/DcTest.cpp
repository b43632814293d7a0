#include "GdiFixture.h"

namespace gditest {
namespace {

using DcTest = WindowTest;

constexpr DWORD kPopup = WS_POPUP | WS_VISIBLE;

void Fill(HDC hdc, const RECT& r, COLORREF color) {
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(hdc, &r, brush);
    DeleteObject(brush);
}

const RECT kEverywhere{-500, -500, 500, 500};

TEST_F(DcTest, ChildClippingFollowsStylesAndGetDCExFollowsOnlyItsFlags) {
    const HWND top = TopLevel(0, 0, 60, 80, kPopup | WS_CLIPCHILDREN);
    const HWND child = Child(top, 10, 10, 20, 20);
    const HWND above = Child(top, 0, 40, 30, 20);  // created first: above
    const HWND below = Child(top, 20, 40, 30, 20); // overlaps `above` at x 20..30
    ASSERT_TRUE(test::pump());

    HDC hdc = GetDC(top);
    Fill(hdc, kEverywhere, kRed);
    ReleaseDC(top, hdc);
    EXPECT_EQ(test::WindowPixel(top, 5, 5), kRed);
    EXPECT_EQ(test::WindowPixel(child, 5, 5), kWhite) << "WS_CLIPCHILDREN keeps the child";

    // 0x412: siblings above are cut away, children are not, whatever the styles say.
    hdc = GetDCEx(top, {}, 0x412);
    Fill(hdc, kEverywhere, kBlue);
    ReleaseDC(top, hdc);
    EXPECT_EQ(test::WindowPixel(child, 5, 5), kBlue);
    hdc = GetDCEx(below, {}, 0x412);
    Fill(hdc, kEverywhere, kBlack);
    ReleaseDC(below, hdc);
    EXPECT_EQ(test::WindowPixel(top, 25, 50), kBlue) << "the sibling above is excluded";
    EXPECT_EQ(test::WindowPixel(top, 35, 50), kBlack);
    hdc = GetDCEx(below, {}, 0);
    Fill(hdc, kEverywhere, kRed);
    ReleaseDC(below, hdc);
    EXPECT_EQ(test::WindowPixel(top, 25, 50), kRed) << "without clip-siblings it draws over";

    // 0x20: the parent's visible region with the origin at the window's client top-left, so the
    // DC reaches over the parent, the window's siblings and children alike.
    hdc = GetDCEx(child, {}, DCX_PARENTCLIP);
    Fill(hdc, RECT{-10, -10, 0, 0}, kBlack);
    Fill(hdc, RECT{0, 0, 50, 50}, RGB(0, 255, 0));
    ReleaseDC(child, hdc);
    EXPECT_EQ(test::WindowPixel(top, 0, 0), kBlack);
    EXPECT_EQ(test::WindowPixel(top, 9, 9), kBlack);
    EXPECT_EQ(test::WindowPixel(child, 0, 0), RGB(0, 255, 0));
    EXPECT_EQ(test::WindowPixel(above, 15, 5), RGB(0, 255, 0));
    // Extra regions are in screen coordinates.
    const HRGN corner = CreateRectRgn(0, 0, 4, 4);
    hdc = GetDCEx(top, corner, DCX_INTERSECTRGN);
    Fill(hdc, kEverywhere, kBlue);
    ReleaseDC(top, hdc);
    hdc = GetDCEx(top, corner, DCX_EXCLUDERGN | DCX_CLIPCHILDREN);
    Fill(hdc, RECT{0, 0, 8, 8}, kRed);
    ReleaseDC(top, hdc);
    DeleteObject(corner);
    EXPECT_EQ(test::WindowPixel(top, 3, 3), kBlue);
    EXPECT_EQ(test::WindowPixel(top, 4, 4), kRed);
    EXPECT_EQ(test::WindowPixel(top, 8, 8), kBlack) << "outside both fills";
    EXPECT_FALSE(GetDCEx(HWND::FromValue(0x7FFFFFF0), {}, 0)) << "invalid window";
    EXPECT_EQ(test::LiveDcCount(), 0u);
}

TEST_F(DcTest, XorThroughTheScreenDcIsReversibleAcrossTwoTopLevelWindows) {
    const HWND left = TopLevel(0, 0, 40, 40, kPopup);
    const HWND right = TopLevel(40, 0, 40, 40, kPopup);
    ASSERT_TRUE(test::pump());
    HDC hdc = GetDC({});
    const HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(GRAY_BRUSH));
    SetROP2(hdc, R2_XORPEN);
    const HPEN pen = CreatePen(PS_SOLID, 3, RGB(0x12, 0x34, 0x56));
    const HGDIOBJ oldPen = SelectObject(hdc, pen);
    for (int pass = 0; pass < 2; ++pass) {
        PatBlt(hdc, 30, 10, 20, 4, PATINVERT);
        Rectangle(hdc, 20, 20, 60, 30);
        if (pass == 0) {
            EXPECT_EQ(test::WindowPixel(left, 35, 11), RGB(127, 127, 127));
            EXPECT_EQ(test::WindowPixel(right, 5, 11), RGB(127, 127, 127));
            EXPECT_NE(test::WindowPixel(right, 10, 20), kWhite);
        }
    }
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    ReleaseDC({}, hdc);
    DeleteObject(pen);
    for (const POINT p : {POINT{35, 11}, {39, 20}, {25, 25}, {20, 20}}) {
        EXPECT_EQ(test::WindowPixel(left, p.x, p.y), kWhite) << p.x << "," << p.y;
    }
    for (const POINT p : {POINT{5, 11}, {0, 20}, {10, 25}, {19, 29}}) {
        EXPECT_EQ(test::WindowPixel(right, p.x, p.y), kWhite) << p.x << "," << p.y;
    }
}

TEST_F(DcTest, MemoryDcsStartWithDefaultsAndAOneByOneMonochromeBitmap) {
    const HWND top = TopLevel(0, 0, 20, 20, kPopup);
    const HDC window = GetDC(top);
    const HDC mem = CreateCompatibleDC(window);
    EXPECT_EQ(GetObjectType(mem), OBJ_MEMDC);
    EXPECT_EQ(GetObjectType(window), OBJ_DC);
    BITMAP bm;
    ASSERT_EQ(GetObjectA(GetCurrentObject(mem, OBJ_BITMAP), sizeof bm, &bm),
              static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmHeight, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    for (const HDC dc : {window, mem}) {
        EXPECT_EQ(GetTextColor(dc), kBlack);
        EXPECT_EQ(GetBkColor(dc), kWhite);
        EXPECT_EQ(GetBkMode(dc), OPAQUE);
        EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
        EXPECT_EQ(GetStretchBltMode(dc), BLACKONWHITE);
        EXPECT_EQ(GetTextAlign(dc), 0u);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
        EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
        EXPECT_EQ(GetDeviceCaps(dc, PLANES), 1);
        EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
        EXPECT_EQ(GetDeviceCaps(dc, HORZRES), GetSystemMetrics(SM_CXSCREEN));
    }

    // Compatible bitmaps: monochrome while the default bitmap is in, colour for window DCs.
    const HBITMAP mono = CreateCompatibleBitmap(mem, 4, 4);
    const HBITMAP colour = CreateCompatibleBitmap(window, 4, 4);
    GetObjectA(mono, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    GetObjectA(colour, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmWidth, 4);
    EXPECT_EQ(GetObjectType(colour), OBJ_BITMAP);
    EXPECT_EQ(GetPixel(mem, 0, 0), kBlack) << "the default bitmap starts black";

    // Selection rules.
    const HGDIOBJ defaultBitmap = SelectObject(mem, colour);
    EXPECT_TRUE(defaultBitmap);
    const HBITMAP colour2 = CreateCompatibleBitmap(mem, 2, 2);
    GetObjectA(colour2, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32) << "follows the selected bitmap";
    EXPECT_FALSE(SelectObject(window, colour2)) << "bitmaps go into memory DCs only";
    const HDC other = CreateCompatibleDC({});
    EXPECT_FALSE(SelectObject(other, colour)) << "one DC at a time";
    EXPECT_EQ(SelectObject(mem, mono), HGDIOBJ(colour));
    EXPECT_TRUE(SelectObject(other, colour));
    EXPECT_FALSE(SelectObject(mem, HGDIOBJ::FromValue(top.Value()))) << "not a GDI object";
    EXPECT_EQ(GetObjectType(HGDIOBJ::FromValue(top.Value())), 0u);

    EXPECT_TRUE(DeleteDC(other));
    EXPECT_EQ(GetObjectType(colour), OBJ_BITMAP) << "DeleteDC leaves the bitmap alive";
    SelectObject(mem, defaultBitmap);
    DeleteDC(mem);
    ReleaseDC(top, window);
    for (const HBITMAP b : {mono, colour, colour2}) {
        EXPECT_TRUE(DeleteObject(b));
    }
    EXPECT_EQ(test::LiveGdiObjectCount(), 0u);
    EXPECT_EQ(test::LiveDcCount(), 0u);
}

TEST_F(DcTest, DeletingSelectedObjectsIsDeferredUntilTheyAreLetGo) {
    const HDC mem = CreateCompatibleDC({});
    const HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
    const HBRUSH brush = CreateSolidBrush(kRed);
    SelectObject(mem, bitmap);
    const HGDIOBJ white = SelectObject(mem, brush);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(brush)) << "already deleted";
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_EQ(test::LiveGdiObjectCount(gdi::GdiObjectKind::Brush), 1u) << "kept while selected";
    PatBlt(mem, 0, 0, 2, 2, PATCOPY);
    EXPECT_EQ(GetPixel(mem, 1, 1), kRed) << "still draws";
    const HDC other = CreateCompatibleDC({});
    EXPECT_FALSE(SelectObject(other, brush)) << "a deleted object cannot be selected again";
    EXPECT_EQ(SelectObject(mem, white), HGDIOBJ(brush));
    EXPECT_EQ(test::LiveGdiObjectCount(gdi::GdiObjectKind::Brush), 0u);
    EXPECT_EQ(test::LiveGdiObjectCount(gdi::GdiObjectKind::Bitmap), 1u);
    DeleteDC(mem);
    DeleteDC(other);
    EXPECT_EQ(test::LiveGdiObjectCount(), 0u) << "DeleteDC let the bitmap go";

    // Released window DCs let go too; stock objects are never deleted.
    const HWND top = TopLevel(0, 0, 10, 10, kPopup);
    const HDC hdc = GetDC(top);
    const HPEN pen = CreatePen(PS_DASH, 1, kBlue);
    SelectObject(hdc, pen);
    DeleteObject(pen);
    EXPECT_EQ(test::LiveGdiObjectCount(gdi::GdiObjectKind::Pen), 1u);
    ReleaseDC(top, hdc);
    EXPECT_EQ(test::LiveGdiObjectCount(), 0u);
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));
    EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), OBJ_PEN);
}

TEST_F(DcTest, ClipCallsWorkInLogicalCoordinatesAndFollowTheWindow) {
    Canvas c(10, 10);
    EXPECT_EQ(IntersectClipRect(c.Dc(), 2, 2, 6, 6), SIMPLEREGION);
    EXPECT_EQ(ExcludeClipRect(c.Dc(), 3, 3, 4, 4), COMPLEXREGION);
    RECT box{};
    EXPECT_EQ(GetClipBox(c.Dc(), &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{2, 2, 6, 6}));
    Fill(c.Dc(), kEverywhere, kRed);
    EXPECT_EQ(GetPixel(c.Dc(), 1, 1), CLR_INVALID) << "outside the clip";
    EXPECT_EQ(SelectClipRgn(c.Dc(), {}), SIMPLEREGION);
    EXPECT_EQ(c.At(2, 2), kRed);
    EXPECT_EQ(c.At(5, 5), kRed);
    EXPECT_EQ(c.At(3, 3), kWhite);
    EXPECT_EQ(c.At(6, 6), kWhite);

    SetViewportOrgEx(c.Dc(), 1, 1, nullptr);
    EXPECT_EQ(IntersectClipRect(c.Dc(), 0, 0, 4, 4), SIMPLEREGION);
    GetClipBox(c.Dc(), &box);
    EXPECT_EQ(box, (RECT{0, 0, 4, 4})) << "logical rectangle";
    EXPECT_EQ(IntersectClipRect(c.Dc(), 0, 0, 1, 1), SIMPLEREGION);
    GetClipBox(c.Dc(), &box);
    EXPECT_EQ(box, (RECT{0, 0, 1, 1}));
    EXPECT_EQ(IntersectClipRect(c.Dc(), 5, 5, 6, 6), NULLREGION);
    EXPECT_EQ(SelectClipRgn(c.Dc(), {}), SIMPLEREGION);
    GetClipBox(c.Dc(), &box);
    EXPECT_EQ(box, (RECT{-1, -1, 9, 9}));
    const HRGN rgn = CreateRectRgn(0, 0, 3, 3);
    EXPECT_EQ(SelectClipRgn(c.Dc(), rgn), SIMPLEREGION);
    DeleteObject(rgn);
    GetClipBox(c.Dc(), &box);
    EXPECT_EQ(box, (RECT{-1, -1, 2, 2}));

    // A DC kept across a move draws through the window's current place.
    const HWND top = TopLevel(0, 0, 60, 60, kPopup);
    const HWND child = Child(top, 0, 0, 10, 10);
    ASSERT_TRUE(test::pump());
    const HDC kept = GetDC(child);
    SetWindowPos(child, {}, 30, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(test::pump());
    Fill(kept, kEverywhere, kBlue);
    EXPECT_EQ(test::WindowPixel(top, 35, 35), kBlue);
    EXPECT_EQ(test::WindowPixel(top, 5, 5), kWhite);
    EXPECT_EQ(test::WindowPixel(top, 41, 41), kWhite);
    ShowWindow(child, SW_HIDE);
    Fill(kept, kEverywhere, kRed);
    EXPECT_EQ(test::WindowPixel(top, 35, 35), kBlue) << "a hidden window's DC draws nothing";
    RECT hiddenBox{1, 1, 1, 1};
    EXPECT_EQ(GetClipBox(kept, &hiddenBox), NULLREGION);
    EXPECT_EQ(ReleaseDC(child, kept), 1);
}

TEST_F(DcTest, PatternsAndFocusDotsAlignWithTheDcNotTheFramebuffer) {
    const HWND top = TopLevel(0, 0, 20, 20, kPopup);
    const HWND child = Child(top, 3, 0, 8, 8); // odd offset in the framebuffer
    ASSERT_TRUE(test::pump());
    const HDC hdc = GetDC(child);
    const RECT r{0, 0, 4, 4};
    DrawFocusRect(hdc, &r);
    EXPECT_EQ(test::WindowPixel(child, 0, 0), kBlack) << "(0,0) of the DC is an even pixel";
    EXPECT_EQ(test::WindowPixel(child, 1, 0), kWhite);
    const HBRUSH hatch = CreateHatchBrush(HS_VERTICAL, kRed);
    const RECT band{0, 5, 8, 6};
    FillRect(hdc, &band, hatch);
    EXPECT_EQ(test::WindowPixel(child, 0, 5), kRed) << "hatch columns count from the DC's origin";
    EXPECT_EQ(test::WindowPixel(child, 1, 5), kWhite);
    DeleteObject(hatch);
    ReleaseDC(child, hdc);
}

TEST_F(DcTest, SaveAndRestoreBringBackAttributesClipAndSelections) {
    Canvas c(10, 10);
    const HBRUSH red = CreateSolidBrush(kRed);
    EXPECT_EQ(SaveDC(c.Dc()), 1);
    SelectObject(c.Dc(), red);
    SetTextColor(c.Dc(), kBlue);
    SetViewportOrgEx(c.Dc(), 2, 2, nullptr);
    OffsetViewportOrgEx(c.Dc(), 1, 0, nullptr);
    IntersectClipRect(c.Dc(), 0, 0, 1, 1);
    EXPECT_EQ(SaveDC(c.Dc()), 2);
    SetTextColor(c.Dc(), kRed);
    EXPECT_TRUE(RestoreDC(c.Dc(), -1));
    EXPECT_EQ(GetTextColor(c.Dc()), kBlue);
    RECT box{};
    GetClipBox(c.Dc(), &box);
    EXPECT_EQ(box, (RECT{0, 0, 1, 1}));
    EXPECT_TRUE(RestoreDC(c.Dc(), 1));
    EXPECT_EQ(GetTextColor(c.Dc()), kBlack);
    EXPECT_EQ(GetCurrentObject(c.Dc(), OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    GetClipBox(c.Dc(), &box);
    EXPECT_EQ(box, (RECT{0, 0, 10, 10}));
    EXPECT_FALSE(RestoreDC(c.Dc(), 1)) << "nothing left to restore";
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_EQ(test::LiveGdiObjectCount(gdi::GdiObjectKind::Brush), 0u) << "restore deselected it";
}

TEST_F(DcTest, GuardsPutTheDcBackWhenAStepThrows) {
    Canvas c(10, 10);
    const HWND top = TopLevel(0, 0, 20, 20, kPopup);
    const size_t dcs = test::LiveDcCount();
    OwnedObject<HBRUSH> red(CreateSolidBrush(kRed));
    OwnedObject<HBITMAP> foreign(CreateBitmap(4, 4, 1, 32, nullptr));
    try {
        const SavedDc saved(c.Dc());
        const WindowDc window(top);
        EXPECT_EQ(test::LiveDcCount(), dcs + 1);
        SetTextColor(c.Dc(), kBlue);
        SetViewportOrgEx(c.Dc(), 3, 3, nullptr);
        const SelectedObject brush(c.Dc(), red.Get());
        EXPECT_EQ(GetCurrentObject(c.Dc(), OBJ_BRUSH), HGDIOBJ(red.Get()));
        EXPECT_FALSE(SelectedObject(window.Get(), foreign.Get()).Selected())
            << "bitmaps go into memory DCs only: nothing to undo";
        EXPECT_FALSE(SelectedObject(c.Dc(), HGDIOBJ{}).Selected());
        throw std::runtime_error("draw failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(test::LiveDcCount(), dcs);
    EXPECT_EQ(GetTextColor(c.Dc()), kBlack);
    POINT origin{};
    GetViewportOrgEx(c.Dc(), &origin);
    EXPECT_EQ(origin, (POINT{0, 0}));
    EXPECT_EQ(GetCurrentObject(c.Dc(), OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
}

TEST_F(DcTest, ScrollWindowExInvalidatesWhatCameFromUnderAChild) {
    const HWND top = TopLevel(0, 0, 40, 40, kPopup | WS_CLIPCHILDREN);
    const HWND header = Child(top, 0, 0, 40, 10);
    ASSERT_TRUE(test::pump());
    HDC hdc = GetDC(top);
    for (int y = 10; y < 40; ++y) {
        Fill(hdc, RECT{0, y, 40, y + 1}, RGB(y, 0, 0));
    }
    ReleaseDC(top, hdc);
    hdc = GetDC(header);
    Fill(hdc, kEverywhere, kBlue);
    ReleaseDC(header, hdc);

    RECT update{};
    EXPECT_EQ(ScrollWindowEx(top, 0, 5, nullptr, nullptr, {}, &update, SW_INVALIDATE),
              SIMPLEREGION);
    EXPECT_EQ(update, (RECT{0, 10, 40, 15})) << "rows whose source lay under the header";
    EXPECT_EQ(test::WindowPixel(top, 3, 20), RGB(15, 0, 0));
    EXPECT_EQ(test::WindowPixel(top, 3, 39), RGB(34, 0, 0));
    EXPECT_EQ(test::WindowPixel(header, 3, 3), kBlue) << "the child's pixels stay";
    RECT pending{};
    EXPECT_TRUE(GetUpdateRect(top, &pending, FALSE));
    EXPECT_EQ(pending, (RECT{0, 10, 40, 15}));
    ASSERT_TRUE(test::pump());

    // Scrolling up exposes the bottom strip; SW_SCROLLCHILDREN moves the children along.
    ScrollWindowEx(top, 0, -4, nullptr, nullptr, {}, &update, SW_INVALIDATE | SW_SCROLLCHILDREN);
    EXPECT_EQ(update, (RECT{0, 36, 40, 40}));
    RECT headerRect{};
    GetWindowRect(header, &headerRect);
    EXPECT_EQ(headerRect.top, -4);
    EXPECT_EQ(ScrollWindowEx(HWND{}, 0, 1, nullptr, nullptr, {}, nullptr, 0), ERROR);
    ASSERT_TRUE(test::pump());
}

} // namespace
} // namespace gditest
