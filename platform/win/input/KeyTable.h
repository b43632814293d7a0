#pragma once

#include "platform/win/input/InputEvent.h"

#include <array>
#include <cstdint>

namespace win::detail {

// Per-key state bytes: 0x80 down, 0x01 toggled (each press flips it).
class KeyTable {
public:
    bool IsDown(int vk) const { return (m_keys[Index(vk)] & 0x80) != 0; }
    bool IsToggled(int vk) const { return (m_keys[Index(vk)] & 0x01) != 0; }
    // The platform's SHORT: negative while down, low bit toggled.
    short State(int vk) const;

    // The table as it is once the event has been retrieved. Left/right modifier keys also move
    // the generic key.
    KeyTable After(const InputEvent& event) const;

    // MK_* flags for a mouse message's wParam.
    WPARAM MouseKeyFlags() const;

private:
    static size_t Index(int vk) { return static_cast<size_t>(vk) & 0xFF; }
    void Press(int vk, bool down);

    std::array<uint8_t, 256> m_keys{};
};

// VK_SHIFT for VK_LSHIFT/VK_RSHIFT and so on; other keys unchanged.
int GenericKey(int vk);

int ButtonKey(MouseButton button);

} // namespace win::detail
