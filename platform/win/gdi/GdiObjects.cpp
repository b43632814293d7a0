#include "platform/win/gdi/GdiObjects.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/Brush.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace win::gdi {

namespace {

struct Table {
    std::unordered_map<uint32_t, std::unique_ptr<GdiObject>> objects;
    std::array<HBRUSH, COLOR_COUNT> sysColorBrushes{};
    std::unordered_map<int, HGDIOBJ> stock;
};

Table& Objects() {
    thread_local Table table;
    return table;
}

HGDIOBJ AddStock(std::unique_ptr<GdiObject> object) {
    object->MarkStock();
    return GdiObjects::Add(std::move(object));
}

} // namespace

HGDIOBJ GdiObjects::Add(std::unique_ptr<GdiObject> object) {
    const HGDIOBJ handle = HGDIOBJ::New();
    Objects().objects.emplace(handle.Value(), std::move(object));
    return handle;
}

GdiObject* GdiObjects::Find(HGDIOBJ handle) {
    const auto& objects = Objects().objects;
    const auto it = objects.find(handle.Value());
    return it == objects.end() ? nullptr : it->second.get();
}

bool GdiObjects::Delete(HGDIOBJ handle) {
    auto& objects = Objects().objects;
    const auto it = objects.find(handle.Value());
    if (it == objects.end()) {
        return false;
    }
    if (!it->second->IsStock()) {
        objects.erase(it);
    }
    return true;
}

HBRUSH GdiObjects::SysColorBrush(int index) {
    HBRUSH& brush = Objects().sysColorBrushes.at(static_cast<size_t>(index));
    if (!brush) {
        brush = HBRUSH(AddStock(Brush::SystemColor(index)));
    }
    return brush;
}

HGDIOBJ GdiObjects::Stock(int index) {
    Table& table = Objects();
    if (const auto it = table.stock.find(index); it != table.stock.end()) {
        return it->second;
    }
    std::unique_ptr<GdiObject> object;
    switch (index) {
    case WHITE_BRUSH:
        object = Brush::Solid(RGB(255, 255, 255));
        break;
    case LTGRAY_BRUSH:
        object = Brush::Solid(RGB(192, 192, 192));
        break;
    case GRAY_BRUSH:
        object = Brush::Solid(RGB(128, 128, 128));
        break;
    case DKGRAY_BRUSH:
        object = Brush::Solid(RGB(64, 64, 64));
        break;
    case BLACK_BRUSH:
        object = Brush::Solid(RGB(0, 0, 0));
        break;
    case NULL_BRUSH:
        object = Brush::Hollow();
        break;
    default:
        // Pens, fonts and palettes arrive with the drawing layer.
        return {};
    }
    const HGDIOBJ handle = AddStock(std::move(object));
    table.stock.emplace(index, handle);
    return handle;
}

size_t GdiObjects::LiveCount(GdiObjectKind kind) {
    const auto& objects = Objects().objects;
    return static_cast<size_t>(
        std::count_if(objects.begin(), objects.end(), [&](const auto& entry) {
            return !entry.second->IsStock() && entry.second->Kind() == kind;
        }));
}

size_t GdiObjects::LiveCount() {
    const auto& objects = Objects().objects;
    return static_cast<size_t>(std::count_if(objects.begin(), objects.end(), [](const auto& entry) {
        return !entry.second->IsStock();
    }));
}

void GdiObjects::Reset() {
    std::erase_if(Objects().objects, [](const auto& entry) { return !entry.second->IsStock(); });
}

} // namespace win::gdi
