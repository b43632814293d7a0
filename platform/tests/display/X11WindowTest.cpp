#include "X11Fixture.h"

#include "platform/forms/form/Form.h"
#include "platform/win/WinConstants.h"
#include "platform/win/detail/WindowTable.h"

#include <algorithm>

namespace displaytest {
namespace {

using namespace win;

using X11WindowTest = X11Test;

TEST_F(X11WindowTest, ActivationFollowsTheInputFocusBothWays) {
    const HWND a = TopLevel(10, 10, 100, 80);
    const HWND b = TopLevel(200, 10, 100, 80);
    SetActiveWindow(a);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow() == a; }));

    test::Spy spy;
    spy.Watch(a);
    spy.Watch(b);
    FocusExternally(b);
    ASSERT_TRUE(WaitUntil([&] { return GetActiveWindow() == b; }));
    const auto lost = spy.First(WM_ACTIVATE, a);
    ASSERT_TRUE(lost);
    EXPECT_EQ(LOWORD(lost->wParam), WA_INACTIVE);
    EXPECT_EQ(lost->lParam, HandleToParam(b)) << "straight from one window to the other";

    FocusExternally({});
    ASSERT_TRUE(WaitUntil([&] { return !GetActiveWindow(); }));
    SetActiveWindow(a);
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindow() == a; }));
}

TEST_F(X11WindowTest, StackingKeepsOwnedWindowsAboveOwnersAndTheTopmostBandOnTop) {
    const HWND owner = TopLevel(10, 10, 200, 150);
    const HWND topmost = TopLevel(50, 50, 100, 80, WS_EX_TOPMOST);
    const HWND owned = TopLevel(30, 30, 100, 80, 0, owner);
    const HWND popup = TopLevel(60, 60, 50, 20, WS_EX_NOACTIVATE);
    SetActiveWindow(owner);
    ASSERT_TRUE(WaitUntil([&] { return Stacking() == detail::TopLevelWindowsInZOrder(); }));
    EXPECT_EQ(Stacking().front(), topmost);
    EXPECT_EQ(TransientFor(owned), owner);
    EXPECT_TRUE(StateAbove(topmost));
    EXPECT_FALSE(StateAbove(owner));
    EXPECT_TRUE(OverrideRedirect(popup)) << "a window that never activates";
    EXPECT_FALSE(OverrideRedirect(owned));

    SetWindowPos(topmost, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(WaitUntil([&] { return Stacking() == detail::TopLevelWindowsInZOrder(); }));
    EXPECT_FALSE(StateAbove(topmost));
    const auto order = Stacking();
    EXPECT_LT(std::find(order.begin(), order.end(), owned) - order.begin(),
              std::find(order.begin(), order.end(), owner) - order.begin());

    // A window manager's "always on top" reaches the window's style and the stacking.
    SetStateAbove(owner, true);
    ASSERT_TRUE(
        WaitUntil([&] { return (GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }));
    EXPECT_TRUE(WaitUntil([&] { return Stacking() == detail::TopLevelWindowsInZOrder(); }));
    SetStateAbove(owner, false);
    EXPECT_TRUE(
        WaitUntil([&] { return (GetWindowLongA(owner, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0; }));
}

TEST_F(X11WindowTest, BorderlessWindowsAskToGoUnframedAndCaptionedOnesDoNot) {
    const HWND dropDown = TopLevel(10, 10, 100, 80);
    const HWND captioned =
        CreateWindowExA(0, kWindowClass, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 10, 200,
                        150, nullptr, nullptr, nullptr, nullptr);
    m_backend->Sync();
    EXPECT_EQ(WindowType(dropDown), "_NET_WM_WINDOW_TYPE_UTILITY");
    EXPECT_EQ(WindowType(captioned), "");
}

TEST_F(X11WindowTest, TitlesFollowTheWindowText) {
    const HWND top = TopLevel(10, 10, 100, 80);
    SetWindowTextA(top, "Größe \u2192 Maß");
    m_backend->Sync();
    EXPECT_EQ(Titles(top), std::make_pair(std::string("Gr\xF6\xDF"
                                                      "e ? Ma\xDF"),
                                          std::string("Größe \u2192 Maß")));
}

TEST_F(X11WindowTest, MinimiseAndRestoreFromEitherSide) {
    const HWND top = TopLevel(10, 10, 100, 80);
    ASSERT_TRUE(WaitUntil([&] { return Viewable(top); }));
    ShowWindow(top, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return !Viewable(top); }));
    ShowWindow(top, SW_RESTORE);
    ASSERT_TRUE(WaitUntil([&] { return Viewable(top); }));

    test::Spy spy(top);
    SetWmState(top, true);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(top) != FALSE; }));
    const auto minimized = spy.First(WM_SIZE);
    ASSERT_TRUE(minimized);
    EXPECT_EQ(minimized->wParam, SIZE_MINIMIZED);
    SetWmState(top, false);
    ASSERT_TRUE(WaitUntil([&] { return !IsIconic(top) && Viewable(top); }));
}

