#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ole {

// A 128-bit class, interface or library identity.
struct Guid {
    uint32_t data1 = 0;
    uint16_t data2 = 0;
    uint16_t data3 = 0;
    std::array<uint8_t, 8> data4{};

    // Reads "{8B21775E-717D-11CE-AB5B-D41203C10000}" (braces optional, any hex case).
    static std::optional<Guid> Parse(std::string_view text);
    // Parse for identities written in the source; a malformed literal is a programming error.
    static Guid FromString(std::string_view text);
    // Upper-case hex in braces.
    std::string ToString() const;
    bool IsNull() const { return *this == Guid{}; }

    friend bool operator==(const Guid&, const Guid&) = default;
    friend auto operator<=>(const Guid&, const Guid&) = default;
};

} // namespace ole
