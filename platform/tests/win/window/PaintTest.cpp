#include "WindowFixture.h"

#include "platform/win/paint/Invalidation.h"

namespace wmtest {
namespace {

using PaintTest = WindowTest;

constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST_F(PaintTest, InvalidateRectAccumulatesAndOrsTheEraseFlag) {
    const HWND hwnd = TopLevel(0, 0, 100, 100);
    ASSERT_TRUE(test::pump());
    RECT r;
    EXPECT_FALSE(GetUpdateRect(hwnd, &r, FALSE));
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));

    const RECT a{10, 10, 20, 20};
    const RECT b{50, 40, 60, 45};
    const RECT empty{30, 30, 30, 90};
    InvalidateRect(hwnd, &a, FALSE);
    InvalidateRect(hwnd, &empty, TRUE);
    EXPECT_TRUE(GetUpdateRect(hwnd, &r, FALSE));
    EXPECT_EQ(r, a) << "an empty rectangle adds nothing";
    InvalidateRect(hwnd, &b, TRUE);
    InvalidateRect(hwnd, &a, FALSE);
    EXPECT_TRUE(GetUpdateRect(hwnd, &r, FALSE));
    EXPECT_EQ(r, (RECT{10, 10, 60, 45}));

    // One WM_PAINT covers both, and the erase asked by the second call applies to it.
    test::Spy spy(hwnd);
    PAINTSTRUCT seen{};
    Answer([&](HWND h, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg != WM_PAINT) {
            return std::nullopt;
        }
        BeginPaint(h, &seen);
        EndPaint(h, &seen);
        return 0;
    });
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(spy.Count(WM_PAINT), 1u);
    EXPECT_EQ(spy.Count(WM_ERASEBKGND), 1u);
    EXPECT_EQ(seen.rcPaint, (RECT{10, 10, 60, 45}));
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE)) << "EndPaint left nothing to paint";

    // The area outside the client rectangle is dropped; null means all of it.
    const RECT outside{200, 200, 300, 300};
    InvalidateRect(hwnd, &outside, FALSE);
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
    InvalidateRect(hwnd, nullptr, FALSE);
    EXPECT_TRUE(GetUpdateRect(hwnd, &r, FALSE));
    EXPECT_EQ(r, (RECT{0, 0, 100, 100}));
    ValidateRect(hwnd, nullptr);
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
    EXPECT_FALSE(InvalidateRect(HWND::FromValue(0xFFFF0), nullptr, TRUE)) << "stale handle";

    // With redrawing switched off, invalidations are dropped until it is back on.
    SendMessageA(hwnd, WM_SETREDRAW, FALSE, 0);
    InvalidateRect(hwnd, nullptr, TRUE);
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
    SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd, nullptr, TRUE);
    EXPECT_TRUE(GetUpdateRect(hwnd, nullptr, FALSE));

    // Scrolling carries the pending region along, clipped to the client area.
    ValidateRect(hwnd, nullptr);
    InvalidateRect(hwnd, &a, FALSE);
    detail::OffsetUpdateRegion(hwnd, 85, -5);
    EXPECT_TRUE(GetUpdateRect(hwnd, &r, FALSE));
    EXPECT_EQ(r, (RECT{95, 5, 100, 15}));
}

TEST_F(PaintTest, BeginPaintErasesWhenAskedAndLeavesNothingForASecondCall) {
    const HWND hwnd = TopLevel(0, 0, 40, 30);
    ASSERT_TRUE(test::pump());
    LRESULT eraseAnswer = 0;
    Answer([&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        return msg == WM_ERASEBKGND ? std::optional<LRESULT>(eraseAnswer) : std::nullopt;
    });
    test::Spy spy(hwnd);

    InvalidateRect(hwnd, nullptr, TRUE);
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    ASSERT_TRUE(hdc);
    ASSERT_EQ(spy.Count(WM_ERASEBKGND), 1u);
    EXPECT_EQ(spy.First(WM_ERASEBKGND)->wParam, static_cast<WPARAM>(HandleToParam(hdc)));
    EXPECT_TRUE(ps.fErase) << "the erase handler answered 0";
    EXPECT_EQ(ps.rcPaint, (RECT{0, 0, 40, 30}));
    PAINTSTRUCT second;
    const HDC hdc2 = BeginPaint(hwnd, &second);
    EXPECT_EQ(second.rcPaint, RECT{});
    EXPECT_FALSE(second.fErase);
    const RECT all{0, 0, 40, 30};
    FillRect(hdc2, &all, HBRUSH::FromValue(COLOR_WINDOWTEXT + 1));
    EXPECT_EQ(test::WindowPixel(hwnd, 5, 5), kWhite) << "the second DC draws nothing";
    FillRect(hdc, &all, HBRUSH::FromValue(COLOR_HIGHLIGHT + 1));
    EXPECT_EQ(test::WindowPixel(hwnd, 5, 5), GetSysColor(COLOR_HIGHLIGHT));
    EndPaint(hwnd, &second);
    EndPaint(hwnd, &ps);
    EXPECT_EQ(test::LiveDcCount(), 0u);

    // Without erase asked: no WM_ERASEBKGND, fErase FALSE; when the handler erases, FALSE too.
    spy.Clear();
    InvalidateRect(hwnd, nullptr, FALSE);
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    EXPECT_EQ(spy.Count(WM_ERASEBKGND), 0u);
    EXPECT_FALSE(ps.fErase);
    eraseAnswer = 1;
    InvalidateRect(hwnd, nullptr, TRUE);
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    EXPECT_FALSE(ps.fErase);
}