TEST_F(X11WindowTest, AFormFollowsTheWindowManagersMinimiseAndClose) {
    auto form = forms::Form::Create("frmManaged");
    form->LoadForm();
    form->Show(ole::Variant::Missing(), ole::Variant::Missing());
    const HWND top = HWND::FromValue(static_cast<uint32_t>(form->hWnd()));
    ASSERT_TRUE(WaitUntil([&] { return Viewable(top); }));
    SetWmState(top, true);
    EXPECT_TRUE(WaitUntil([&] { return form->WindowState() == 1; }));
    SetWmState(top, false);
    EXPECT_TRUE(WaitUntil([&] { return form->WindowState() == 0; }));
    RequestClose(top);
    EXPECT_TRUE(WaitUntil([&] { return !form->IsLoaded(); }));
}

TEST_F(X11WindowTest, CloseRequestsCloseEnabledWindowsOnly) {
    const HWND closable = TopLevel(10, 10, 100, 80);
    const HWND disabled = TopLevel(200, 10, 100, 80, 0, closable);
    EnableWindow(disabled, FALSE);
    test::Spy spy(disabled);
    RequestClose(disabled);
    RequestClose(closable);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(closable); }));
    EXPECT_EQ(spy.Count(WM_CLOSE), 0u);
}

TEST_F(X11WindowTest, ExternalMovesAndResizesReachThePlatformAndItsOwnMovesReachTheServer) {
    const HWND top = TopLevel(10, 10, 100, 80);
    ASSERT_TRUE(WaitUntil([&] { return Viewable(top); }));
    test::Spy spy(top);
    const RECT moved{300, 200, 550, 380};
    MoveResizeExternally(top, moved);
    ASSERT_TRUE(WaitUntil([&] {
        RECT r;
        return GetWindowRect(top, &r) && r == moved;
    }));
    EXPECT_EQ(spy.Count(WM_WINDOWPOSCHANGED), 1u);
    EXPECT_EQ(spy.Count(WM_SIZE), 1u);
    EXPECT_EQ(spy.Count(WM_MOVE), 1u);
    EXPECT_TRUE(WaitUntil([&] { return DifferingPixels(top) == 0; })) << "repainted at its size";

    // The server reports the platform's own moves late, after later ones; an external move
    // made behind them shows when they have all been handled.
    spy.Clear();
    MoveWindow(top, 40, 40, 120, 90, TRUE);
    MoveWindow(top, 70, 60, 150, 100, TRUE);
    EXPECT_TRUE(WaitUntil([&] { return Geometry(top) == RECT{70, 60, 220, 160}; }));
    const RECT last{80, 70, 240, 180};
    MoveResizeExternally(top, last);
    ASSERT_TRUE(WaitUntil([&] {
        RECT r;
        return GetWindowRect(top, &r) && r == last;
    }));
    EXPECT_EQ(spy.Count(WM_WINDOWPOSCHANGED), 3u) << "no echo moved it back";
}

TEST_F(X11WindowTest, AWindowManagersFrameTakesThePlaceOfThePlatformsOwn) {
    const HWND top = CreateWindowExA(0, kWindowClass, "Framed", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     100, 100, 300, 200, {}, nullptr, nullptr, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Viewable(top); }));
    test::Spy spy(top);
    SetFrameExtents(top, std::array<long, 4>{4, 6, 24, 5});
    ASSERT_TRUE(WaitUntil([&] {
        return Geometry(top) == RECT{104, 124, 394, 295};
    })) << "the X window is the inside of the frame, which keeps the window's outer edge";
    RECT r;
    GetWindowRect(top, &r);
    EXPECT_EQ(r, (RECT{100, 100, 400, 300}));
    GetClientRect(top, &r);
    EXPECT_EQ(r, (RECT{0, 0, 290, 171}));
    POINT origin{0, 0};
    ClientToScreen(top, &origin);
    EXPECT_EQ(origin.x, 104);
    EXPECT_EQ(origin.y, 124);
    const auto sized = spy.First(WM_SIZE);
    ASSERT_TRUE(sized);
    EXPECT_EQ(sized->lParam, MAKELPARAM(290, 171));
    EXPECT_TRUE(WaitUntil([&] { return DifferingPixels(top) == 0; }));

    // Moves from either side keep the frame between the outer edge and the X window.
    MoveResizeExternally(top, {200, 150, 500, 350});
    EXPECT_TRUE(WaitUntil([&] { return GetWindowRect(top, &r) && r == RECT{196, 126, 506, 355}; }));
    MoveWindow(top, 10, 10, 300, 200, TRUE);
    EXPECT_TRUE(WaitUntil([&] { return Geometry(top) == RECT{14, 34, 304, 205}; }));

    SetFrameExtents(top, std::nullopt);
    EXPECT_TRUE(WaitUntil([&] { return Geometry(top) == RECT{10, 10, 310, 210}; }));
    GetClientRect(top, &r);
    EXPECT_EQ(r.right, 300 - 2 * GetSystemMetrics(SM_CXFRAME)) << "the platform's frame is back";
    EXPECT_TRUE(WaitUntil([&] { return DifferingPixels(top) == 0; }));
}

} // namespace
} // namespace displaytest
