#pragma once

#include "propertylist/control/GridSettings.h"
#include "propertylist/model/rows/CNode.h"

#include "platform/win/WinTypes.h"

#include <cstdint>

namespace attrgrid {

// The one place a row's colours are resolved. A row colour of -1 means the control's default for
// that kind of row: category rows take CategoryBackColor / CategoryForeColor, property rows
// PropertyBackColor / PropertyForeColor. Cell fill, 3D frame, text, plus/minus box and the hover
// tip all ask here, so they never disagree. Results are translated, ready for GDI.
class RowColors {
public:
    // `defaultColor` when `color` is -1, else `color` (both OLE colours).
    static int32_t ResolveColor(int32_t color, int32_t defaultColor) {
        return color == -1 ? defaultColor : color;
    }

    static win::COLORREF Back(const GridSettings& settings, const CNode& row);
    static win::COLORREF Fore(const GridSettings& settings, const CNode& row);
    // The highlight colours for the selected row, else the row's own.
    static win::COLORREF CellBack(const GridSettings& settings, const CNode& row, bool selected);
    static win::COLORREF CellFore(const GridSettings& settings, const CNode& row, bool selected);
};

} // namespace attrgrid
