#pragma once

#include <cstdint>

namespace forms {

enum class ScrollStep { LineUp, LineDown, PageUp, PageDown, ToMin, ToMax };

// The settings of a scroll-bar control and how its Value maps onto the window's position.
// Min may exceed Max: the bar is then reversed, Min still at the top (or left) end. The window
// always runs from 0 to |Max - Min|.
struct ScrollBarValues {
    int16_t min = 0;
    int16_t max = 32767;
    int16_t smallChange = 1;
    int16_t largeChange = 1;

    int32_t Direction() const { return max >= min ? 1 : -1; }
    int32_t Span() const { return (max - min) * Direction(); }
    bool Contains(int32_t value) const;
    int32_t Clamp(int32_t value) const;
    int32_t ToPosition(int32_t value) const { return (value - min) * Direction(); }
    int32_t FromPosition(int32_t position) const { return min + position * Direction(); }
    // Value after a line, page or end step from `value`, kept inside the range. Lines and pages
    // move towards Max for Down and towards Min for Up.
    int32_t Step(int32_t value, ScrollStep step) const;
};

} // namespace forms
