#include "WindowFixture.h"

namespace wmtest {
namespace {

using GdiTest = WindowTest;

TEST_F(GdiTest, SysColorChangesReachTopLevelWindowsAndStockBrushesFollow) {
    const HWND top = TopLevel(0, 0, 50, 50);
    const HWND child = Child(top, 0, 0, 10, 10);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
    EXPECT_EQ(GetSysColor(31), 0u);
    const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    EXPECT_EQ(face, GetSysColorBrush(COLOR_BTNFACE)) << "one stock brush per colour";

    test::Spy spy;
    spy.WatchAll();
    const int index = COLOR_BTNFACE;
    const COLORREF green = RGB(0, 255, 0);
    EXPECT_TRUE(SetSysColors(1, &index, &green));
    EXPECT_EQ(spy.Count(WM_SYSCOLORCHANGE, top), 1u);
    EXPECT_EQ(spy.Count(WM_SYSCOLORCHANGE, child), 0u) << "forwarding is the form's business";
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), green);

    HDC hdc = GetDC(top);
    const RECT r{0, 20, 50, 30};
    FillRect(hdc, &r, face);
    EXPECT_EQ(GetPixel(hdc, 5, 25), green) << "the stock brush paints the new colour";
    EXPECT_TRUE(DeleteObject(face)) << "deleting a stock object is harmless";
    FillRect(hdc, &r, face);
    EXPECT_EQ(GetPixel(hdc, 5, 25), green);
    ReleaseDC(top, hdc);
}

