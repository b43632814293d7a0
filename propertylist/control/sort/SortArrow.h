#pragma once

#include "platform/win/gdi/OwnedObject.h"
#include "shared/gdi/CResourceMgr.h"

#include "platform/win/WinTypes.h"

#include <cstdint>

namespace attrgrid {

// The name header's 8 x 8 sort indicator: a bevelled triangle on the header's background, its
// point down when ascending and up when descending. Owns its bitmap.
class SortArrow {
public:
    static constexpr int32_t kSize = 8;

    // Builds the bitmap on cached pens "ArrowLight" and "ArrowDark" and the brush "ArrowColor"
    // of `backColor` (an OLE colour). No bitmap when the DC gives none.
    SortArrow(win::HDC hdc, bool bAscending, shared::CResourceMgr& resources, int32_t backColor);

    // Where the arrow goes in a header of `width` x `height` pixels: three quarters across, moved
    // left of the caption's end when it would touch the right edge; centred vertically.
    static win::POINT Position(int32_t width, int32_t height);

    // Draws the bitmap with its top-left at (x, y).
    void Draw(win::HDC hdc, int32_t x, int32_t y) const;
    win::HBITMAP Bitmap() const { return m_bitmap.Get(); }

private:
    win::OwnedObject<win::HBITMAP> m_bitmap;
};

} // namespace attrgrid
