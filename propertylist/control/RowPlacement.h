#pragma once

#include "propertylist/control/GridSettings.h"
#include "propertylist/model/rows/CNode.h"

#include "platform/win/WinTypes.h"

#include <cstdint>

namespace attrgrid {

// Where the grid puts its rows: each row across the rows' width, its name cell up to the name
// column's edge and its value cell from there, and the parts of its name cell. The grid's layout
// and the painter's tests place rows through this one rule.
struct RowPlacement {
    // The rows' width: the grid's, less a shown scroll bar.
    int64_t width = 0;
    // Where the name cell ends and the value cell starts.
    int32_t nameRight = 0;
    // Where the value cell ends.
    int64_t valueRight = 0;
    int32_t rowHeight = 0;

    win::RECT NameCell(const win::RECT& row) const;
    win::RECT ValueCell(const win::RECT& row) const;
    // The row's rectangle at `top` and its two cells.
    void PlaceCells(CNode& row, int64_t top) const;
    // The cells and the parts of the name cell: plus/minus box, picture, text and, in the
    // categorized view, the tree line. A box left over from another tree style would still take
    // clicks, so every part is set.
    void Place(CNode& row, int64_t top, const GridSettings& settings) const;
};

} // namespace attrgrid
