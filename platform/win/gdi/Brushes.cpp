#include "platform/win/gdi/Brushes.h"

#include "platform/win/gdi/Brush.h"
#include "platform/win/gdi/GdiObjects.h"

namespace win {

HBRUSH CreateSolidBrush(COLORREF color) {
    return HBRUSH(gdi::GdiObjects::Add(gdi::Brush::Solid(color & 0x00FFFFFF)));
}

HGDIOBJ GetStockObject(int index) {
    return gdi::GdiObjects::Stock(index);
}

BOOL DeleteObject(HGDIOBJ object) {
    return gdi::GdiObjects::Delete(object) ? TRUE : FALSE;
}

} // namespace win
