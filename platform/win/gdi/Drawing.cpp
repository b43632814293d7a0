#include "platform/win/gdi/Drawing.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/detail/Brush.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/gdi/detail/GdiObjects.h"
#include "platform/win/gdi/detail/Pen.h"
#include "platform/win/gdi/painter/ClassicPainter.h"
#include "platform/win/gdi/raster/LineRaster.h"
#include "platform/win/gdi/raster/PenStroke.h"
#include "platform/win/gdi/raster/Raster.h"
#include "platform/win/gdi/raster/Surface.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>
#include <utility>
#include <vector>

namespace win {

namespace {

using gdi::Raster;
using gdi::Region;

// Device rectangle from logical corners in any order.
RECT NormalizedDevice(const gdi::DeviceContext& dc, int left, int top, int right, int bottom) {
    const POINT a = dc.ToDevice(POINT{left, top});
    const POINT b = dc.ToDevice(POINT{right, bottom});
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

bool IsEmpty(const RECT& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

RECT Deflate(const RECT& r, int by) {
    return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

Region Ring(const RECT& outer, int width) {
    Region ring(outer);
    ring.Subtract(Deflate(outer, width));
    return ring;
}

const gdi::Pen& SelectedPen(const gdi::DeviceContext& dc) {
    if (const gdi::Pen* pen = gdi::GdiObjects::Find<gdi::Pen>(dc.SelectedPen())) {
        return *pen;
    }
    return *gdi::GdiObjects::Find<gdi::Pen>(gdi::GdiObjects::Stock(BLACK_PEN));
}

const gdi::Brush* SelectedBrush(const gdi::DeviceContext& dc) {
    return gdi::GdiObjects::Find<gdi::Brush>(dc.SelectedBrush());
}

// Colour of pixel `index` of a cosmetic line whose pattern has already run `phase` pixels: the
// pen colour on dashes, the background colour in gaps (OPAQUE), nothing in gaps (TRANSPARENT).
std::function<std::optional<uint32_t>(size_t)> PenColors(const gdi::DeviceContext& dc,
                                                         const gdi::Pen& pen, int phase) {
    const uint32_t ink = gdi::ColorToPixel(pen.Color());
    const std::span<const int> dashes = pen.DashPattern();
    if (dashes.empty()) {
        return [ink](size_t) { return std::optional<uint32_t>(ink); };
    }
    const int period = std::accumulate(dashes.begin(), dashes.end(), 0);
    const std::optional<uint32_t> gap =
        dc.BkMode() == OPAQUE ? std::optional<uint32_t>(gdi::ColorToPixel(dc.BkColor()))
                              : std::nullopt;
    return [=](size_t index) {
        int position = static_cast<int>((static_cast<size_t>(phase) + index) % period);
        for (size_t run = 0; run < dashes.size(); ++run) {
            if (position < dashes[run]) {
                return run % 2 == 0 ? std::optional<uint32_t>(ink) : gap;
            }
            position -= dashes[run];
        }
        return gap;
    };
}

// Every dash pattern's period divides this, so the phase can wrap without a visible seam.
constexpr size_t kDashCycle = 24 * 4096;

// The device area worth rasterising: the clip's bounds widened by margin pixels.
RECT Limit(const gdi::DeviceContext& dc, int margin) {
    const RECT b = dc.Clip().Bounds();
    return {b.left - margin, b.top - margin, b.right + margin, b.bottom + margin};
}

// Draws a one-pixel path (distinct pixels) with the pen. A thin pen paints the pixels as they
// are: a region of a long line built pixel by pixel would cost the square of its length.
void StrokePath(const gdi::DeviceContext& dc, const gdi::Pen& pen,
                std::span<const gdi::PathPixel> path, int phase) {
    if (pen.IsNull() || path.empty()) {
        return;
    }
    if (pen.Width() > 1) {
        Raster::PaintRegion(dc, gdi::PenStroke(path, pen.Width(), dc.Clip().Bounds()),
                            gdi::ColorToPixel(pen.Color()), dc.Rop2());
        return;
    }
    Raster::PaintPixels(dc, path, PenColors(dc, pen, phase), dc.Rop2());
}

// The pixels of a closed or open chain of lines, each once, in drawing order.
std::vector<gdi::PathPixel> ChainPixels(const gdi::DeviceContext& dc, std::span<const POINT> points,
                                        bool closed, const RECT& limit) {
    std::vector<gdi::PathPixel> path;
    std::set<std::pair<LONG, LONG>> seen;
    const size_t edges = closed ? points.size() : points.size() - 1;
    size_t travelled = 0;
    for (size_t i = 0; i < edges; ++i) {
        const POINT from = dc.ToDevice(points[i]);
        const POINT to = dc.ToDevice(points[(i + 1) % points.size()]);
        size_t length = 0;
        for (const auto& [p, index] : gdi::LinePixels(from, to, limit, &length)) {
            if (seen.insert({p.x, p.y}).second) {
                path.push_back({p, travelled + index});
            }
        }
        travelled += length;
    }
    return path;
}

// Pixel centres inside the polygon by the even-odd rule; a centre on an edge belongs to the
// pixel right of or below it (top-left rule).
Region PolygonInterior(std::span<const POINT> device, const RECT& limit) {
    Region interior;
    if (device.size() < 3) {
        return interior;
    }
    LONG top = device[0].y;
    LONG bottom = device[0].y;
    for (const POINT& p : device) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    top = std::max(top, limit.top);
    bottom = std::min(bottom, limit.bottom);
    std::vector<double> crossings;
    for (LONG y = top; y < bottom; ++y) {
        const double yc = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < device.size(); ++i) {
            const POINT a = device[i];
            const POINT b = device[(i + 1) % device.size()];
            if (a.y == b.y) {
                continue;
            }
            const double y0 = std::min(a.y, b.y);
            const double y1 = std::max(a.y, b.y);
            if (yc < y0 || yc >= y1) {
                continue;
            }
            crossings.push_back(a.x + (yc - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const double x0 = std::max<double>(std::ceil(crossings[i] - 0.5), limit.left);
            const double x1 = std::min<double>(std::ceil(crossings[i + 1] - 0.5), limit.right);
            if (x0 >= x1) {
                continue;
            }
            interior.AddDisjoint(RECT{static_cast<LONG>(x0), y, static_cast<LONG>(x1), y + 1});
        }
    }
    return interior;
}

// The one-pixel border of r clockwise from the top-left corner, so dashes run round the
// corners; only the pixels inside limit are listed, with their places along the whole border.
std::vector<gdi::PathPixel> BorderPath(const RECT& r, const RECT& limit) {
    std::vector<gdi::PathPixel> path;
    const int64_t width = int64_t{r.right} - r.left;
    const int64_t height = int64_t{r.bottom} - r.top;
    const auto add = [&](LONG x, LONG y, int64_t index) {
        path.push_back({{x, y}, static_cast<size_t>(index)});
    };
    // Top row left to right.
    for (LONG x = std::max(r.left, limit.left); x < std::min(r.right, limit.right); ++x) {
        if (r.top >= limit.top && r.top < limit.bottom) {
            add(x, r.top, x - r.left);
        }
    }
    // Right column downwards.
    const LONG right = r.right - 1;
    if (right >= limit.left && right < limit.right) {
        for (LONG y = std::max(r.top + 1, limit.top); y < std::min(r.bottom, limit.bottom); ++y) {
            add(right, y, width + (y - r.top - 1));
        }
    }
    const int64_t bottomStart = width + height - 1;
    // Bottom row right to left.
    const LONG bottom = r.bottom - 1;
    if (height > 1 && bottom >= limit.top && bottom < limit.bottom) {
        for (LONG x = std::min(r.right - 2, limit.right - 1); x >= std::max(r.left, limit.left);
             --x) {
            add(x, bottom, bottomStart + (r.right - 2 - x));
        }
    }
    // Left column upwards.
    const int64_t leftStart = bottomStart + width - 1;
    if (width > 1 && r.left >= limit.left && r.left < limit.right) {
        for (LONG y = std::min(r.bottom - 2, limit.bottom - 1); y > std::max(r.top, limit.top - 1);
             --y) {
            add(r.left, y, leftStart + (r.bottom - 2 - y));
        }
    }
    return path;
}

BOOL DrawShape(HDC hdc, std::span<const POINT> points, bool closed, bool filled) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || points.size() < 2) {
        return FALSE;
    }
    const gdi::Pen& pen = SelectedPen(*dc);
    const RECT limit = Limit(*dc, pen.Width());
    const std::vector<gdi::PathPixel> path = ChainPixels(*dc, points, closed, limit);
    Region interior;
    if (filled) {
        std::vector<POINT> device;
        for (const POINT& p : points) {
            device.push_back(dc->ToDevice(p));
        }
        interior = PolygonInterior(device, limit);
    }
    Region outline;
    if (!pen.IsNull()) {
        outline = gdi::PenStroke(path, std::max(pen.Width(), 1), dc->Clip().Bounds());
    }
    interior.Subtract(outline);
    if (const gdi::Brush* brush = SelectedBrush(*dc); brush && filled) {
        Raster::PaintRegion(*dc, interior, *brush, dc->Rop2());
    }
    StrokePath(*dc, pen, path, 0);
    return TRUE;
}

} // namespace

int FillRect(HDC hdc, const RECT* rect, HBRUSH hbr) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || !rect) {
        return 0;
    }
    const gdi::Brush* brush = gdi::ResolveBrush(hbr);
    if (!brush || brush->Style() == gdi::BrushStyle::Null) {
        return 0;
    }
    const RECT device = dc->ToDevice(*rect);
    if (!IsEmpty(device)) {
        Raster::PaintRegion(*dc, Region(device), *brush, R2_COPYPEN);
    }
    return 1;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH hbr) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || !rect) {
        return 0;
    }
    const gdi::Brush* brush = gdi::ResolveBrush(hbr);
    if (!brush) {
        return 0;
    }
    const RECT device = dc->ToDevice(*rect);
    if (!IsEmpty(device)) {
        Raster::PaintRegion(*dc, Ring(device, 1), *brush, R2_COPYPEN);
    }
    return 1;
}

