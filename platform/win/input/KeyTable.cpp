#include "platform/win/input/KeyTable.h"

#include "platform/win/WinConstants.h"

namespace win::detail {

short KeyTable::State(int vk) const {
    const uint8_t bits = m_keys[Index(vk)];
    return static_cast<short>(((bits & 0x80) != 0 ? 0xFF80 : 0) | (bits & 0x01));
}

int GenericKey(int vk) {
    switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT:
        return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
        return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU:
        return VK_MENU;
    default:
        return vk;
    }
}

int ButtonKey(MouseButton button) {
    switch (button) {
    case MouseButton::Right:
        return VK_RBUTTON;
    case MouseButton::Middle:
        return VK_MBUTTON;
    case MouseButton::Left:
        break;
    }
    return VK_LBUTTON;
}

void KeyTable::Press(int vk, bool down) {
    uint8_t& bits = m_keys[Index(vk)];
    if (down) {
        if ((bits & 0x80) == 0) {
            bits ^= 0x01;
        }
        bits |= 0x80;
    } else {
        bits &= 0x7F;
    }
}

KeyTable KeyTable::After(const InputEvent& event) const {
    KeyTable next = *this;
    switch (event.kind) {
    case InputEvent::Kind::ButtonDown:
    case InputEvent::Kind::ButtonUp:
        next.Press(ButtonKey(event.button), event.kind == InputEvent::Kind::ButtonDown);
        break;
    case InputEvent::Kind::KeyDown:
    case InputEvent::Kind::KeyUp: {
        const bool down = event.kind == InputEvent::Kind::KeyDown;
        next.Press(event.vk, down);
        const int generic = GenericKey(event.vk);
        if (generic != event.vk) {
            next.Press(generic, down);
        }
        break;
    }
    case InputEvent::Kind::MouseMove:
    case InputEvent::Kind::Wheel:
        break;
    }
    return next;
}

WPARAM KeyTable::MouseKeyFlags() const {
    WPARAM flags = 0;
    if (IsDown(VK_LBUTTON)) {
        flags |= MK_LBUTTON;
    }
    if (IsDown(VK_RBUTTON)) {
        flags |= MK_RBUTTON;
    }
    if (IsDown(VK_MBUTTON)) {
        flags |= MK_MBUTTON;
    }
    if (IsDown(VK_SHIFT)) {
        flags |= MK_SHIFT;
    }
    if (IsDown(VK_CONTROL)) {
        flags |= MK_CONTROL;
    }
    return flags;
}

} // namespace win::detail
