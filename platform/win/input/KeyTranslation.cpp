#include "platform/win/input/KeyTranslation.h"

#include "platform/win/WinConstants.h"

#include <array>
#include <string_view>

namespace win::detail {

namespace {

// US layout punctuation keys: unshifted and shifted characters.
struct OemKey {
    int vk;
    char plain;
    char shifted;
};
constexpr std::array kOemKeys{
    OemKey{0xBA, ';', ':'}, OemKey{0xBB, '=', '+'},  OemKey{0xBC, ',', '<'},
    OemKey{0xBD, '-', '_'}, OemKey{0xBE, '.', '>'},  OemKey{0xBF, '/', '?'},
    OemKey{0xC0, '`', '~'}, OemKey{0xDB, '[', '{'},  OemKey{0xDC, '\\', '|'},
    OemKey{0xDD, ']', '}'}, OemKey{0xDE, '\'', '"'},
};

constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

// Scan codes of the common keys (set 1), so key messages carry plausible lParam bits.
int ScanCode(int vk) {
    constexpr std::string_view letters = "\x1E\x30\x2E\x20\x12\x21\x22\x23\x17\x24\x25\x26\x32"
                                         "\x31\x18\x19\x10\x13\x1F\x14\x16\x2F\x11\x2D\x15\x2C";
    if (vk >= 'A' && vk <= 'Z') {
        return static_cast<unsigned char>(letters[static_cast<size_t>(vk - 'A')]);
    }
    if (vk >= '1' && vk <= '9') {
        return 0x02 + (vk - '1');
    }
    switch (vk) {
    case '0':
        return 0x0B;
    case VK_ESCAPE:
        return 0x01;
    case VK_BACK:
        return 0x0E;
    case VK_TAB:
        return 0x0F;
    case VK_RETURN:
        return 0x1C;
    case VK_CONTROL:
        return 0x1D;
    case VK_SHIFT:
        return 0x2A;
    case VK_MENU:
        return 0x38;
    case VK_SPACE:
        return 0x39;
    default:
        return 0;
    }
}

} // namespace

std::optional<char32_t> CharForKey(int vk, const KeyTable& keys) {
    const bool shift = keys.IsDown(VK_SHIFT);
    const bool control = keys.IsDown(VK_CONTROL);
    switch (vk) {
    case VK_RETURN:
        return U'\r';
    case VK_ESCAPE:
        return U'\x1B';
    case VK_BACK:
        return U'\b';
    case VK_TAB:
        return U'\t';
    default:
        break;
    }
    if (vk >= 'A' && vk <= 'Z') {
        if (control && !keys.IsDown(VK_MENU)) {
            return static_cast<char32_t>(vk - 'A' + 1);
        }
        const bool upper = shift != keys.IsToggled(VK_CAPITAL);
        return static_cast<char32_t>(upper ? vk : vk - 'A' + 'a');
    }
    if (control) {
        return std::nullopt;
    }
    if (vk == VK_SPACE) {
        return U' ';
    }
    if (vk >= '0' && vk <= '9') {
        return static_cast<char32_t>(shift ? kShiftedDigits[static_cast<size_t>(vk - '0')] : vk);
    }
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9) {
        return static_cast<char32_t>('0' + vk - VK_NUMPAD0);
    }
    switch (vk) {
    case VK_MULTIPLY:
        return U'*';
    case VK_ADD:
        return U'+';
    case VK_SUBTRACT:
        return U'-';
    case VK_DECIMAL:
        return U'.';
    case VK_DIVIDE:
        return U'/';
    default:
        break;
    }
    for (const OemKey& key : kOemKeys) {
        if (key.vk == vk) {
            return static_cast<char32_t>(shift ? key.shifted : key.plain);
        }
    }
    return std::nullopt;
}

std::optional<KeyStroke> KeyForChar(char32_t c) {
    if (c >= 'a' && c <= 'z') {
        return KeyStroke{static_cast<int>(c - 'a' + 'A'), false};
    }
    if (c >= 'A' && c <= 'Z') {
        return KeyStroke{static_cast<int>(c), true};
    }
    if (c >= '0' && c <= '9') {
        return KeyStroke{static_cast<int>(c), false};
    }
    switch (c) {
    case U' ':
        return KeyStroke{VK_SPACE, false};
    case U'\n':
    case U'\r':
        return KeyStroke{VK_RETURN, false};
    case U'\t':
        return KeyStroke{VK_TAB, false};
    case U'\b':
        return KeyStroke{VK_BACK, false};
    case U'\x1B':
        return KeyStroke{VK_ESCAPE, false};
    default:
        break;
    }
    if (const size_t digit = kShiftedDigits.find(static_cast<char>(c));
        c < 0x80 && digit != std::string_view::npos) {
        return KeyStroke{static_cast<int>('0' + digit), true};
    }
    for (const OemKey& key : kOemKeys) {
        if (c == static_cast<char32_t>(key.plain)) {
            return KeyStroke{key.vk, false};
        }
        if (c == static_cast<char32_t>(key.shifted)) {
            return KeyStroke{key.vk, true};
        }
    }
    return std::nullopt;
}

LPARAM KeyMessageLParam(int vk, bool down, bool wasDown, bool altDown, char32_t packetChar) {
    uint64_t bits = 1; // repeat count
    bits |= static_cast<uint64_t>(ScanCode(vk) & 0xFF) << 16;
    if (altDown) {
        bits |= 1ull << 29;
    }
    if (wasDown) {
        bits |= 1ull << 30;
    }
    if (!down) {
        bits |= 1ull << 31;
    }
    bits |= static_cast<uint64_t>(packetChar) << 32;
    return static_cast<LPARAM>(bits);
}

char32_t PacketCharFromLParam(LPARAM lParam) {
    return static_cast<char32_t>(static_cast<uint64_t>(lParam) >> 32);
}

} // namespace win::detail
