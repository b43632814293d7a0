#include "ControlFixture.h"

namespace controltest {
namespace {

class ControlLifetimeTest : public ControlTest {};

// A parent that destroys the reporting control from inside the notification: the control must
// not touch itself afterwards (the sanitizer build proves it).
TEST_F(ControlLifetimeTest, ControlsDestroyedByTheirOwnNotificationsAreNotTouchedAgain) {
    const HWND parent = MakeParent();
    const HWND edit = MakeChild(parent, "Edit", 0, 10, 10, 100, 20);
    const HWND bar = MakeChild(parent, "ScrollBar", SBS_HORZ, 10, 50, 150, 17);
    const HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, 0, 0, 0, 0, parent,
                                     {}, {}, nullptr);
    Answer([&](HWND, UINT msg, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
        if (msg == WM_COMMAND && HIWORD(wParam) == EN_UPDATE) {
            DestroyWindow(HwndFromParam(lParam));
        }
        if (msg == WM_HSCROLL) {
            DestroyWindow(HwndFromParam(lParam));
        }
        if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == TTN_SHOW) {
            DestroyWindow(reinterpret_cast<const NMHDR*>(lParam)->hwndFrom);
            return 1;
        }
        return std::nullopt;
    });
    SetFocus(edit);
    Type("a");
    EXPECT_FALSE(IsWindow(edit));

    test::mouseDown(test::MouseButton::Left, bar, {5, 8});
    test::pump();
    EXPECT_FALSE(IsWindow(bar));
    test::advanceTime(1000);
    test::mouseUp(test::MouseButton::Left, bar, {5, 8});
    test::pump();

    TOOLINFOA ti;
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = parent;
    ti.uId = 1;
    ti.rect = {0, 0, 300, 200};
    ti.lpszText = const_cast<LPSTR>("gone");
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    test::mouseMove(parent, {100, 100});
    test::advanceTime(600);
    EXPECT_FALSE(IsWindow(tip));
    test::mouseMove(parent, {150, 150});
    test::pump();
    Answer({});
}

} // namespace
} // namespace controltest
