#include "platform/win/input/Capture.h"

#include "platform/win/WinConstants.h"
#include "platform/win/input/CaptureRelease.h"
#include "platform/win/input/PointerGrab.h"
#include "platform/win/window/Window.h"

namespace win {

namespace {

HWND& CaptureSlot() {
    thread_local HWND capture;
    return capture;
}

// Changes the capture window first, then tells the loser, so that a handler asking GetCapture
// already sees the new state.
void ChangeCapture(HWND next) {
    const HWND previous = CaptureSlot();
    if (previous == next) {
        return;
    }
    CaptureSlot() = next;
    detail::UpdatePointerGrab();
    if (previous && IsWindow(previous)) {
        SendMessageA(previous, WM_CAPTURECHANGED, 0, HandleToParam(next));
    }
}

} // namespace

HWND SetCapture(HWND hwnd) {
    const HWND previous = CaptureSlot();
    if (!hwnd) {
        ChangeCapture(nullptr);
        return previous;
    }
    if (!IsWindow(hwnd)) {
        return nullptr;
    }
    ChangeCapture(hwnd);
    return previous;
}

BOOL ReleaseCapture() {
    ChangeCapture(nullptr);
    return TRUE;
}

HWND GetCapture() {
    const HWND capture = CaptureSlot();
    return capture && IsWindow(capture) ? capture : HWND{};
}

namespace detail {

void ReleaseCaptureHeldBy(HWND hwnd, bool includeDescendants) {
    const HWND capture = CaptureSlot();
    if (capture && (capture == hwnd || (includeDescendants && IsChild(hwnd, capture)))) {
        ChangeCapture(nullptr);
    }
}

void ClearCaptureSilently() {
    CaptureSlot() = nullptr;
    UpdatePointerGrab();
}

} // namespace detail

} // namespace win
