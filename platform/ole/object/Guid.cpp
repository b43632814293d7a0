#include "platform/ole/object/Guid.h"

#include <cstdio>
#include <stdexcept>

namespace ole {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<Guid> Guid::Parse(std::string_view text) {
    if (text.size() == 38 && text.front() == '{' && text.back() == '}')
        text = text.substr(1, 36);
    // Exactly 8-4-4-4-12 hex digits; a dash anywhere else is refused, not skipped.
    if (text.size() != 36)
        return std::nullopt;
    uint8_t bytes[16] = {};
    size_t digits = 0;
    for (size_t pos = 0; pos < text.size(); ++pos) {
        const bool dash = pos == 8 || pos == 13 || pos == 18 || pos == 23;
        if (dash) {
            if (text[pos] != '-')
                return std::nullopt;
            continue;
        }
        const int digit = HexDigit(text[pos]);
        if (digit < 0)
            return std::nullopt;
        bytes[digits / 2] = static_cast<uint8_t>(bytes[digits / 2] * 16 + digit);
        ++digits;
    }
    Guid guid;
    guid.data1 = (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) |
                 (uint32_t{bytes[2]} << 8) | bytes[3];
    guid.data2 = static_cast<uint16_t>((bytes[4] << 8) | bytes[5]);
    guid.data3 = static_cast<uint16_t>((bytes[6] << 8) | bytes[7]);
    for (size_t i = 0; i < 8; ++i)
        guid.data4[i] = bytes[8 + i];
    return guid;
}

Guid Guid::FromString(std::string_view text) {
    if (auto guid = Parse(text))
        return *guid;
    throw std::invalid_argument("malformed class or interface identity");
}

std::string Guid::ToString() const {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  data1, data2, data3, data4[0], data4[1], data4[2], data4[3], data4[4], data4[5],
                  data4[6], data4[7]);
    return buffer;
}

} // namespace ole
