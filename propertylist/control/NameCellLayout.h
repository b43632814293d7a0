#pragma once

#include "propertylist/control/GridSettings.h"
#include "propertylist/model/rows/CNode.h"

#include "platform/win/WinTypes.h"

#include <cstdint>

namespace attrgrid {

// Where the parts of a row's name cell go, in cell coordinates. Worked out from the row's level,
// its picture and the settings alone, so rows the grid has not laid out (below the view) measure
// the same as rows on screen.
struct NameCellLayout {
    // Empty when the row shows no plus/minus box.
    win::RECT plusMinus{};
    int32_t treeLineX = 0;
    // Empty without a bitmap or icon.
    win::RECT picture{};
    int32_t textLeft = 0;

    static NameCellLayout Of(const CNode& row, const GridSettings& settings, int32_t rowHeight);
};

// The middle pixel of a plus/minus box's side (the frame runs from `low` to `high - 1`): where the
// plus sign's stem and the tree line through the box both go.
constexpr int32_t BoxMiddle(int32_t low, int32_t high) {
    return low + (high - 1 - low) / 2;
}

} // namespace attrgrid
