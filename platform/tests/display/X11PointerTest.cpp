#include "X11Fixture.h"

#include "platform/win/WinConstants.h"

namespace displaytest {
namespace {

using namespace win;

using X11PointerTest = X11Test;

TEST_F(X11PointerTest, CaptureKeepsTheDragAndClipCursorConfinesThePointerUntilReleased) {
    const HWND top = TopLevel(100, 100, 200, 150);
    ASSERT_TRUE(WaitUntil([&] { return Viewable(top); }));
    test::Spy spy(top);
    MoveTo(150, 150);
    Button(1, true);
    ASSERT_TRUE(WaitUntil([&] { return spy.Count(WM_LBUTTONDOWN) == 1; }));
    SetCapture(top);
    const RECT clip{50, 50, 400, 400};
    ClipCursor(&clip);

    // Outside the window but inside the clip: still ours, in client coordinates.
    MoveTo(350, 320);
    ASSERT_TRUE(WaitUntil([&] {
        const auto m = spy.Messages().back();
        return m.msg == WM_MOUSEMOVE && m.lParam == MAKELPARAM(250, 220);
    }));
    // Past the clip: the server holds the pointer at its edge.
    MoveTo(700, 600);
    ASSERT_TRUE(WaitUntil([&] { return PointerPosition() == POINT{399, 399}; }));
    EXPECT_FALSE(PointerFree());

    Button(1, false);
    ASSERT_TRUE(WaitUntil([&] { return spy.Count(WM_LBUTTONUP) == 1; }));
    ReleaseCapture();
    ClipCursor(nullptr);
    MoveTo(700, 600);
    EXPECT_TRUE(WaitUntil([&] { return PointerPosition() == POINT{700, 600} && PointerFree(); }));
}

TEST_F(X11PointerTest, CaptureWithoutAButtonStillReportsMovesOutsideEveryWindow) {
    const HWND top = TopLevel(100, 100, 200, 150);
    ASSERT_TRUE(WaitUntil([&] { return Viewable(top); }));
    SetCapture(top);
    test::Spy spy(top);
    MoveTo(800, 700);
    EXPECT_TRUE(WaitUntil([&] {
        const auto m = spy.First(WM_MOUSEMOVE);
        return m && m->lParam == MAKELPARAM(700, 600);
    }));
    ReleaseCapture();
    EXPECT_TRUE(WaitUntil([&] { return PointerFree(); }));
}

TEST_F(X11PointerTest, LeavingForTheDesktopMovesThePlatformsPointerToo) {
    const HWND top = TopLevel(100, 100, 200, 150);
    ASSERT_TRUE(WaitUntil([&] { return Viewable(top); }));
    MoveTo(150, 150);
    POINT pt;
    ASSERT_TRUE(WaitUntil([&] { return GetCursorPos(&pt) && pt == POINT{150, 150}; }));
    MoveTo(600, 500);
    EXPECT_TRUE(WaitUntil([&] { return GetCursorPos(&pt) && pt == POINT{600, 500}; }));
}

TEST_F(X11PointerTest, EachWindowShowsItsClassCursorUnderThePointer) {
    WNDCLASSEXA wc;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
    wc.lpszClassName = "X11Text";
    RegisterClassExA(&wc);
    wc.hCursor = LoadCursorA(nullptr, IDC_SIZEWE);
    wc.lpszClassName = "X11Splitter";
    RegisterClassExA(&wc);
    auto make = [](const char* cls, int x) {
        return CreateWindowExA(0, cls, "", WS_POPUP | WS_VISIBLE, x, 100, 100, 100, nullptr,
                               nullptr, nullptr, nullptr);
    };
    const HWND text = make("X11Text", 100);
    const HWND splitter = make("X11Splitter", 300);
    ASSERT_TRUE(WaitUntil([&] { return Viewable(text) && Viewable(splitter); }));

    MoveTo(150, 150);
    EXPECT_TRUE(WaitUntil([&] { return ShowsCursor(text, IDC_IBEAM); }));
    MoveTo(350, 150);
    EXPECT_TRUE(WaitUntil([&] { return ShowsCursor(splitter, IDC_SIZEWE); }));
    SetCursor(nullptr);
    EXPECT_TRUE(WaitUntil([&] { return ShowsCursor(splitter, 0); })) << "hidden pointer";
}

} // namespace
} // namespace displaytest
