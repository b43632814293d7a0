#include "WindowFixture.h"

#include "platform/win/gdi/raster/Region.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace wmtest {
namespace {

using GeometryTest = WindowTest;

TEST_F(GeometryTest, SetWindowPosSendsItsMessagesBeforeReturning) {
    const HWND parent = TopLevel(100, 100, 300, 300);
    const HWND child = Child(parent, 10, 20, 50, 40);
    test::Spy spy(child);
    ASSERT_TRUE(SetWindowPos(child, {}, 30, 40, 60, 45, SWP_NOZORDER));
    EXPECT_EQ(spy.MessageIds(), (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE,
                                                   WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}));
    EXPECT_EQ(spy.First(WM_MOVE)->lParam, MAKELPARAM(30, 40));
    EXPECT_EQ(spy.First(WM_SIZE)->lParam, MAKELPARAM(60, 45));
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r, (RECT{130, 140, 190, 185})) << "screen coordinates";

    // WM_WINDOWPOSCHANGING may rewrite the request.
    Answer([](HWND, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (msg == WM_WINDOWPOSCHANGING) {
            reinterpret_cast<WINDOWPOS*>(lParam)->cx = 10;
        }
        return std::nullopt;
    });
    spy.Clear();
    MoveWindow(child, 30, 40, 99, 45, TRUE);
    GetClientRect(child, &r);
    EXPECT_EQ(r.right, 10);
    EXPECT_EQ(spy.Count(WM_MOVE), 0u) << "the client area did not move";
    EXPECT_EQ(spy.Count(WM_SIZE), 1u);

    // Children move with their parent without being told.
    spy.Clear();
    MoveWindow(parent, 0, 0, 300, 300, TRUE);
    GetWindowRect(child, &r);
    EXPECT_EQ(r, (RECT{30, 40, 40, 85}));
    EXPECT_EQ(spy.Count(WM_MOVE), 0u);
    EXPECT_FALSE(SetWindowPos(HWND::FromValue(0xFFFF0), {}, 0, 0, 1, 1, 0));
}

