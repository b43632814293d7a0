#include "platform/win/gdi/Brushes.h"

#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/detail/Bitmap.h"
#include "platform/win/gdi/detail/Brush.h"
#include "platform/win/gdi/detail/GdiObjects.h"

namespace win {

HBRUSH CreateSolidBrush(COLORREF color) {
    return HBRUSH(gdi::GdiObjects::Add(gdi::Brush::Solid(color & 0x00FFFFFF)));
}

HBRUSH CreateHatchBrush(int style, COLORREF color) {
    if (style < HS_HORIZONTAL || style > HS_DIAGCROSS) {
        return {};
    }
    return HBRUSH(gdi::GdiObjects::Add(gdi::Brush::Hatch(style, color)));
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    const gdi::Bitmap* tile = gdi::LookupBitmap(bitmap);
    if (!tile || tile->IsDeletePending()) {
        return {};
    }
    return HBRUSH(gdi::GdiObjects::Add(gdi::Brush::Pattern(tile->Pixels(), tile->IsMonochrome())));
}

} // namespace win
