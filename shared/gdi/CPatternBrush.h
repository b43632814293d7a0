#pragma once

#include "platform/win/gdi/OwnedObject.h"

#include <cstdint>
#include <span>
#include <vector>

namespace shared {

// One cached 8 x 8-repeating monochrome pattern brush. The pattern's first four elements are the
// 16 bytes of a 16 x 8 one-bit bitmap, least significant byte first: element 0 holds rows 0 (low
// half) and 1 (high half), and in each row byte the most significant bit is the leftmost pixel.
// 0 bits paint in the DC's text colour, 1 bits in its background colour.
class CPatternBrush {
public:
    win::HBRUSH hBrush() const { return m_brush.Get(); }
    // Same length and equal elements, the ones past the fourth included.
    bool isSame(std::span<const uint32_t> pattern) const;
    // Fails, keeping nothing, for a pattern of fewer than four elements.
    bool init(std::span<const uint32_t> pattern);
    void UpdateInfo(std::span<const uint32_t> pattern);

private:
    static win::HBRUSH BuildBrush(std::span<const uint32_t> pattern);

    win::OwnedObject<win::HBRUSH> m_brush;
    std::vector<uint32_t> m_pattern;
};

} // namespace shared
