#include "platform/win/gdi/Brushes.h"

#include "platform/win/gdi/Bitmap.h"
#include "platform/win/gdi/Brush.h"
#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/GdiObjects.h"

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

HGDIOBJ GetStockObject(int index) {
    if (index < 0) {
        return {};
    }
    return gdi::GdiObjects::Stock(index);
}

BOOL DeleteObject(HGDIOBJ object) {
    return gdi::GdiObjects::Delete(object) ? TRUE : FALSE;
}

} // namespace win
