#include "platform/win/input/Input.h"

#include "platform/display/Backend.h"
#include "platform/win/input/HardwareQueue.h"
#include "platform/win/input/InputState.h"
#include "platform/win/input/PointerGrab.h"

#include <algorithm>

namespace win {

namespace {

RECT ScreenRect() {
    const display::Backend& backend = display::CurrentBackend();
    return RECT{0, 0, backend.ScreenWidth(), backend.ScreenHeight()};
}

} // namespace

short GetKeyState(int vk) {
    return detail::InputState::Instance().Keys().State(vk);
}

short GetAsyncKeyState(int vk) {
    return detail::InputState::Instance().Keys().State(vk);
}

BOOL GetCursorPos(POINT* pt) {
    if (pt == nullptr) {
        return FALSE;
    }
    *pt = detail::InputState::Instance().CursorPos();
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    detail::InputEvent event;
    event.kind = detail::InputEvent::Kind::MouseMove;
    event.pt = POINT{x, y};
    detail::HardwareQueue::Instance().Inject(event);
    return TRUE;
}

BOOL ClipCursor(const RECT* rect) {
    const RECT screen = ScreenRect();
    if (rect == nullptr || *rect == screen) {
        detail::InputState::Instance().SetClip(nullptr);
    } else {
        // Only the part on the screen can hold the cursor.
        RECT clip{std::max(rect->left, screen.left), std::max(rect->top, screen.top),
                  std::min(rect->right, screen.right), std::min(rect->bottom, screen.bottom)};
        if (clip.right <= clip.left || clip.bottom <= clip.top) {
            clip = *rect;
        }
        detail::InputState::Instance().SetClip(&clip);
    }
    detail::UpdatePointerGrab();
    return TRUE;
}

BOOL GetClipCursor(RECT* rect) {
    if (rect == nullptr) {
        return FALSE;
    }
    const RECT* clip = detail::InputState::Instance().Clip();
    *rect = clip != nullptr ? *clip : ScreenRect();
    return TRUE;
}

UINT GetDoubleClickTime() {
    return detail::InputState::Instance().DoubleClickTime();
}

BOOL SetDoubleClickTime(UINT ms) {
    detail::InputState::Instance().SetDoubleClickTime(ms == 0 ? 500 : ms);
    return TRUE;
}

} // namespace win