BOOL InvertRect(HDC hdc, const RECT* rect) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || !rect) {
        return FALSE;
    }
    const RECT device = dc->ToDevice(*rect);
    if (!IsEmpty(device)) {
        Raster::PaintRegion(*dc, Region(device), 0u, R2_NOT);
    }
    return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || !rect) {
        return FALSE;
    }
    const RECT device = dc->ToDevice(*rect);
    if (IsEmpty(device)) {
        return TRUE;
    }
    // A one-pixel checkerboard XOR-ed in: pixels with x + y even in the DC's device coordinates
    // are the pattern's 1 bits (background colour), the others its 0 bits (text colour).
    const uint32_t one = gdi::ColorToPixel(dc->BkColor());
    const uint32_t zero = gdi::ColorToPixel(dc->TextColor());
    const POINT origin = dc->Origin();
    const int parity = (origin.x + origin.y) & 1;
    Raster::PaintRegion(
        *dc, Ring(device, 1),
        [&](int x, int y) {
            return std::optional<uint32_t>(((x + y + parity) & 1) == 0 ? one : zero);
        },
        R2_XORPEN);
    return TRUE;
}

BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || !rect) {
        return FALSE;
    }
    gdi::ClassicPainter::DrawEdge(*dc, *rect, edge, flags);
    return TRUE;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    const gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    return dc ? dc->PixelAt(x, y) : CLR_INVALID;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return CLR_INVALID;
    }
    const POINT d = dc->ToDevice(POINT{x, y});
    Raster::PaintRegion(*dc, Region(RECT{d.x, d.y, d.x + 1, d.y + 1}),
                        gdi::ColorToPixel(color & 0x00FFFFFF), R2_COPYPEN);
    return dc->PixelAt(x, y);
}

BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color) {
    return SetPixel(hdc, x, y, color) != CLR_INVALID ? TRUE : FALSE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return FALSE;
    }
    const gdi::Pen& pen = SelectedPen(*dc);
    size_t length = 0;
    const std::vector<gdi::PathPixel> path =
        gdi::LinePixels(dc->ToDevice(dc->CurrentPosition()), dc->ToDevice(POINT{x, y}),
                        Limit(*dc, pen.Width()), &length);
    StrokePath(*dc, pen, path, dc->DashPhase());
    dc->SetDashPhase(
        static_cast<int>((static_cast<size_t>(dc->DashPhase()) + length) % kDashCycle));
    dc->SetCurrentPosition({x, y});
    return TRUE;
}

// Outline and interior are disjoint and each pixel is touched once, so the call undoes itself
// under R2_NOT and R2_XORPEN. The wide-pen band lies w pixels inward from (l - w/2, t - w/2,
// r + (w-1)/2, b + (w-1)/2), so the band is centred on the one-pixel border for odd widths and
// leans outward by half a pixel for even ones.
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return FALSE;
    }
    const RECT r = NormalizedDevice(*dc, left, top, right, bottom);
    if (IsEmpty(r)) {
        return TRUE;
    }
    const gdi::Pen& pen = SelectedPen(*dc);
    const int w = pen.Width();
    RECT interior;
    if (pen.IsNull()) {
        interior = {r.left, r.top, r.right - 1, r.bottom - 1};
    } else {
        const RECT outer = pen.Style() == PS_INSIDEFRAME
                               ? r
                               : RECT{r.left - w / 2, r.top - w / 2, r.right + (w - 1) / 2,
                                      r.bottom + (w - 1) / 2};
        interior = Deflate(outer, w);
        if (!pen.DashPattern().empty()) {
            Raster::PaintPixels(*dc, BorderPath(outer, Limit(*dc, 1)), PenColors(*dc, pen, 0),
                                dc->Rop2());
        } else {
            Raster::PaintRegion(*dc, Ring(outer, w), gdi::ColorToPixel(pen.Color()), dc->Rop2());
        }
    }
    if (const gdi::Brush* brush = SelectedBrush(*dc); brush && !IsEmpty(interior)) {
        Raster::PaintRegion(*dc, Region(interior), *brush, dc->Rop2());
    }
    return TRUE;
}

