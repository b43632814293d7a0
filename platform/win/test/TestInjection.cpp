#include "platform/win/test/TestApi.h"

#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/input/HardwareQueue.h"
#include "platform/win/input/KeyTranslation.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/Window.h"

#include <string_view>

namespace win::test {

namespace {

using detail::InputEvent;

void Inject(InputEvent event) {
    detail::HardwareQueue::Instance().Inject(event);
}

POINT ToScreen(HWND hwnd, POINT clientPt) {
    ClientToScreen(hwnd, &clientPt);
    return clientPt;
}

void MoveIfElsewhere(POINT screenPt) {
    const POINT pending = detail::HardwareQueue::Instance().PendingCursorPos();
    if (pending != screenPt) {
        mouseMove(screenPt);
    }
}

void Button(InputEvent::Kind kind, MouseButton button, POINT screenPt) {
    MoveIfElsewhere(screenPt);
    InputEvent event;
    event.kind = kind;
    event.button = button;
    event.pt = screenPt;
    Inject(event);
}

void Key(InputEvent::Kind kind, int vk, char32_t codePoint = 0) {
    InputEvent event;
    event.kind = kind;
    event.vk = vk;
    event.codePoint = codePoint;
    Inject(event);
}

// Decodes one code point; malformed input yields U+FFFD and skips one byte.
char32_t NextCodePoint(std::string_view text, size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) {
        return lead;
    }
    const int length = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (length < 0 || i + static_cast<size_t>(length) > text.size()) {
        return U'\uFFFD';
    }
    char32_t c = lead & (0x3F >> length);
    for (int k = 0; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return U'\uFFFD';
        }
        c = (c << 6) | (next & 0x3F);
        ++i;
    }
    return c;
}

} // namespace

void mouseMove(POINT screenPt) {
    InputEvent event;
    event.kind = InputEvent::Kind::MouseMove;
    event.pt = screenPt;
    Inject(event);
}

void mouseMove(HWND hwnd, POINT clientPt) {
    mouseMove(ToScreen(hwnd, clientPt));
}

void mouseDown(MouseButton button, POINT screenPt) {
    Button(InputEvent::Kind::ButtonDown, button, screenPt);
}

void mouseDown(MouseButton button, HWND hwnd, POINT clientPt) {
    mouseDown(button, ToScreen(hwnd, clientPt));
}

void mouseUp(MouseButton button, POINT screenPt) {
    Button(InputEvent::Kind::ButtonUp, button, screenPt);
}

void mouseUp(MouseButton button, HWND hwnd, POINT clientPt) {
    mouseUp(button, ToScreen(hwnd, clientPt));
}

void click(POINT screenPt, MouseButton button) {
    mouseDown(button, screenPt);
    mouseUp(button, screenPt);
}

void click(HWND hwnd, POINT clientPt, MouseButton button) {
    click(ToScreen(hwnd, clientPt), button);
}

void clickListItem(HWND list, int index) {
    const auto height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    click(list, {10, index * height + height / 2});
}

void doubleClick(POINT screenPt, MouseButton button) {
    click(screenPt, button);
    click(screenPt, button);
}

void doubleClick(HWND hwnd, POINT clientPt, MouseButton button) {
    doubleClick(ToScreen(hwnd, clientPt), button);
}

void drag(POINT from, POINT to, int steps, MouseButton button) {
    mouseDown(button, from);
    for (int i = 1; i <= steps; ++i) {
        mouseMove(
            POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    }
    mouseUp(button, to);
}

void drag(HWND hwnd, POINT fromClient, POINT toClient, int steps, MouseButton button) {
    drag(ToScreen(hwnd, fromClient), ToScreen(hwnd, toClient), steps, button);
}

void wheel(POINT screenPt, int delta) {
    MoveIfElsewhere(screenPt);
    InputEvent event;
    event.kind = InputEvent::Kind::Wheel;
    event.pt = screenPt;
    event.wheelDelta = delta;
    Inject(event);
}

void keyDown(int vk) {
    Key(InputEvent::Kind::KeyDown, vk);
}

void keyUp(int vk) {
    Key(InputEvent::Kind::KeyUp, vk);
}

void keyPress(int vk, Modifiers modifiers) {
    constexpr std::pair<Modifiers, int> kModifierKeys[] = {
        {Modifiers::Control, VK_CONTROL}, {Modifiers::Alt, VK_MENU}, {Modifiers::Shift, VK_SHIFT}};
    for (const auto& [modifier, key] : kModifierKeys) {
        if (HasModifier(modifiers, modifier)) {
            keyDown(key);
        }
    }
    keyDown(vk);
    keyUp(vk);
    for (auto it = std::rbegin(kModifierKeys); it != std::rend(kModifierKeys); ++it) {
        if (HasModifier(modifiers, it->first)) {
            keyUp(it->second);
        }
    }
}

void typeText(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();) {
        const char32_t c = NextCodePoint(utf8, i);
        if (const auto stroke = detail::KeyForChar(c)) {
            keyPress(stroke->vk, stroke->shift ? Modifiers::Shift : Modifiers::None);
        } else {
            Key(InputEvent::Kind::KeyDown, detail::VK_PACKET, c);
            Key(InputEvent::Kind::KeyUp, detail::VK_PACKET, c);
        }
    }
}

} // namespace win::test
