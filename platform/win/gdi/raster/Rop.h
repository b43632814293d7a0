#pragma once

#include <cstdint>

namespace win::gdi {

// Raster operations on 0xAARRGGBB pixels; the result is opaque. Both work bitwise on the 24 colour
// bits, so monochrome pixels (black or white) stay black or white.

// R2_BLACK (1) ... R2_WHITE (16): code - 1 is the truth table over (pen, destination), bit
// (pen << 1 | destination).
constexpr uint32_t ApplyRop2(int rop2, uint32_t pen, uint32_t dst) {
    const uint32_t table = static_cast<uint32_t>(rop2 - 1) & 0xF;
    uint32_t result = 0;
    if (table & 1) {
        result |= ~pen & ~dst;
    }
    if (table & 2) {
        result |= ~pen & dst;
    }
    if (table & 4) {
        result |= pen & ~dst;
    }
    if (table & 8) {
        result |= pen & dst;
    }
    return 0xFF000000u | (result & 0x00FFFFFFu);
}

// The truth-table byte of a ternary code (bits 16..23): bit (pattern << 2 | source << 1 | dest).
constexpr uint8_t Rop3Table(uint32_t rop) {
    return static_cast<uint8_t>((rop >> 16) & 0xFF);
}
constexpr bool Rop3UsesSource(uint8_t table) {
    return ((table >> 2) & 0x33) != (table & 0x33);
}
constexpr bool Rop3UsesPattern(uint8_t table) {
    return ((table >> 4) & 0x0F) != (table & 0x0F);
}

constexpr uint32_t ApplyRop3(uint8_t table, uint32_t pattern, uint32_t source, uint32_t dst) {
    uint32_t result = 0;
    for (int term = 0; term < 8; ++term) {
        if (!((table >> term) & 1)) {
            continue;
        }
        const uint32_t p = (term & 4) ? pattern : ~pattern;
        const uint32_t s = (term & 2) ? source : ~source;
        const uint32_t d = (term & 1) ? dst : ~dst;
        result |= p & s & d;
    }
    return 0xFF000000u | (result & 0x00FFFFFFu);
}

} // namespace win::gdi