BOOL Polygon(HDC hdc, const POINT* points, int count) {
    if (!points || count < 2) {
        return FALSE;
    }
    return DrawShape(hdc, std::span(points, static_cast<size_t>(count)), true, true);
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
    if (!points || count < 2) {
        return FALSE;
    }
    return DrawShape(hdc, std::span(points, static_cast<size_t>(count)), false, false);
}

namespace {

// Whether the centre of pixel (x, y) lies inside the ellipse inscribed in r.
bool InEllipse(const RECT& r, LONG x, LONG y) {
    if (IsEmpty(r)) {
        return false;
    }
    const double nx = (x + 0.5 - (r.left / 2.0 + r.right / 2.0)) / (r.right / 2.0 - r.left / 2.0);
    const double ny = (y + 0.5 - (r.top / 2.0 + r.bottom / 2.0)) / (r.bottom / 2.0 - r.top / 2.0);
    return nx * nx + ny * ny <= 1.0;
}

} // namespace

// Pixel centres inside the inscribed ellipse are the shape. A one-pixel pen's outline is the
// pixels with a neighbour outside it; a wider pen's is the band between the ellipse of its outer
// frame (placed as for Rectangle) and the one its width further in. The rest is the interior.
BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return FALSE;
    }
    const RECT r = NormalizedDevice(*dc, left, top, right, bottom);
    if (IsEmpty(r)) {
        return TRUE;
    }
    const gdi::Pen& pen = SelectedPen(*dc);
    const int w = pen.IsNull() ? 0 : pen.Width();
    const RECT outer =
        w > 1 && pen.Style() != PS_INSIDEFRAME
            ? RECT{r.left - w / 2, r.top - w / 2, r.right + (w - 1) / 2, r.bottom + (w - 1) / 2}
            : r;
    const RECT inner = Deflate(outer, w);
    Region outline;
    Region interior;
    const RECT limit = Limit(*dc, 1);
    // Runs of pixels alike go into the regions whole: a region built pixel by pixel would cost
    // the square of the ellipse's area.
    enum class Part { Outside, Outline, Interior };
    const auto partOf = [&](LONG x, LONG y) {
        if (!InEllipse(outer, x, y)) {
            return Part::Outside;
        }
        if (w > 1) {
            return InEllipse(inner, x, y) ? Part::Interior : Part::Outline;
        }
        const bool edge = !InEllipse(outer, x - 1, y) || !InEllipse(outer, x + 1, y) ||
                          !InEllipse(outer, x, y - 1) || !InEllipse(outer, x, y + 1);
        return edge && w > 0 ? Part::Outline : Part::Interior;
    };
    const LONG firstX = std::max(outer.left, limit.left);
    const LONG endX = std::min(outer.right, limit.right);
    for (LONG y = std::max(outer.top, limit.top); y < std::min(outer.bottom, limit.bottom); ++y) {
        for (LONG x = firstX; x < endX;) {
            const Part part = partOf(x, y);
            const LONG start = x;
            while (++x < endX && partOf(x, y) == part) {
            }
            if (part != Part::Outside) {
                (part == Part::Outline ? outline : interior).AddDisjoint(RECT{start, y, x, y + 1});
            }
        }
    }
    if (const gdi::Brush* brush = SelectedBrush(*dc)) {
        Raster::PaintRegion(*dc, interior, *brush, dc->Rop2());
    }
    Raster::PaintRegion(*dc, outline, gdi::ColorToPixel(pen.Color()), dc->Rop2());
    return TRUE;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return CLR_INVALID;
    }
    const COLORREF old = dc->TextColor();
    dc->SetTextColor(color & 0x00FFFFFF);
    return old;
}

COLORREF GetTextColor(HDC hdc) {
    const gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    return dc ? dc->TextColor() : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return CLR_INVALID;
    }
    const COLORREF old = dc->BkColor();
    dc->SetBkColor(color & 0x00FFFFFF);
    return old;
}

COLORREF GetBkColor(HDC hdc) {
    const gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    return dc ? dc->BkColor() : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) {
        return 0;
    }
    const int old = dc->BkMode();
    dc->SetBkMode(mode);
    return old;
}

int GetBkMode(HDC hdc) {
    const gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    return dc ? dc->BkMode() : 0;
}

} // namespace win
