#include "platform/win/gdi/detail/DcTable.h"

#include "platform/win/detail/WindowTable.h"
#include "platform/win/gdi/raster/Surface.h"
#include "platform/win/window/TopLevelSurface.h"

#include <algorithm>
#include <unordered_map>

namespace win::gdi {

namespace {

std::unordered_map<uint32_t, std::unique_ptr<DeviceContext>>& Table() {
    thread_local std::unordered_map<uint32_t, std::unique_ptr<DeviceContext>> table;
    return table;
}

// Tells the backend which framebuffer pixels changed. Screen DC damage is split among the
// top-level windows it fell on.
void Present(DeviceContext& dc) {
    const RECT damage = dc.TakeDamage();
    if (damage.left >= damage.right || damage.top >= damage.bottom) {
        return;
    }
    if (!dc.IsScreen()) {
        if (const detail::WindowRecord* root = detail::LookupWindow(dc.Root())) {
            detail::PresentTopLevel(*root, damage);
        }
        return;
    }
    for (HWND hwnd : detail::TopLevelWindowsInZOrder()) {
        const detail::WindowRecord* root = detail::LookupWindow(hwnd);
        if (!root || !root->surface) {
            continue;
        }
        const RECT& w = root->windowRect;
        const RECT local{
            std::max(damage.left, w.left) - w.left, std::max(damage.top, w.top) - w.top,
            std::min(damage.right, w.right) - w.left, std::min(damage.bottom, w.bottom) - w.top};
        if (local.left < local.right && local.top < local.bottom) {
            detail::PresentTopLevel(*root, local);
        }
    }
}

} // namespace

HDC DcTable::Add(std::unique_ptr<DeviceContext> dc) {
    const HDC handle = HDC::New();
    dc->SetHandle(handle);
    Table().emplace(handle.Value(), std::move(dc));
    return handle;
}

DeviceContext* DcTable::Find(HDC hdc) {
    const auto it = Table().find(hdc.Value());
    return it == Table().end() ? nullptr : it->second.get();
}

bool DcTable::Release(HDC hdc) {
    const auto it = Table().find(hdc.Value());
    if (it == Table().end()) {
        return false;
    }
    Present(*it->second);
    it->second->ReleaseSelections();
    Table().erase(it);
    return true;
}

size_t DcTable::LiveCount() {
    return Table().size();
}

void DcTable::Reset() {
    for (auto& entry : Table()) {
        entry.second->ReleaseSelections();
    }
    Table().clear();
}

} // namespace win::gdi