TEST_F(PaintTest, DefaultEraseFillsTheClassBackgroundOnlyInsideTheUpdateRegion) {
    const HWND hwnd = TopLevel(0, 0, 40, 30);
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(test::WindowPixel(hwnd, 0, 0), kWhite);
    EXPECT_EQ(test::WindowPixel(hwnd, 39, 29), kWhite);

    // Paint a dark client, then invalidate one corner with erase: only that corner turns white.
    HDC hdc = GetDC(hwnd);
    const RECT all{0, 0, 40, 30};
    FillRect(hdc, &all, GetSysColorBrush(COLOR_3DDKSHADOW));
    ReleaseDC(hwnd, hdc);
    const RECT corner{0, 0, 10, 10};
    InvalidateRect(hwnd, &corner, TRUE);
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(test::WindowPixel(hwnd, 9, 9), kWhite);
    EXPECT_EQ(test::WindowPixel(hwnd, 10, 9), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(test::WindowPixel(hwnd, 9, 10), GetSysColor(COLOR_3DDKSHADOW));

    // A class without a background leaves the pixels, and the erase answers 0.
    const HWND bare =
        CreateWindowExA(0, "WmBare", "", WS_VISIBLE, 100, 0, 20, 20, {}, {}, {}, nullptr);
    test::Spy spy(bare);
    InvalidateRect(bare, nullptr, TRUE);
    ASSERT_TRUE(test::pump());
    ASSERT_TRUE(spy.First(WM_ERASEBKGND));
    EXPECT_EQ(spy.First(WM_ERASEBKGND)->result, 0);
}

TEST_F(PaintTest, ChildrenAreInvalidatedWithTheParentUnlessItClipsThem) {
    const HWND parent = TopLevel(0, 0, 200, 200);
    const HWND child = Child(parent, 50, 50, 40, 40);
    const HWND hidden = Child(parent, 50, 50, 40, 40, WS_CHILD);
    ASSERT_TRUE(test::pump());

    const RECT over{60, 60, 70, 70};
    InvalidateRect(parent, &over, TRUE);
    RECT r;
    ASSERT_TRUE(GetUpdateRect(child, &r, FALSE));
    EXPECT_EQ(r, (RECT{10, 10, 20, 20})) << "in the child's client coordinates";
    EXPECT_FALSE(GetUpdateRect(hidden, nullptr, FALSE)) << "only visible children";
    ASSERT_TRUE(test::pump());

    const RECT beside{0, 0, 10, 10};
    InvalidateRect(parent, &beside, TRUE);
    EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE)) << "not under the rectangle";
    ASSERT_TRUE(test::pump());

    SetWindowLongA(parent, GWL_STYLE, GetWindowLongA(parent, GWL_STYLE) | WS_CLIPCHILDREN);
    InvalidateRect(parent, nullptr, TRUE);
    EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE));
    // RDW_ALLCHILDREN reaches them regardless.
    RedrawWindow(parent, nullptr, {}, RDW_INVALIDATE | RDW_ALLCHILDREN);
    EXPECT_TRUE(GetUpdateRect(child, nullptr, FALSE));
}

