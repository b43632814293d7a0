#include "platform/display/x11/X11Input.h"

#include "platform/display/x11/KeysymTable.h"
#include "platform/display/x11/X11Connection.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>

namespace display {

namespace {

constexpr int kWheelDelta = 120;

} // namespace

bool X11Input::Translate(XEvent& event, EventSink& sink) {
    switch (event.type) {
    case MotionNotify:
    case ButtonPress:
    case ButtonRelease:
        OnPointer(event, sink);
        return true;
    case EnterNotify:
    case LeaveNotify:
        // Leaving for a window not ours brings no motion event: report where the pointer went,
        // so the platform does not keep it over the window it left.
        sink.PointerMoved(event.xcrossing.x_root, event.xcrossing.y_root);
        return true;
    case KeyPress:
    case KeyRelease:
        OnKey(event, event.type == KeyPress, sink);
        return true;
    case KeymapNotify:
        OnKeymap(event, sink);
        return true;
    case MappingNotify:
        XRefreshKeyboardMapping(&event.xmapping);
        return true;
    default:
        return false;
    }
}

void X11Input::WarpInto(const Rect* confine) {
    m_warpConfine = confine ? std::optional<Rect>(*confine) : std::nullopt;
}

void X11Input::OnPointer(const XEvent& event, EventSink& sink) {
    if (event.type == MotionNotify) {
        const int x = event.xmotion.x_root;
        const int y = event.xmotion.y_root;
        if (m_warpConfine) {
            const int cx = std::clamp(x, m_warpConfine->left, m_warpConfine->right - 1);
            const int cy = std::clamp(y, m_warpConfine->top, m_warpConfine->bottom - 1);
            if (cx != x || cy != y) {
                XWarpPointer(m_x.Get(), None, m_x.Root(), 0, 0, 0, 0, cx, cy);
            }
        }
        sink.PointerMoved(x, y);
        return;
    }
    const XButtonEvent& b = event.xbutton;
    const bool down = event.type == ButtonPress;
    switch (b.button) {
    case Button1:
        sink.ButtonChanged(EventSink::Button::Left, down, b.x_root, b.y_root);
        break;
    case Button2:
        sink.ButtonChanged(EventSink::Button::Middle, down, b.x_root, b.y_root);
        break;
    case Button3:
        sink.ButtonChanged(EventSink::Button::Right, down, b.x_root, b.y_root);
        break;
    case Button4:
    case Button5:
        // A wheel notch comes as a press and release of its own; one notch per press.
        if (down) {
            sink.WheelTurned(b.button == Button4 ? kWheelDelta : -kWheelDelta, b.x_root, b.y_root);
        }
        break;
    default:
        break;
    }
}

void X11Input::OnKey(XEvent& event, bool down, EventSink& sink) {
    XKeyEvent& key = event.xkey;
    KeySym typed = NoSymbol;
    char text[16];
    XLookupString(&key, text, sizeof text, &typed, nullptr);
    // The key's own keysym names it whatever the modifiers; keypad keys follow Num Lock.
    const KeySym plain = XkbKeycodeToKeysym(m_x.Get(), static_cast<KeyCode>(key.keycode), 0, 0);
    const int vk = VirtualKeyForKeysym(IsKeypadKey(typed) ? typed : plain);
    if (vk != 0) {
        if (down) {
            m_keysDown[key.keycode] = vk;
        } else {
            m_keysDown.erase(key.keycode);
        }
        sink.KeyChanged(vk, down);
    } else if (down) {
        if (const char32_t c = CodePointForKeysym(typed)) {
            sink.TextTyped(c);
        }
    }
}

// Keys released while another client had the focus sent us no release; the key map that follows
// every focus-in tells which, so that no modifier stays down in the platform's key state.
void X11Input::OnKeymap(const XEvent& event, EventSink& sink) {
    const XKeymapEvent& keymap = event.xkeymap;
    for (auto it = m_keysDown.begin(); it != m_keysDown.end();) {
        const unsigned code = it->first;
        const bool held = code < 256 && (keymap.key_vector[code / 8] & (1 << (code % 8))) != 0;
        if (held) {
            ++it;
            continue;
        }
        const int vk = it->second;
        it = m_keysDown.erase(it);
        sink.KeyChanged(vk, false);
    }
}

} // namespace display
