#include "propertylist/control/sort/Utf16Order.h"

#include "platform/base/Utf8.h"

#include <cstdint>
#include <utility>

namespace attrgrid {

namespace {

// Walks UTF-8 text one UTF-16 code unit at a time; a malformed byte reads as U+FFFD.
class Utf16Units {
public:
    explicit Utf16Units(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_pendingLow == 0 && m_offset >= m_text.size(); }

    char16_t Next() {
        if (m_pendingLow != 0)
            return static_cast<char16_t>(std::exchange(m_pendingLow, 0));
        const base::Utf8Step step = base::DecodeUtf8(m_text, m_offset);
        m_offset += step.length;
        const char32_t code = step.code;
        if (code < 0x10000)
            return static_cast<char16_t>(code);
        const char32_t offset = code - 0x10000;
        m_pendingLow = static_cast<uint16_t>(0xDC00 + (offset & 0x3FF));
        return static_cast<char16_t>(0xD800 + (offset >> 10));
    }

private:
    std::string_view m_text;
    size_t m_offset = 0;
    uint16_t m_pendingLow = 0;
};

} // namespace

int CompareUtf16Units(std::string_view first, std::string_view second) {
    Utf16Units a(first);
    Utf16Units b(second);
    while (!a.AtEnd() && !b.AtEnd()) {
        const char16_t unitA = a.Next();
        const char16_t unitB = b.Next();
        if (unitA != unitB)
            return unitA < unitB ? -1 : 1;
    }
    if (a.AtEnd() && b.AtEnd())
        return 0;
    return a.AtEnd() ? -1 : 1;
}

} // namespace attrgrid