TEST_F(PaintTest, UpdateWindowAndRedrawWindowPaintBeforeReturningParentsFirst) {
    const HWND parent = TopLevel(0, 0, 200, 200);
    const HWND child = Child(parent, 10, 10, 50, 50);
    const HWND grandchild = Child(child, 5, 5, 10, 10);
    ASSERT_TRUE(test::pump());
    test::Spy spy;
    spy.WatchAll();
    InvalidateRect(parent, nullptr, TRUE);
    EXPECT_TRUE(UpdateWindow(parent));
    std::vector<HWND> painted;
    for (const auto& m : spy.Messages()) {
        if (m.msg == WM_PAINT) {
            painted.push_back(m.hwnd);
        }
    }
    EXPECT_EQ(painted, (std::vector<HWND>{parent, child, grandchild}));
    EXPECT_FALSE(GetUpdateRect(grandchild, nullptr, FALSE));

    // Nested: a parent updating its child from inside its own WM_PAINT.
    spy.Clear();
    Answer([&](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_PAINT && hwnd == parent) {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            InvalidateRect(child, nullptr, FALSE);
            UpdateWindow(child);
            EndPaint(hwnd, &ps);
            return 0;
        }
        return std::nullopt;
    });
    RedrawWindow(parent, nullptr, {}, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
    const auto childPaint = spy.First(WM_PAINT, child);
    ASSERT_TRUE(childPaint);
    EXPECT_EQ(childPaint->depth, 2);
    EXPECT_EQ(spy.Count(WM_PAINT, child), 1u);

    // Nothing is sent to a hidden window; its region waits for the show.
    ShowWindow(child, SW_HIDE);
    spy.Clear();
    InvalidateRect(child, nullptr, TRUE);
    UpdateWindow(child);
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(spy.Count(WM_PAINT, child), 0u);
    EXPECT_TRUE(GetUpdateRect(child, nullptr, FALSE));
    ShowWindow(child, SW_SHOW);
    UpdateWindow(child);
    EXPECT_EQ(spy.Count(WM_PAINT, child), 1u);
}

TEST_F(PaintTest, MovingAndHidingExposeTheParentAreaLeftBehind) {
    const HWND parent = TopLevel(0, 0, 200, 200);
    const HWND child = Child(parent, 10, 10, 30, 30);
    const HWND sibling = Child(parent, 100, 100, 30, 30);
    ASSERT_TRUE(test::pump());

    MoveWindow(child, 20, 10, 30, 30, TRUE);
    RECT r;
    ASSERT_TRUE(GetUpdateRect(parent, &r, FALSE));
    EXPECT_EQ(r, (RECT{10, 10, 20, 40})) << "the strip the child uncovered";
    ASSERT_TRUE(GetUpdateRect(child, &r, FALSE));
    EXPECT_EQ(r, (RECT{0, 0, 30, 30})) << "the moved window repaints whole";
    ASSERT_TRUE(test::pump());

    ShowWindow(sibling, SW_HIDE);
    ASSERT_TRUE(GetUpdateRect(parent, &r, FALSE));
    EXPECT_EQ(r, (RECT{100, 100, 130, 130}));
    ASSERT_TRUE(test::pump());

    DestroyWindow(child);
    ASSERT_TRUE(GetUpdateRect(parent, &r, FALSE));
    EXPECT_EQ(r, (RECT{20, 10, 50, 40}));
}

