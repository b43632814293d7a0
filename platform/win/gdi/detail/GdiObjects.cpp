#include "platform/win/gdi/detail/GdiObjects.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/detail/Bitmap.h"
#include "platform/win/gdi/detail/Brush.h"
#include "platform/win/gdi/detail/Pen.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace win::gdi {

namespace {

struct Table {
    std::unordered_map<uint32_t, std::unique_ptr<GdiObject>> objects;
    std::array<HBRUSH, COLOR_COUNT> sysColorBrushes{};
    std::unordered_map<int, HGDIOBJ> stock;
    GdiObjects::StockFontFactory fontFactory;
};

Table& Objects() {
    thread_local Table table;
    return table;
}

HGDIOBJ AddStock(std::unique_ptr<GdiObject> object) {
    object->MarkStock();
    return GdiObjects::Add(std::move(object));
}

std::unique_ptr<GdiObject> MakeStock(int index) {
    switch (index) {
    case WHITE_BRUSH:
        return Brush::Solid(RGB(255, 255, 255));
    case LTGRAY_BRUSH:
        return Brush::Solid(RGB(192, 192, 192));
    case GRAY_BRUSH:
        return Brush::Solid(RGB(128, 128, 128));
    case DKGRAY_BRUSH:
        return Brush::Solid(RGB(64, 64, 64));
    case BLACK_BRUSH:
        return Brush::Solid(RGB(0, 0, 0));
    case NULL_BRUSH:
        return Brush::Hollow();
    case WHITE_PEN:
        return std::make_unique<Pen>(PS_SOLID, 1, RGB(255, 255, 255));
    case BLACK_PEN:
        return std::make_unique<Pen>(PS_SOLID, 1, RGB(0, 0, 0));
    case NULL_PEN:
        return std::make_unique<Pen>(PS_NULL, 1, RGB(0, 0, 0));
    case GdiObjects::DefaultBitmapIndex:
        return std::make_unique<Bitmap>(1, 1, 1);
    default:
        if (const auto& factory = Objects().fontFactory) {
            return factory(index);
        }
        return nullptr;
    }
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
    if (it == objects.end() || it->second->m_deletePending) {
        return false;
    }
    GdiObject& object = *it->second;
    if (object.IsStock()) {
        return true;
    }
    if (object.m_selections > 0) {
        object.m_deletePending = true;
        return true;
    }
    objects.erase(it);
    return true;
}

void GdiObjects::Selected(HGDIOBJ handle) {
    if (GdiObject* object = Find(handle); object && !object->IsStock()) {
        ++object->m_selections;
    }
}

void GdiObjects::Deselected(HGDIOBJ handle) {
    auto& objects = Objects().objects;
    const auto it = objects.find(handle.Value());
    if (it == objects.end() || it->second->IsStock()) {
        return;
    }
    GdiObject& object = *it->second;
    if (object.m_selections > 0 && --object.m_selections == 0 && object.m_deletePending) {
        objects.erase(it);
    }
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
    std::unique_ptr<GdiObject> object = MakeStock(index);
    if (!object) {
        return {};
    }
    const HGDIOBJ handle = AddStock(std::move(object));
    table.stock.emplace(index, handle);
    return handle;
}

void GdiObjects::SetStockFontFactory(StockFontFactory factory) {
    Objects().fontFactory = std::move(factory);
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