TEST_F(GdiTest, BrushesAreCountedDeletedOnceAndFailCleanlyWhenStale) {
    const HWND top = TopLevel(0, 0, 50, 50);
    ASSERT_TRUE(test::pump());
    const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    EXPECT_EQ(test::LiveGdiObjectCount(), 1u);
    HDC hdc = GetDC(top);
    EXPECT_EQ(test::LiveDcCount(), 1u);
    const RECT r{0, 0, 10, 10};
    EXPECT_EQ(FillRect(hdc, &r, red), 1);
    EXPECT_EQ(GetPixel(hdc, 9, 9), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(hdc, 10, 10), RGB(255, 255, 255)) << "right and bottom excluded";
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_FALSE(DeleteObject(red));
    EXPECT_EQ(test::LiveGdiObjectCount(), 0u);
    EXPECT_EQ(FillRect(hdc, &r, red), 0) << "a stale brush paints nothing";
    EXPECT_EQ(FillRect(hdc, &r, HBRUSH(GetStockObject(NULL_BRUSH))), 0);
    EXPECT_EQ(GetPixel(hdc, 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(ReleaseDC(top, hdc), 1);
    EXPECT_EQ(ReleaseDC(top, hdc), 0);
    EXPECT_EQ(FillRect(hdc, &r, GetSysColorBrush(COLOR_WINDOW)), 0) << "released DC";
    EXPECT_EQ(GetPixel(hdc, 0, 0), CLR_INVALID);

    // A DC that outlives its window draws nothing and does not crash.
    hdc = GetDC(top);
    DestroyWindow(top);
    EXPECT_EQ(FillRect(hdc, &r, GetSysColorBrush(COLOR_WINDOW)), 1);
    EXPECT_EQ(GetPixel(hdc, 0, 0), CLR_INVALID);
    ReleaseDC({}, hdc);
}

TEST_F(GdiTest, ChildDcsAreClippedToTheVisibleRegion) {
    const HWND top = TopLevel(0, 0, 100, 100);
    const HWND child = Child(top, 10, 10, 40, 40);
    const HWND above = Child(top, 30, 30, 40, 40);
    ASSERT_TRUE(test::pump());
    const RECT all{-100, -100, 200, 200};

    // Without WS_CLIPCHILDREN a parent's DC paints over its children.
    HDC hdc = GetDC(top);
    FillRect(hdc, &all, GetSysColorBrush(COLOR_HIGHLIGHT));
    ReleaseDC(top, hdc);
    EXPECT_EQ(test::WindowPixel(child, 5, 5), GetSysColor(COLOR_HIGHLIGHT));

    // A child's DC stays inside the child, and inside its parent.
    hdc = GetDC(child);
    FillRect(hdc, &all, GetSysColorBrush(COLOR_INFOBK));
    ReleaseDC(child, hdc);
    EXPECT_EQ(test::WindowPixel(top, 10, 10), GetSysColor(COLOR_INFOBK));
    EXPECT_EQ(test::WindowPixel(top, 9, 9), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(test::WindowPixel(top, 50, 50), GetSysColor(COLOR_HIGHLIGHT));

    // WS_CLIPSIBLINGS keeps the later (lower) sibling out from under the one above it.
    SetWindowLongA(above, GWL_STYLE, GetWindowLongA(above, GWL_STYLE) | WS_CLIPSIBLINGS);
    SetWindowLongA(child, GWL_STYLE, GetWindowLongA(child, GWL_STYLE) | WS_CLIPSIBLINGS);
    hdc = GetDC(above);
    FillRect(hdc, &all, GetSysColorBrush(COLOR_3DDKSHADOW));
    ReleaseDC(above, hdc);
    EXPECT_EQ(test::WindowPixel(top, 35, 35), GetSysColor(COLOR_INFOBK)) << "child is above";
    EXPECT_EQ(test::WindowPixel(top, 60, 60), GetSysColor(COLOR_3DDKSHADOW));

    // The screen DC writes through to whichever framebuffer shows each pixel.
    const HWND other = TopLevel(300, 300, 20, 20);
    ASSERT_TRUE(test::pump());
    hdc = GetDC({});
    const RECT across{290, 305, 310, 306};
    FillRect(hdc, &across, GetSysColorBrush(COLOR_WINDOWFRAME));
    EXPECT_EQ(GetPixel(hdc, 295, 305), RGB(0, 0, 0));
    ReleaseDC({}, hdc);
    EXPECT_EQ(test::WindowPixel(other, 5, 5), RGB(0, 0, 0));
    EXPECT_EQ(test::ScreenPixel(295, 305), RGB(0, 0, 0));
    EXPECT_EQ(test::ScreenPixel(295, 306), GetSysColor(COLOR_BACKGROUND));
    hdc = GetDC(other);
    EXPECT_EQ(GetDeviceCaps(hdc, LOGPIXELSX), 96);
    ReleaseDC(other, hdc);
}

TEST_F(GdiTest, DrawEdgeRingsOwnTheirCornersAndAdjustLeavesTheInterior) {
    const HWND top = TopLevel(0, 0, 40, 40, WS_POPUP | WS_VISIBLE);
    ASSERT_TRUE(test::pump());
    HDC hdc = GetDC(top);
    RECT r{0, 0, 10, 10};
    ASSERT_TRUE(DrawEdge(hdc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST | BF_MIDDLE));
    EXPECT_EQ(r, (RECT{2, 2, 8, 8}));
    EXPECT_EQ(GetPixel(hdc, 0, 0), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(GetPixel(hdc, 9, 0), GetSysColor(COLOR_3DDKSHADOW)) << "top-right: bottom-right";
    EXPECT_EQ(GetPixel(hdc, 0, 9), GetSysColor(COLOR_3DDKSHADOW)) << "bottom-left: bottom-right";
    EXPECT_EQ(GetPixel(hdc, 1, 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(GetPixel(hdc, 8, 5), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(GetPixel(hdc, 5, 5), GetSysColor(COLOR_BTNFACE)) << "BF_MIDDLE";

    RECT side{20, 0, 30, 10};
    DrawEdge(hdc, &side, BDR_SUNKENOUTER, BF_LEFT | BF_ADJUST);
    EXPECT_EQ(side, (RECT{21, 0, 30, 10}));
    EXPECT_EQ(GetPixel(hdc, 20, 5), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(GetPixel(hdc, 29, 5), RGB(255, 255, 255)) << "other sides untouched";
    ReleaseDC(top, hdc);
}

TEST_F(GdiTest, TreeDumpShowsStructureAndState) {
    const HWND top = TopLevel(0, 0, 50, 50);
    SetWindowTextA(top, "Main");
    Child(top, 1, 2, 10, 10, WS_CHILD | WS_VISIBLE | WS_DISABLED);
    SetFocus(top);
    const std::string dump = test::DumpWindowTree();
    EXPECT_NE(dump.find("\"WmTest\" \"Main\" (0,0,50,50)"), std::string::npos) << dump;
    EXPECT_NE(dump.find("[focus] [active]"), std::string::npos) << dump;
    EXPECT_NE(dump.find("\n  "), std::string::npos) << "children are indented";
    EXPECT_NE(dump.find("disabled"), std::string::npos);
}

} // namespace
} // namespace wmtest

namespace wmtest {
namespace {

TEST_F(GdiTest, StaleAndWrongKindHandlesFailWithTheDocumentedValues) {
    const HWND hwnd = TopLevel(0, 0, 10, 10);
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const HDC hdc = GetDC(hwnd);
    // Values are unique across kinds, so one kind's value never names another kind's object.
    EXPECT_NE(hwnd.Value(), brush.Value());
    EXPECT_NE(hdc.Value(), brush.Value());
    EXPECT_FALSE(DeleteObject(HGDIOBJ::FromValue(hwnd.Value())));
    EXPECT_FALSE(DeleteObject(HGDIOBJ::FromValue(hdc.Value())));
    EXPECT_FALSE(IsWindow(HWND::FromValue(brush.Value())));
    EXPECT_EQ(ReleaseDC(hwnd, HDC::FromValue(brush.Value())), 0);
    EXPECT_EQ(GetDeviceCaps(HDC::FromValue(hwnd.Value()), LOGPIXELSY), 0);
    ReleaseDC(hwnd, hdc);
    DeleteObject(brush);

    DestroyWindow(hwnd);
    RECT r{1, 2, 3, 4};
    POINT p{5, 6};
    PAINTSTRUCT ps;
    EXPECT_FALSE(GetWindowRect(hwnd, &r));
    EXPECT_EQ(r, (RECT{1, 2, 3, 4})) << "untouched";
    EXPECT_FALSE(GetClientRect(hwnd, &r));
    EXPECT_FALSE(ClientToScreen(hwnd, &p));
    EXPECT_EQ(p, (POINT{5, 6}));
    EXPECT_EQ(MapWindowPoints(hwnd, {}, &p, 1), 0);
    EXPECT_FALSE(GetDC(hwnd));
    EXPECT_FALSE(BeginPaint(hwnd, &ps));
    EXPECT_FALSE(UpdateWindow(hwnd));
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_FALSE(EnableWindow(hwnd, FALSE));
    EXPECT_EQ(GetParent(hwnd), HWND{});
    EXPECT_EQ(SetParent(hwnd, {}), HWND{});
    EXPECT_EQ(SetFocus(hwnd), HWND{});
    EXPECT_EQ(SetActiveWindow(hwnd), HWND{});
    EXPECT_EQ(GetWindow(hwnd, GW_HWNDNEXT), HWND{});
    EXPECT_EQ(GetWindowTextLengthA(hwnd), 0);
    EXPECT_FALSE(SetWindowTextA(hwnd, "x"));
}

} // namespace
} // namespace wmtest