TEST_F(PaintTest, NonClientEdgesUseTheClassicColoursAndSymmetricInsets) {
    const HWND parent = TopLevel(0, 0, 300, 300);
    const HWND bordered = Child(parent, 10, 10, 50, 40, WS_CHILD | WS_VISIBLE | WS_BORDER);
    const HWND sunken = Child(parent, 100, 10, 50, 40, WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE);
    const HWND statik = Child(parent, 200, 10, 50, 40, WS_CHILD | WS_VISIBLE, WS_EX_STATICEDGE);
    ASSERT_TRUE(test::pump());

    auto inset = [](HWND hwnd) {
        RECT w, c;
        GetWindowRect(hwnd, &w);
        GetClientRect(hwnd, &c);
        EXPECT_EQ((w.bottom - w.top) - c.bottom, (w.right - w.left) - c.right) << "symmetric";
        return ((w.right - w.left) - c.right) / 2;
    };
    EXPECT_EQ(inset(bordered), 1);
    EXPECT_EQ(inset(sunken), 2);
    EXPECT_EQ(inset(statik), 1);

    EXPECT_EQ(test::WindowPixel(bordered, 0, 0), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(test::WindowPixel(bordered, 49, 39), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(test::WindowPixel(bordered, 1, 1), kWhite);
    // Sunken client edge: outer ring shadow / highlight, inner ring dark shadow / 3D light.
    EXPECT_EQ(test::WindowPixel(sunken, 0, 5), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(test::WindowPixel(sunken, 5, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(test::WindowPixel(sunken, 49, 5), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(test::WindowPixel(sunken, 5, 39), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(test::WindowPixel(sunken, 1, 5), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(test::WindowPixel(sunken, 48, 5), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(test::WindowPixel(sunken, 2, 2), kWhite);
    EXPECT_EQ(test::WindowPixel(statik, 0, 5), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(test::WindowPixel(statik, 49, 5), GetSysColor(COLOR_BTNHIGHLIGHT));

    // Captioned frames: thick frame 4, dialog frame 3, caption 18 on top.
    const HWND sizable = TopLevel(400, 0, 200, 150, WS_OVERLAPPEDWINDOW);
    const HWND dialog = TopLevel(400, 200, 200, 150, WS_POPUP | WS_CAPTION);
    RECT w, c;
    GetWindowRect(sizable, &w);
    GetClientRect(sizable, &c);
    EXPECT_EQ(c, (RECT{0, 0, 200 - 8, 150 - 8 - 18}));
    GetClientRect(dialog, &c);
    EXPECT_EQ(c, (RECT{0, 0, 200 - 6, 150 - 6 - 18}));
    POINT origin{0, 0};
    ClientToScreen(sizable, &origin);
    EXPECT_EQ(origin, (POINT{404, 22}));
}

TEST_F(PaintTest, StyleChangesRecomputeTheFrameInPlace) {
    const HWND parent = TopLevel(0, 0, 300, 300);
    const HWND hwnd = Child(parent, 10, 10, 60, 40);
    ASSERT_TRUE(test::pump());
    test::Spy spy(hwnd);
    RECT c;

    const LONG_PTR before = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_EQ(SetWindowLongA(hwnd, GWL_STYLE, before | WS_BORDER), before);
    EXPECT_EQ(spy.MessageIds(), (std::vector<UINT>{WM_STYLECHANGING, WM_STYLECHANGED}));
    EXPECT_EQ(spy.First(WM_STYLECHANGING)->wParam, static_cast<WPARAM>(GWL_STYLE));
    GetClientRect(hwnd, &c);
    EXPECT_EQ(c.right, 60) << "the layout waits for SWP_FRAMECHANGED";
    SetWindowPos(hwnd, {}, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    GetClientRect(hwnd, &c);
    EXPECT_EQ(c, (RECT{0, 0, 58, 38}));
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(test::WindowPixel(hwnd, 0, 0), GetSysColor(COLOR_WINDOWFRAME)) << "repainted";

    SetWindowLongA(hwnd, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    SetWindowPos(hwnd, {}, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    GetClientRect(hwnd, &c);
    EXPECT_EQ(c, (RECT{0, 0, 54, 34}));
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_EXSTYLE), LONG_PTR{WS_EX_CLIENTEDGE});

    // Removed without SWP_FRAMECHANGED: the next move applies it.
    SetWindowLongA(hwnd, GWL_EXSTYLE, 0);
    MoveWindow(hwnd, 12, 10, 60, 40, TRUE);
    GetClientRect(hwnd, &c);
    EXPECT_EQ(c, (RECT{0, 0, 58, 38}));
}

} // namespace
} // namespace wmtest

namespace wmtest {
namespace {

TEST_F(PaintTest, CaptionsFollowActivation) {
    const HWND first = TopLevel(0, 0, 100, 60, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND second = TopLevel(200, 0, 100, 60, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(test::pump());
    const COLORREF active = GetSysColor(COLOR_ACTIVECAPTION);
    const COLORREF inactive = GetSysColor(COLOR_INACTIVECAPTION);
    EXPECT_EQ(test::WindowPixel(second, 50, 10), active);
    EXPECT_EQ(test::WindowPixel(first, 50, 10), inactive);
    SetActiveWindow(first);
    EXPECT_EQ(test::WindowPixel(first, 50, 10), active);
    EXPECT_EQ(test::WindowPixel(second, 50, 10), inactive);
    // Frame: raised edge outside, face inside it.
    EXPECT_EQ(test::WindowPixel(first, 0, 30), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(test::WindowPixel(first, 1, 30), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(test::WindowPixel(first, 3, 30), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(test::WindowPixel(first, 99, 30), GetSysColor(COLOR_3DDKSHADOW));
}

} // namespace
} // namespace wmtest
