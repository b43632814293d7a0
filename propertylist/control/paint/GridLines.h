#pragma once

#include "shared/gdi/CResourceMgr.h"

#include "platform/win/WinTypes.h"

#include <array>
#include <cstdint>

namespace attrgrid {

// The grid's line primitives on cached pens and the checkerboard brush. Coordinates are logical;
// every selection is put back before a call returns.
class GridLines {
public:
    // A one-pixel checkerboard: 0 bits take the DC's text colour, 1 bits its background colour.
    static constexpr std::array<uint32_t, 4> kDotPattern{0xAAAA5555, 0xAAAA5555, 0xAAAA5555,
                                                         0xAAAA5555};

    explicit GridLines(shared::CResourceMgr& resources) : m_resources(resources) {}

    // `color` is an OLE colour. Solid: a pen line ending before (x2, y2). Dotted: the rectangle
    // (x1, y1)-(x2, y2), a zero extent counting as one pixel, in the checkerboard whose line
    // colour falls on (x1, y1) wherever the cell origin is. Nothing when the cache gives no object.
    void DrawGridLine(win::HDC hdc, int32_t color, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                      bool solid);
    // A raised frame on the inside edge of `rect` in four tones of `baseColor` (translated).
    void Draw3DFrame(win::HDC hdc, const win::RECT& rect, win::COLORREF baseColor);

private:
    shared::CResourceMgr& m_resources;
};

} // namespace attrgrid
