#include "platform/win/input/PointerGrab.h"

#include "platform/display/Backend.h"
#include "platform/win/input/Capture.h"
#include "platform/win/input/InputState.h"

namespace win::detail {

void UpdatePointerGrab() {
    const RECT* clip = InputState::Instance().Clip();
    const bool grab = clip != nullptr || GetCapture();
    if (clip == nullptr) {
        display::CurrentBackend().GrabPointer(grab, nullptr);
        return;
    }
    const display::Rect confine{clip->left, clip->top, clip->right, clip->bottom};
    display::CurrentBackend().GrabPointer(grab, &confine);
}

} // namespace win::detail
