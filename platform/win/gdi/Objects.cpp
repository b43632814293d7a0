#include "platform/win/gdi/Objects.h"

#include "platform/win/gdi/Clipping.h"
#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/detail/Bitmap.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/gdi/detail/GdiObjects.h"

namespace win {

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    const gdi::GdiObject* found = gdi::GdiObjects::Find(object);
    if (!dc || !found || found->IsDeletePending()) {
        return {};
    }
    switch (found->Kind()) {
    case gdi::GdiObjectKind::Region:
        return HGDIOBJ::FromValue(static_cast<uint32_t>(SelectClipRgn(hdc, HRGN(object))));
    case gdi::GdiObjectKind::Bitmap:
        if (!dc->IsMemory()) {
            return {};
        }
        if (dc->SelectedBitmap() == HBITMAP(object)) {
            return object;
        }
        // A bitmap lives in one DC at a time; the shared default bitmap is the exception.
        if (!found->IsStock() && found->Selections() > 0) {
            return {};
        }
        break;
    default:
        break;
    }
    return dc->Select(object);
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    const gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return {};
    }
    switch (type) {
    case OBJ_PEN:
        return dc->SelectedPen();
    case OBJ_BRUSH:
        return dc->SelectedBrush();
    case OBJ_FONT:
        return dc->SelectedFont();
    case OBJ_BITMAP:
        return dc->SelectedBitmap();
    default:
        return {};
    }
}

DWORD GetObjectType(HGDIOBJ handle) {
    const gdi::GdiObject* object = gdi::GdiObjects::Find(handle);
    if (!object || object->IsDeletePending()) {
        return GetObjectType(HDC::FromValue(handle.Value()));
    }
    switch (object->Kind()) {
    case gdi::GdiObjectKind::Pen:
        return OBJ_PEN;
    case gdi::GdiObjectKind::Brush:
        return OBJ_BRUSH;
    case gdi::GdiObjectKind::Font:
        return OBJ_FONT;
    case gdi::GdiObjectKind::Bitmap:
        return OBJ_BITMAP;
    case gdi::GdiObjectKind::Region:
        return OBJ_REGION;
    }
    return 0;
}

DWORD GetObjectType(HDC hdc) {
    const gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return 0;
    }
    return dc->IsMemory() ? OBJ_MEMDC : OBJ_DC;
}

int GetObjectA(HGDIOBJ handle, int size, void* out) {
    const gdi::GdiObject* object = gdi::GdiObjects::Find(handle);
    if (!object || object->IsDeletePending() || size < 0) {
        return 0;
    }
    return object->Describe(size, out);
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
