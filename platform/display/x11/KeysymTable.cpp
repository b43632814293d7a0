#include "platform/display/x11/KeysymTable.h"

#include "platform/win/WinConstants.h"
#include "platform/win/input/KeyTranslation.h"

#include <X11/keysym.h>

#include <array>

namespace display {

namespace {

struct KeyName {
    unsigned long keysym;
    int vk;
};

// Keys that type nothing (or type a control code) and so have no character to look up. Keypad
// keys are read with Num Lock off, which is how their unshifted keysym comes.
constexpr std::array kNamedKeys{
    KeyName{XK_BackSpace, win::VK_BACK},
    KeyName{XK_Tab, win::VK_TAB},
    KeyName{XK_ISO_Left_Tab, win::VK_TAB},
    KeyName{XK_Return, win::VK_RETURN},
    KeyName{XK_KP_Enter, win::VK_RETURN},
    KeyName{XK_Escape, win::VK_ESCAPE},
    KeyName{XK_Pause, win::VK_PAUSE},
    KeyName{XK_Caps_Lock, win::VK_CAPITAL},
    KeyName{XK_Shift_L, win::VK_SHIFT},
    KeyName{XK_Shift_R, win::VK_SHIFT},
    KeyName{XK_Control_L, win::VK_CONTROL},
    KeyName{XK_Control_R, win::VK_CONTROL},
    KeyName{XK_Alt_L, win::VK_MENU},
    KeyName{XK_Alt_R, win::VK_MENU},
    KeyName{XK_Meta_L, win::VK_MENU},
    KeyName{XK_Meta_R, win::VK_MENU},
    KeyName{XK_Prior, win::VK_PRIOR},
    KeyName{XK_KP_Prior, win::VK_PRIOR},
    KeyName{XK_Next, win::VK_NEXT},
    KeyName{XK_KP_Next, win::VK_NEXT},
    KeyName{XK_End, win::VK_END},
    KeyName{XK_KP_End, win::VK_END},
    KeyName{XK_Home, win::VK_HOME},
    KeyName{XK_KP_Home, win::VK_HOME},
    KeyName{XK_Left, win::VK_LEFT},
    KeyName{XK_KP_Left, win::VK_LEFT},
    KeyName{XK_Up, win::VK_UP},
    KeyName{XK_KP_Up, win::VK_UP},
    KeyName{XK_Right, win::VK_RIGHT},
    KeyName{XK_KP_Right, win::VK_RIGHT},
    KeyName{XK_Down, win::VK_DOWN},
    KeyName{XK_KP_Down, win::VK_DOWN},
    KeyName{XK_Insert, win::VK_INSERT},
    KeyName{XK_KP_Insert, win::VK_INSERT},
    KeyName{XK_Delete, win::VK_DELETE},
    KeyName{XK_KP_Delete, win::VK_DELETE},
    KeyName{XK_KP_Multiply, win::VK_MULTIPLY},
    KeyName{XK_KP_Add, win::VK_ADD},
    KeyName{XK_KP_Subtract, win::VK_SUBTRACT},
    KeyName{XK_KP_Decimal, win::VK_DECIMAL},
    KeyName{XK_KP_Divide, win::VK_DIVIDE},
};

} // namespace

int VirtualKeyForKeysym(unsigned long keysym) {
    if (keysym >= XK_F1 && keysym <= XK_F12) {
        return win::VK_F1 + static_cast<int>(keysym - XK_F1);
    }
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9) {
        return win::VK_NUMPAD0 + static_cast<int>(keysym - XK_KP_0);
    }
    for (const KeyName& key : kNamedKeys) {
        if (key.keysym == keysym) {
            return key.vk;
        }
    }
    // Latin-1 keysyms are their own code points; the layout table knows which key types each. A
    // key whose own character needs Shift there (a plus sign of its own) is no US key: it types
    // its text as a code point instead of a virtual key that would type the wrong one.
    if (keysym >= 0x20 && keysym < 0x7F) {
        const auto stroke = win::detail::KeyForChar(static_cast<char32_t>(keysym));
        if (stroke && !stroke->shift) {
            return stroke->vk;
        }
    }
    return 0;
}

char32_t CodePointForKeysym(unsigned long keysym) {
    if ((keysym >= 0x20 && keysym < 0x7F) || (keysym >= 0xA0 && keysym <= 0xFF)) {
        return static_cast<char32_t>(keysym);
    }
    // Keysyms for the rest of Unicode are the code point with the 0x01000000 flag.
    if (keysym >= 0x01000100 && keysym <= 0x0110FFFF) {
        return static_cast<char32_t>(keysym - 0x01000000);
    }
    return 0;
}

} // namespace display
