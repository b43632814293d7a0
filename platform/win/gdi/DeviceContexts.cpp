#include "platform/win/gdi/DeviceContexts.h"

#include "platform/display/Backend.h"
#include "platform/win/WinConstants.h"
#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/gdi/detail/RegionObject.h"
#include "platform/win/window/WindowState.h"

#include <memory>

namespace win {

HDC GetDCEx(HWND hwnd, HRGN hrgnClip, DWORD flags) {
    if (!hwnd || hwnd == detail::WindowManager().desktop) {
        return gdi::DcTable::Add(std::make_unique<gdi::DeviceContext>());
    }
    const detail::WindowRecord* record = detail::LookupWindow(hwnd);
    if (!record) {
        return {};
    }
    auto dc = std::make_unique<gdi::DeviceContext>(hwnd, flags);
    if (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN)) {
        if (const gdi::Region* extra = gdi::LookupRegion(hrgnClip)) {
            // The region is in screen coordinates; the DC keeps it relative to its area.
            const RECT& area = (flags & DCX_WINDOW) ? record->windowRect : record->clientRect;
            gdi::Region local = *extra;
            local.Offset(-area.left, -area.top);
            if ((flags & DCX_EXCLUDERGN) && !(flags & DCX_INTERSECTRGN)) {
                gdi::Region outside(RECT{-(1 << 28), -(1 << 28), 1 << 28, 1 << 28});
                outside.Subtract(local);
                local = std::move(outside);
            }
            dc->Restrict(local);
        }
    }
    return gdi::DcTable::Add(std::move(dc));
}

HDC GetDC(HWND hwnd) {
    const detail::WindowRecord* record = detail::LookupWindow(hwnd);
    DWORD flags = DCX_CACHE;
    if (record) {
        if (record->style & WS_CLIPCHILDREN) {
            flags |= DCX_CLIPCHILDREN;
        }
        if (record->style & WS_CLIPSIBLINGS) {
            flags |= DCX_CLIPSIBLINGS;
        }
    } else if (hwnd) {
        return {};
    }
    return GetDCEx(hwnd, {}, flags);
}

HDC GetWindowDC(HWND hwnd) {
    if (hwnd && !detail::LookupWindow(hwnd)) {
        return {};
    }
    return GetDCEx(hwnd, {}, DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS);
}

int ReleaseDC(HWND, HDC hdc) {
    const gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || dc->IsMemory()) {
        return 0;
    }
    return gdi::DcTable::Release(hdc) ? 1 : 0;
}

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc && !gdi::DcTable::Find(hdc)) {
        return {};
    }
    return gdi::DcTable::Add(gdi::DeviceContext::Memory());
}

BOOL DeleteDC(HDC hdc) {
    return gdi::DcTable::Release(hdc) ? TRUE : FALSE;
}

int GetDeviceCaps(HDC hdc, int index) {
    if (!gdi::DcTable::Find(hdc)) {
        return 0;
    }
    switch (index) {
    case HORZRES:
        return display::CurrentBackend().ScreenWidth();
    case VERTRES:
        return display::CurrentBackend().ScreenHeight();
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    default:
        return 0;
    }
}

} // namespace win
