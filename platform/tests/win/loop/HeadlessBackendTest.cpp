#include "LoopFixture.h"

#include "platform/display/HeadlessBackend.h"

namespace looptest {
namespace {

class HeadlessBackendTest : public LoopTest {
protected:
    static display::HeadlessBackend& Headless() { return *display::CurrentHeadless(); }
};

TEST_F(HeadlessBackendTest, MirrorsTopLevelWindowsCursorAndPointerGrab) {
    ASSERT_NE(display::CurrentHeadless(), nullptr) << "tests run headless by default";
    const HWND top = CreateWindowExA(0, "LoopPlain", "Title", WS_POPUP, 10, 20, 100, 50, nullptr,
                                     nullptr, nullptr, nullptr);
    const HWND child = Child(top, 0, 0, 10, 10);
    const auto* surface = Headless().FindSurface(top.Value());
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(Headless().FindSurface(child.Value()), nullptr) << "children have no surface";
    EXPECT_EQ(surface->title, "Title");
    EXPECT_FALSE(surface->visible);
    ShowWindow(top, SW_SHOW);
    EXPECT_TRUE(surface->visible);
    EXPECT_EQ(surface->rect.left, 10);
    EXPECT_EQ(surface->rect.bottom, 70);
    DestroyWindow(top);
    EXPECT_EQ(Headless().SurfaceCount(), 0u);

    SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
    EXPECT_EQ(Headless().CursorShape(), IDC_SIZEWE);

    const RECT clip{5, 5, 50, 50};
    ClipCursor(&clip);
    ASSERT_NE(Headless().PointerConfinement(), nullptr);
    EXPECT_EQ(Headless().PointerConfinement()->right, 50);
    ClipCursor(nullptr);
    EXPECT_FALSE(Headless().PointerGrabbed());
}

TEST_F(HeadlessBackendTest, ScreenSizeIsASettingThatResetRestores) {
    test::setScreenSize(640, 480);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
    RECT clip;
    GetClipCursor(&clip);
    EXPECT_EQ(clip, (RECT{0, 0, 640, 480}));
    test::resetPlatform();
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
}

TEST_F(HeadlessBackendTest, BackendInputTakesTheSamePathAsInjection) {
    const HWND top = TopLevel(0, 0, 100, 100);
    SetFocus(top);
    Watch({WM_LBUTTONDOWN, WM_KEYDOWN, WM_CHAR});
    display::EventSink* sink = display::CurrentEventSink();
    ASSERT_NE(sink, nullptr);
    sink->ButtonChanged(display::EventSink::Button::Left, true, 30, 40);
    sink->KeyChanged('Q', true);
    sink->TextTyped(U'\u00FC');
    EXPECT_TRUE(Rec().Log().empty());
    ASSERT_TRUE(test::pump());
    EXPECT_EQ(Rec().Messages(top),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_KEYDOWN, WM_CHAR, WM_KEYDOWN, WM_CHAR}));
    EXPECT_EQ(Rec().Of(WM_CHAR).back().wParam, WPARAM{0xFC});
    EXPECT_LT(GetKeyState(VK_LBUTTON), 0);
}

} // namespace
} // namespace looptest
