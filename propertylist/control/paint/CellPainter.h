#pragma once

#include "propertylist/control/paint/GridPainter.h"

namespace attrgrid {

// One cell of a row, drawn from (0, 0) after the caller has moved the origin to the cell:
//   1. PropertyDraw ksPreErase      value cells of custom-drawn property rows only
//   2. fill                         unless the host cleared bDoDefault; selected rows, or no
//   Picture
//   3. 3D frame                     rows with Appearance 1
//   4. PropertyDraw ksPostErase
//   5. grid lines                   Grid not ksGridNone
//   6. tree lines, plus/minus box   name cell, categorized view
//      row picture                  name cell
//      colour swatch                value cell of a colour-editor row
//   7. text, cut with "..."
//   8. PropertyDraw ksPostDraw
// Each step that fails is skipped and the next one runs; the DC is restored in every case.
class CellPainter {
public:
    explicit CellPainter(const GridPaintContext& context) : m_context(context) {}

    void DrawNodeCell(win::HDC hdc, const ole::Ptr<CNode>& row, bool nameCell,
                      const win::RECT& cell, bool selected) const;

private:
    win::HFONT RowFont(const CNode& row) const;

    const GridPaintContext& m_context;
};

} // namespace attrgrid
