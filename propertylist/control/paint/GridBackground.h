#pragma once

#include "propertylist/control/paint/GridPainter.h"

namespace attrgrid {

// The control's Picture behind the rows: centred, stretched or tiled over the grid's client area
// below the headers and left of the scroll bar.
class GridBackground {
public:
    explicit GridBackground(const GridPaintContext& context) : m_context(context) {}

    // Paints `rect` (the update rectangle). A picture that is not a bitmap (icon, metafile, empty)
    // cannot be selected into a memory DC: the rectangle is filled with PropertyBackColor then.
    void Draw(win::HDC hdc, const win::RECT& rect) const;

private:
    win::RECT PictureArea() const;
    void Fill(win::HDC hdc, const win::RECT& rect) const;

    const GridPaintContext& m_context;
};

} // namespace attrgrid
