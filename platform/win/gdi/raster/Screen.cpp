#include "platform/win/gdi/raster/Screen.h"

#include "platform/display/Backend.h"
#include "platform/win/WinConstants.h"
#include "platform/win/detail/WindowTable.h"
#include "platform/win/gdi/raster/Region.h"
#include "platform/win/system/SysColors.h"

#include <memory>

namespace win::gdi {

namespace {

std::unique_ptr<Surface>& DesktopSurface() {
    thread_local std::unique_ptr<Surface> surface;
    return surface;
}

bool ShownTopLevel(const detail::WindowRecord& record) {
    return (record.style & WS_VISIBLE) && !(record.style & WS_MINIMIZE) && record.surface;
}

} // namespace

Surface& Screen::Desktop() {
    const display::Backend& backend = display::CurrentBackend();
    auto& surface = DesktopSurface();
    if (!surface) {
        surface = std::make_unique<Surface>(backend.ScreenWidth(), backend.ScreenHeight(),
                                            ColorToPixel(GetSysColor(COLOR_BACKGROUND)));
    } else if (surface->Width() != backend.ScreenWidth() ||
               surface->Height() != backend.ScreenHeight()) {
        surface->Resize(backend.ScreenWidth(), backend.ScreenHeight(),
                        ColorToPixel(GetSysColor(COLOR_BACKGROUND)));
    }
    return *surface;
}

void Screen::ForEachPiece(const RECT& screenRect,
                          const std::function<void(Surface&, const RECT&, POINT)>& fn) {
    Region remaining(screenRect);
    for (HWND hwnd : detail::TopLevelWindowsInZOrder()) {
        if (remaining.IsEmpty()) {
            return;
        }
        detail::WindowRecord* record = detail::LookupWindow(hwnd);
        if (!record || !ShownTopLevel(*record)) {
            continue;
        }
        Region covered = remaining;
        covered.Intersect(record->windowRect);
        if (covered.IsEmpty()) {
            continue;
        }
        remaining.Subtract(record->windowRect);
        covered.Offset(-record->windowRect.left, -record->windowRect.top);
        covered.Intersect(record->surface->Bounds());
        for (const RECT& piece : covered.Rects()) {
            fn(*record->surface, piece, POINT{record->windowRect.left, record->windowRect.top});
        }
    }
    Surface& desktop = Desktop();
    remaining.Intersect(desktop.Bounds());
    for (const RECT& piece : remaining.Rects()) {
        fn(desktop, piece, POINT{});
    }
}

Surface Screen::Compose() {
    Surface composite = Desktop();
    const auto order = detail::TopLevelWindowsInZOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const detail::WindowRecord* record = detail::LookupWindow(*it);
        if (!record || !ShownTopLevel(*record)) {
            continue;
        }
        const Surface& source = *record->surface;
        for (int y = 0; y < source.Height(); ++y) {
            for (int x = 0; x < source.Width(); ++x) {
                composite.SetPixel(record->windowRect.left + x, record->windowRect.top + y,
                                   source.Pixel(x, y));
            }
        }
    }
    return composite;
}

void Screen::Reset() {
    DesktopSurface().reset();
}

} // namespace win::gdi