TEST_F(GeometryTest, SetParentKeepsTheNumbersAndChangesTheReference) {
    const HWND left = TopLevel(0, 0, 200, 200);
    const HWND right = TopLevel(300, 50, 200, 200, WS_OVERLAPPED | WS_VISIBLE | WS_BORDER);
    const HWND list = Child(left, 15, 25, 50, 50);
    EXPECT_EQ(SetParent(list, right), left);
    EXPECT_EQ(GetParent(list), right);
    EXPECT_TRUE(IsChild(right, list));
    EXPECT_FALSE(IsChild(left, list));
    RECT r;
    GetWindowRect(list, &r);
    EXPECT_EQ(r, (RECT{316, 76, 366, 126})) << "15,25 inside the bordered client area";
    // Later moves are relative to the current parent.
    SetWindowPos(list, {}, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    GetWindowRect(list, &r);
    EXPECT_EQ(r.left, 301);

    // And back, then out to the desktop and in again.
    EXPECT_EQ(SetParent(list, left), right);
    POINT p{0, 0};
    MapWindowPoints(list, left, &p, 1);
    EXPECT_EQ(p, (POINT{0, 0}));
    EXPECT_EQ(SetParent(list, {}), left);
    EXPECT_EQ(GetAncestor(list, GA_ROOT), list);
    EXPECT_EQ(GetAncestor(list, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(SetParent(list, left), GetDesktopWindow());
    EXPECT_EQ(SetParent(left, list), HWND{}) << "no cycles";

    // Enumeration walks the tree parents first and may stop early.
    const HWND inner = Child(list, 0, 0, 5, 5);
    const HWND last = Child(left, 0, 0, 5, 5);
    std::vector<HWND> seen;
    auto collect = [](HWND hwnd, LPARAM out) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(out)->push_back(hwnd);
        return TRUE;
    };
    EXPECT_TRUE(EnumChildWindows(left, collect, reinterpret_cast<LPARAM>(&seen)));
    EXPECT_EQ(seen, (std::vector<HWND>{list, inner, last}));
    int calls = 0;
    EnumChildWindows(
        left, [](HWND, LPARAM out) -> BOOL { return ++*reinterpret_cast<int*>(out) < 2; },
        reinterpret_cast<LPARAM>(&calls));
    EXPECT_EQ(calls, 2) << "stopped when the callback said FALSE";
    seen.clear();
    EnumWindows(collect, reinterpret_cast<LPARAM>(&seen));
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(GeometryTest, CoordinatesMapBetweenWindowsAndTheScreen) {
    const HWND top = TopLevel(100, 50, 300, 300, WS_OVERLAPPED | WS_VISIBLE | WS_BORDER);
    const HWND child = Child(top, 10, 20, 100, 100, WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE);
    POINT p{1, 2};
    ClientToScreen(child, &p);
    EXPECT_EQ(p, (POINT{101 + 10 + 2 + 1, 51 + 20 + 2 + 2}));
    ScreenToClient(child, &p);
    EXPECT_EQ(p, (POINT{1, 2}));
    POINT pts[2] = {{0, 0}, {5, 5}};
    const int offset = MapWindowPoints(child, top, pts, 2);
    EXPECT_EQ(pts[1], (POINT{17, 27}));
    EXPECT_EQ(LOWORD(static_cast<uint32_t>(offset)), 12);
    EXPECT_EQ(HIWORD(static_cast<uint32_t>(offset)), 22);
    POINT s{0, 0};
    MapWindowPoints(child, HWND{}, &s, 1);
    EXPECT_EQ(s, (POINT{113, 73}));
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(desktop, (RECT{0, 0, 1024, 768}));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 18);
    EXPECT_EQ(GetSystemMetrics(12345), 0);
}

TEST_F(GeometryTest, ShowWindowReportsThePastAndSizesForMinimiseMaximiseRestore) {
    const HWND hwnd = TopLevel(10, 10, 100, 80, WS_OVERLAPPED);
    test::Spy spy(hwnd);
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOWNA));
    EXPECT_EQ(spy.Count(WM_SHOWWINDOW), 1u);
    EXPECT_TRUE(ShowWindow(hwnd, SW_SHOW));
    EXPECT_EQ(spy.Count(WM_SHOWWINDOW), 1u) << "already visible";

    spy.Clear();
    ShowWindow(hwnd, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(hwnd));
    ASSERT_TRUE(spy.First(WM_SIZE));
    EXPECT_EQ(spy.First(WM_SIZE)->wParam, SIZE_MAXIMIZED);
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{0, 0, 1024, 768}));
    spy.Clear();
    ShowWindow(hwnd, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(hwnd));
    EXPECT_FALSE(IsZoomed(hwnd));
    EXPECT_EQ(spy.First(WM_SIZE)->wParam, SIZE_MINIMIZED);
    spy.Clear();
    ShowWindow(hwnd, SW_RESTORE);
    EXPECT_FALSE(IsIconic(hwnd));
    EXPECT_TRUE(IsZoomed(hwnd)) << "back to the state before minimising";
    EXPECT_EQ(spy.First(WM_SIZE)->wParam, SIZE_MAXIMIZED);
    spy.Clear();
    ShowWindow(hwnd, SW_RESTORE);
    EXPECT_FALSE(IsZoomed(hwnd));
    EXPECT_EQ(spy.First(WM_SIZE)->wParam, SIZE_RESTORED);
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r, (RECT{10, 10, 110, 90}));
    EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(hwnd));
}

