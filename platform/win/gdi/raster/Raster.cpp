#include "platform/win/gdi/raster/Raster.h"

#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/detail/Brush.h"
#include "platform/win/gdi/detail/DeviceContext.h"
#include "platform/win/gdi/raster/Rop.h"
#include "platform/win/gdi/raster/Surface.h"

#include <algorithm>

namespace win::gdi {

namespace {

RECT Intersection(const RECT& a, const RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

RECT Shifted(const RECT& r, POINT by) {
    return {r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y};
}

} // namespace

void Raster::PaintRegion(const DeviceContext& dc, const Region& shape, uint32_t color, int rop2) {
    if (shape.IsEmpty()) {
        return;
    }
    dc.ForEachPieceAt(shape.Bounds(), [&](Surface& surface, const RECT& piece, POINT offset) {
        for (const RECT& part : shape.Rects()) {
            const RECT local = Intersection(Shifted(part, {-offset.x, -offset.y}), piece);
            if (local.left >= local.right || local.top >= local.bottom) {
                continue;
            }
            if (rop2 == R2_COPYPEN) {
                surface.Fill(local, color);
                continue;
            }
            for (int y = local.top; y < local.bottom; ++y) {
                const auto row = surface.Row(y);
                for (int x = local.left; x < local.right; ++x) {
                    uint32_t& pixel = row[static_cast<size_t>(x)];
                    pixel = ApplyRop2(rop2, color, pixel);
                }
            }
        }
    });
}

void Raster::PaintRegion(const DeviceContext& dc, const Region& shape, const ColorAt& colorAt,
                         int rop2) {
    if (shape.IsEmpty()) {
        return;
    }
    dc.ForEachPieceAt(shape.Bounds(), [&](Surface& surface, const RECT& piece, POINT offset) {
        for (const RECT& part : shape.Rects()) {
            const RECT local = Intersection(Shifted(part, {-offset.x, -offset.y}), piece);
            for (int y = local.top; y < local.bottom; ++y) {
                const auto row = surface.Row(y);
                for (int x = local.left; x < local.right; ++x) {
                    const auto color = colorAt(x + offset.x, y + offset.y);
                    if (!color) {
                        continue;
                    }
                    uint32_t& pixel = row[static_cast<size_t>(x)];
                    pixel = ApplyRop2(rop2, *color, pixel);
                }
            }
        }
    });
}

void Raster::PaintRegion(const DeviceContext& dc, const Region& shape, const Brush& brush,
                         int rop2) {
    switch (brush.Style()) {
    case BrushStyle::Null:
        return;
    case BrushStyle::Solid:
        PaintRegion(dc, shape, ColorToPixel(*brush.Color()), rop2);
        return;
    default:
        const POINT origin = dc.Origin();
        PaintRegion(
            dc, shape, [&](int x, int y) { return brush.PixelAt(dc, x - origin.x, y - origin.y); },
            rop2);
    }
}

void Raster::PaintPixels(const DeviceContext& dc, std::span<const PathPixel> pixels,
                         const std::function<std::optional<uint32_t>(size_t)>& colorOf, int rop2) {
    if (pixels.empty()) {
        return;
    }
    const POINT start = pixels[0].point;
    RECT bounds{start.x, start.y, start.x + 1, start.y + 1};
    for (const auto& [p, index] : pixels) {
        bounds = {std::min(bounds.left, p.x), std::min(bounds.top, p.y),
                  std::max(bounds.right, p.x + 1), std::max(bounds.bottom, p.y + 1)};
    }
    dc.ForEachPieceAt(bounds, [&](Surface& surface, const RECT& piece, POINT offset) {
        for (const auto& [p, index] : pixels) {
            const int x = p.x - offset.x;
            const int y = p.y - offset.y;
            if (x < piece.left || x >= piece.right || y < piece.top || y >= piece.bottom) {
                continue;
            }
            const auto color = colorOf(index);
            if (!color) {
                continue;
            }
            uint32_t& pixel = surface.Row(y)[static_cast<size_t>(x)];
            pixel = ApplyRop2(rop2, *color, pixel);
        }
    });
}

} // namespace win::gdi
