#pragma once

#include "propertylist/control/paint/GridPainter.h"

namespace attrgrid {

// What a name or value cell shows besides its text: tree lines, the plus/minus box, the row's
// picture and a colour row's swatch. Drawn in cell coordinates (origin at the cell's top-left).
class RowDecorations {
public:
    explicit RowDecorations(const GridPaintContext& context) : m_context(context) {}

    // Nothing when no box is laid out (empty PlusMinusRect). A collapsed row shows a plus.
    void DrawPlusMinus(win::HDC hdc, const CNode& row, bool selected) const;
    // Dotted lines joining the row to its parent and to the siblings below it.
    void DrawTreeLines(win::HDC hdc, const CNode& row, const win::RECT& cell) const;
    // Bitmaps and icons only; other picture types draw nothing.
    void DrawNodePicture(win::HDC hdc, const CNode& row) const;
    // A square of the row's value as a colour, outlined in `textColor`; moves cell.left past it.
    // A value that is no colour draws nothing and leaves the cell as it is.
    void DrawColorSwatch(win::HDC hdc, const CNode& row, win::RECT& cell,
                         win::COLORREF textColor) const;

private:
    const GridPaintContext& m_context;
};

} // namespace attrgrid