TEST_F(GeometryTest, VisibilityFollowsAncestorsAndTextTruncatesOnCharacterBoundaries) {
    const HWND top = TopLevel(0, 0, 100, 100);
    const HWND child = Child(top, 0, 0, 10, 10);
    ShowWindow(top, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_TRUE(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE);
    ShowWindow(top, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(child));

    SetWindowTextA(top, "na\xC3\xAFve"); // "naïve": the ï takes two bytes
    EXPECT_EQ(GetWindowTextLengthA(top), 6);
    char buffer[8];
    EXPECT_EQ(GetWindowTextA(top, buffer, 4), 2) << "never splits the two-byte character";
    EXPECT_STREQ(buffer, "na");
    EXPECT_EQ(GetWindowTextA(top, buffer, 5), 4);
    EXPECT_STREQ(buffer, "na\xC3\xAF");
    char name[16];
    EXPECT_EQ(GetClassNameA(child, name, 4), 3);
    EXPECT_STREQ(name, "WmT");
    EXPECT_EQ(GetClassNameA(HWND{}, name, 16), 0);
    const HWND button = CreateWindowExA(0, "button", "", WS_CHILD, 0, 0, 1, 1, top,
                                        HMENU::FromValue(42), {}, nullptr);
    ASSERT_TRUE(button) << "class names match without regard to case";
    EXPECT_EQ(GetDlgCtrlID(button), 42);
    EXPECT_EQ(GetDlgItem(top, 42), button);
    WNDCLASSEXA wc;
    EXPECT_TRUE(GetClassInfoExA({}, "BUTTON", &wc));
    EXPECT_TRUE(wc.style & CS_DBLCLKS);
    EXPECT_FALSE(UnregisterClassA("WmTest", {})) << "windows of the class exist";
    EXPECT_FALSE(UnregisterClassA("Button", {})) << "system class";
}

TEST_F(GeometryTest, HugeWindowsArePinnedAndDrawOnlyWhatTheirFramebufferHolds) {
    // INT_MIN itself asks for the default position.
    const HWND top = TopLevel(INT_MIN + 1, 0, INT_MAX, 20, WS_POPUP | WS_VISIBLE);
    ASSERT_TRUE(top);
    RECT r{};
    GetWindowRect(top, &r);
    EXPECT_EQ(r.left, -kCoordinateLimit);
    EXPECT_EQ(r.right, 0);
    const HWND child = Child(top, INT_MAX, 0, INT_MAX, 10);
    ASSERT_TRUE(child);

    const HDC dc = GetDC(top);
    const RECT all{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 9000, 10), CLR_INVALID);
    ReleaseDC(top, dc);

    EXPECT_NE(ScrollWindowEx(top, INT_MIN, INT_MAX, &all, &all, {}, nullptr,
                             SW_INVALIDATE | SW_SCROLLCHILDREN),
              ERROR);
    UpdateWindow(top);
    EXPECT_TRUE(SetWindowPos(top, {}, INT_MAX, INT_MAX, INT_MAX, 20, SWP_NOZORDER));
    DestroyWindow(top);
}

using RectHelpersTest = WindowTest;

TEST_F(RectHelpersTest, ResultsFollowThePlatformRules) {
    RECT r;
    const RECT a{0, 0, 10, 10};
    const RECT b{5, 5, 20, 20};
    const RECT line{5, 0, 5, 30}; // zero width: empty
    const RECT reversed{10, 10, 0, 0};
    EXPECT_TRUE(IntersectRect(&r, &a, &b));
    EXPECT_EQ(r, (RECT{5, 5, 10, 10}));
    EXPECT_FALSE(IntersectRect(&r, &a, &line));
    EXPECT_EQ(r, RECT{});
    EXPECT_FALSE(IntersectRect(&r, &a, &reversed)) << "an unordered rectangle counts as empty";
    EXPECT_TRUE(UnionRect(&r, &a, &line));
    EXPECT_EQ(r, a) << "an empty input yields the other";
    EXPECT_FALSE(UnionRect(&r, &line, &reversed));
    EXPECT_EQ(r, RECT{});
    EXPECT_TRUE(UnionRect(&r, &a, &b));
    EXPECT_EQ(r, (RECT{0, 0, 20, 20}));
    EXPECT_TRUE(PtInRect(&a, {0, 0}));
    EXPECT_FALSE(PtInRect(&a, {10, 5})) << "half-open";
    EXPECT_TRUE(IsRectEmpty(&line));
    RECT c = a;
    InflateRect(&c, 2, -1);
    EXPECT_EQ(c, (RECT{-2, 1, 12, 9}));
    OffsetRect(&c, 2, -1);
    EXPECT_EQ(c, (RECT{0, 0, 14, 8}));
    const RECT top{0, 0, 10, 4};
    EXPECT_TRUE(SubtractRect(&r, &a, &top));
    EXPECT_EQ(r, (RECT{0, 4, 10, 10}));
}

using RegionTest = WindowTest;

