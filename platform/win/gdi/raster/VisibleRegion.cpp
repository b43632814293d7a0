#include "platform/win/gdi/raster/VisibleRegion.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/raster/Surface.h"
#include "platform/win/window/WindowState.h"

namespace win::gdi {

namespace {

void SubtractSiblingsAbove(const detail::WindowRecord& record, Region& region) {
    for (HWND sibling : detail::SiblingList(record)) {
        if (sibling == record.hwnd) {
            return;
        }
        const detail::WindowRecord* above = detail::LookupWindow(sibling);
        if (above && (above->style & WS_VISIBLE)) {
            region.Subtract(above->windowRect);
        }
    }
}

} // namespace

Region VisibleRegion(HWND hwnd, DWORD dcxFlags) {
    const detail::WindowRecord* record = detail::LookupWindow(hwnd);
    if (!record || !detail::IsShownOnScreen(*record)) {
        return {};
    }
    Region region((dcxFlags & DCX_WINDOW) ? record->windowRect : record->clientRect);
    if (dcxFlags & DCX_CLIPCHILDREN) {
        for (HWND child : record->children) {
            const detail::WindowRecord* c = detail::LookupWindow(child);
            if (c && (c->style & WS_VISIBLE)) {
                region.Subtract(c->windowRect);
            }
        }
    }
    const detail::WindowRecord* current = record;
    bool clipSiblings = (dcxFlags & DCX_CLIPSIBLINGS) != 0;
    while (current->parent) {
        const detail::WindowRecord* parent = detail::LookupWindow(current->parent);
        if (!parent) {
            return {};
        }
        if (clipSiblings) {
            SubtractSiblingsAbove(*current, region);
        }
        region.Intersect(parent->clientRect);
        current = parent;
        clipSiblings = (current->style & WS_CLIPSIBLINGS) != 0;
    }
    region.Intersect(current->windowRect);
    region.Offset(-current->windowRect.left, -current->windowRect.top);
    // The framebuffer may cover less than a huge window.
    if (current->surface) {
        region.Intersect(current->surface->Bounds());
    }
    return region;
}

} // namespace win::gdi
