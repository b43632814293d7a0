#include "platform/win/window/TopLevelSurface.h"

#include "platform/display/Backend.h"
#include "platform/win/WinConstants.h"
#include "platform/win/detail/WindowRecord.h"
#include "platform/win/gdi/raster/Surface.h"
#include "platform/win/window/Activation.h"
#include "platform/win/window/ActivationInternal.h"

#include <algorithm>

namespace win::detail {

namespace {

display::Rect ToDisplay(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// A framebuffer covers at most this many pixels each way from the window's corner; drawing beyond
// is clipped away, so a huge window does not reserve gigabytes.
constexpr int kMaxSurfaceSide = 8192;

int SurfaceSide(LONG low, LONG high) {
    return static_cast<int>(
        std::clamp<long long>(static_cast<long long>(high) - low, 0, kMaxSurfaceSide));
}

} // namespace

void CreateTopLevelSurface(WindowRecord& record) {
    const RECT& r = record.windowRect;
    record.surface =
        std::make_unique<gdi::Surface>(SurfaceSide(r.left, r.right), SurfaceSide(r.top, r.bottom));
    display::SurfaceTraits traits;
    traits.ownerId = record.owner.Value();
    traits.mayActivate = MayActivate(record);
    traits.borderless =
        (record.style & WS_CAPTION) != WS_CAPTION && !(record.style & WS_THICKFRAME);
    display::CurrentBackend().CreateSurface(record.hwnd.Value(), ToDisplay(r), traits);
    display::CurrentBackend().SetTitle(record.hwnd.Value(), record.text);
}

void DestroyTopLevelSurface(WindowRecord& record) {
    if (!record.surface) {
        return;
    }
    record.surface.reset();
    display::CurrentBackend().DestroySurface(record.hwnd.Value());
}

void SyncTopLevelRect(WindowRecord& record) {
    if (!record.surface) {
        return;
    }
    const RECT& r = record.windowRect;
    record.surface->Resize(SurfaceSide(r.left, r.right), SurfaceSide(r.top, r.bottom));
    display::CurrentBackend().MoveResize(record.hwnd.Value(), ToDisplay(r));
}

void SyncTopLevelShown(const WindowRecord& record) {
    if (!record.surface) {
        return;
    }
    display::CurrentBackend().Show(record.hwnd.Value(), (record.style & WS_VISIBLE) != 0);
    display::CurrentBackend().SetMinimized(record.hwnd.Value(), (record.style & WS_MINIMIZE) != 0);
}

void PresentTopLevel(const WindowRecord& record, const RECT& damage) {
    if (!record.surface) {
        return;
    }
    const gdi::Surface& surface = *record.surface;
    display::CurrentBackend().Present(record.hwnd.Value(), ToDisplay(damage), surface.Pixels(),
                                      surface.Width(), surface.Height());
}

} // namespace win::detail