TEST_F(RegionTest, PiecesStayDisjointAndCoverExactlyTheSet) {
    gdi::Region region(RECT{0, 0, 10, 10});
    region.Union(RECT{5, 5, 15, 15});
    region.Union(RECT{2, 2, 4, 4}); // already inside
    region.Subtract(RECT{4, 4, 6, 6});
    int64_t area = 0;
    const auto rects = region.Rects();
    for (size_t i = 0; i < rects.size(); ++i) {
        area += int64_t{rects[i].right - rects[i].left} * (rects[i].bottom - rects[i].top);
        for (size_t j = i + 1; j < rects.size(); ++j) {
            RECT overlap;
            EXPECT_FALSE(IntersectRect(&overlap, &rects[i], &rects[j])) << i << " and " << j;
        }
    }
    EXPECT_EQ(area, 100 + 100 - 25 - 4);
    EXPECT_FALSE(region.Contains(5, 5));
    EXPECT_TRUE(region.Contains(14, 14));
    EXPECT_EQ(region.Bounds(), (RECT{0, 0, 15, 15}));
    EXPECT_EQ(region.Complexity(), COMPLEXREGION);

    gdi::Region other(RECT{0, 0, 15, 15});
    other.Subtract(RECT{10, 0, 15, 5});
    other.Subtract(RECT{0, 10, 5, 15});
    other.Subtract(RECT{4, 4, 6, 6});
    EXPECT_TRUE(region == other) << "equality compares pixels, not pieces";
    other.Intersect(RECT{0, 0, 4, 4});
    EXPECT_EQ(other.Complexity(), SIMPLEREGION);
    other.Offset(10, 10);
    EXPECT_EQ(other.Bounds(), (RECT{10, 10, 14, 14}));
}

// Subtracting a region, found by the cuts' tops, agrees pixel by pixel with a plain walk, for
// pieces of mixed heights.
TEST_F(RegionTest, SubtractingARegionMatchesAPixelWalk) {
    uint32_t seed = 7;
    const auto next = [&](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<LONG>((seed >> 16) % static_cast<uint32_t>(n));
    };
    const auto randomRegion = [&] {
        gdi::Region region;
        for (int i = 0; i < 12; ++i) {
            const LONG x = next(20);
            const LONG y = next(20);
            region.Union(RECT{x, y, x + 1 + next(8), y + 1 + (i % 3 == 0 ? next(12) : 0)});
        }
        return region;
    };
    for (int round = 0; round < 50; ++round) {
        const gdi::Region a = randomRegion();
        const gdi::Region b = randomRegion();
        gdi::Region difference = a;
        difference.Subtract(b);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 30; ++x) {
                ASSERT_EQ(difference.Contains(x, y), a.Contains(x, y) && !b.Contains(x, y))
                    << round << ": " << x << ", " << y;
            }
        }
    }
}

// Unions of scattered, touching and nested rectangles cover exactly the pixels of the
// rectangles, with pieces that never overlap (their areas add up to the pixels covered).
TEST_F(RegionTest, UnionsMatchAPixelWalk) {
    uint32_t seed = 11;
    const auto next = [&](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<LONG>((seed >> 16) % static_cast<uint32_t>(n));
    };
    for (int round = 0; round < 50; ++round) {
        gdi::Region region;
        std::vector<RECT> added;
        for (int i = 0; i < 16; ++i) {
            const LONG x = next(24);
            const LONG y = next(24);
            added.push_back(RECT{x, y, x + 1 + next(6), y + 1 + next(6)});
            region.Union(added.back());
        }
        int64_t covered = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const POINT pt{x, y};
                const bool inside = std::any_of(added.begin(), added.end(), [&](const RECT& r) {
                    return PtInRect(&r, pt) != FALSE;
                });
                covered += inside ? 1 : 0;
                ASSERT_EQ(region.Contains(x, y), inside) << round << ": " << x << ", " << y;
            }
        }
        int64_t area = 0;
        for (const RECT& r : region.Rects())
            area += int64_t{r.right - r.left} * (r.bottom - r.top);
        EXPECT_EQ(area, covered) << round;
    }
}

} // namespace
} // namespace wmtest
