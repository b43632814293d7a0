#include "propertylist/control/RowPlacement.h"

#include "propertylist/control/GridGeometry.h"
#include "propertylist/control/NameCellLayout.h"

namespace attrgrid {

win::RECT RowPlacement::NameCell(const win::RECT& row) const {
    return {row.left, row.top, nameRight, row.bottom};
}

win::RECT RowPlacement::ValueCell(const win::RECT& row) const {
    return grid::MakeRect(nameRight, row.top, valueRight, row.bottom);
}

void RowPlacement::PlaceCells(CNode& row, int64_t top) const {
    const win::RECT rect = grid::MakeRect(0, top, width, top + rowHeight);
    row.SetRowRect(rect);
    row.SetNameRect(NameCell(rect));
    row.SetValueRect(ValueCell(rect));
}

void RowPlacement::Place(CNode& row, int64_t top, const GridSettings& settings) const {
    PlaceCells(row, top);
    const NameCellLayout cell = NameCellLayout::Of(row, settings, rowHeight);
    row.SetPlusMinusRect(cell.plusMinus);
    if (settings.Categorized())
        row.SetTreeLineX(cell.treeLineX);
    row.SetPictureRect(cell.picture);
    row.SetTextLeft(cell.textLeft);
}

} // namespace attrgrid
