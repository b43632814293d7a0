#include "platform/win/input/BackendInput.h"

#include "platform/win/input/HardwareQueue.h"
#include "platform/win/input/KeyTranslation.h"
#include "platform/win/window/SurfaceEvents.h"

namespace win::detail {

namespace {

MouseButton ToMouseButton(display::EventSink::Button button) {
    switch (button) {
    case display::EventSink::Button::Right:
        return MouseButton::Right;
    case display::EventSink::Button::Middle:
        return MouseButton::Middle;
    case display::EventSink::Button::Left:
        break;
    }
    return MouseButton::Left;
}

RECT ToRect(display::Rect r) {
    return {r.left, r.top, r.right, r.bottom};
}

void Inject(InputEvent event) {
    HardwareQueue::Instance().Inject(event);
}

} // namespace

BackendInput& BackendInput::Instance() {
    thread_local BackendInput sink;
    if (display::CurrentEventSink() == nullptr) {
        display::InstallEventSink(&sink);
    }
    return sink;
}

void BackendInput::PointerMoved(int x, int y) {
    InputEvent event;
    event.kind = InputEvent::Kind::MouseMove;
    event.pt = POINT{x, y};
    Inject(event);
}

void BackendInput::ButtonChanged(Button button, bool down, int x, int y) {
    InputEvent event;
    event.kind = down ? InputEvent::Kind::ButtonDown : InputEvent::Kind::ButtonUp;
    event.button = ToMouseButton(button);
    event.pt = POINT{x, y};
    Inject(event);
}

void BackendInput::WheelTurned(int delta, int x, int y) {
    InputEvent event;
    event.kind = InputEvent::Kind::Wheel;
    event.wheelDelta = delta;
    event.pt = POINT{x, y};
    Inject(event);
}

void BackendInput::KeyChanged(int vk, bool down) {
    InputEvent event;
    event.kind = down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
    event.vk = vk;
    Inject(event);
}

void BackendInput::TextTyped(char32_t codePoint) {
    InputEvent event;
    event.kind = InputEvent::Kind::KeyDown;
    event.vk = VK_PACKET;
    event.codePoint = codePoint;
    Inject(event);
    event.kind = InputEvent::Kind::KeyUp;
    Inject(event);
}

void BackendInput::SurfaceFocusChanged(uint32_t id, bool focused) {
    OnSurfaceFocus(id, focused);
}

void BackendInput::CloseRequested(uint32_t id) {
    OnSurfaceCloseRequest(id);
}

void BackendInput::Exposed(uint32_t id, display::Rect damage) {
    OnSurfaceExposed(id, ToRect(damage));
}

void BackendInput::MovedOrResized(uint32_t id, display::Rect screenRect) {
    OnSurfaceMoved(id, ToRect(screenRect));
}

void BackendInput::Minimized(uint32_t id, bool minimized) {
    OnSurfaceMinimized(id, minimized);
}

void BackendInput::TopmostChanged(uint32_t id, bool topmost) {
    OnSurfaceTopmost(id, topmost);
}

void BackendInput::FrameExtentsChanged(uint32_t id, std::optional<display::Insets> extents) {
    std::optional<NonClientInsets> frame;
    if (extents) {
        frame = NonClientInsets{extents->left, extents->top, extents->right, extents->bottom};
    }
    OnSurfaceFramed(id, frame);
}

} // namespace win::detail
