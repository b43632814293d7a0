#include "platform/win/gdi/Blits.h"

#include "platform/base/Rounding.h"
#include "platform/win/gdi/detail/Bitmap.h"
#include "platform/win/gdi/detail/Brush.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/gdi/detail/GdiObjects.h"
#include "platform/win/gdi/raster/Raster.h"
#include "platform/win/gdi/raster/Rop.h"
#include "platform/win/gdi/raster/Surface.h"
#include "platform/win/window/Geometry.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace win {

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kBlack = 0xFF000000u;

// A copy of the source pixels the blit reads, so overlapping copies within one surface work. Only
// the part of `full` the source can supply is held; pixels outside the source's bitmap, surface or
// clip are absent and not drawn.
struct SourceImage {
    RECT full{};
    RECT stored{};
    std::vector<uint32_t> pixels;
    std::vector<uint8_t> present;
    bool complete = true;

    SourceImage(const gdi::DeviceContext& src, const RECT& deviceRect) : full(deviceRect) {
        const RECT readable = src.Clip().Bounds();
        stored = {std::max(full.left, readable.left), std::max(full.top, readable.top),
                  std::min(full.right, readable.right), std::min(full.bottom, readable.bottom)};
        if (stored.left >= stored.right || stored.top >= stored.bottom) {
            stored = {full.left, full.top, full.left, full.top};
        }
        const size_t w = Width();
        const size_t h = static_cast<size_t>(stored.bottom - stored.top);
        pixels.assign(w * h, kBlack);
        present.assign(w * h, 0);
        size_t found = 0;
        src.ForEachPieceToRead(stored, [&](gdi::Surface& surface, const RECT& piece, POINT offset) {
            const size_t count = static_cast<size_t>(piece.right - piece.left);
            for (int y = piece.top; y < piece.bottom; ++y) {
                const auto row = surface.Row(y).subspan(static_cast<size_t>(piece.left), count);
                const size_t at = static_cast<size_t>(y + offset.y - stored.top) * w +
                                  static_cast<size_t>(piece.left + offset.x - stored.left);
                std::copy(row.begin(), row.end(), pixels.begin() + static_cast<ptrdiff_t>(at));
                std::fill_n(present.begin() + static_cast<ptrdiff_t>(at), count, uint8_t{1});
                found += count;
            }
        });
        complete = stored == full && found == w * h;
    }

    size_t Width() const { return static_cast<size_t>(stored.right - stored.left); }

    // Index into `pixels` of column `column` of `full`, or -1 when the source holds none there.
    int StoredColumn(int column) const {
        const int x = full.left + column - stored.left;
        return x >= 0 && x < stored.right - stored.left ? x : -1;
    }

    // Offset into `pixels` of row `row` of `full`, or nothing when the source holds none there.
    std::optional<size_t> StoredRow(int row) const {
        const int y = full.top + row - stored.top;
        if (y < 0 || y >= stored.bottom - stored.top) {
            return std::nullopt;
        }
        return static_cast<size_t>(y) * Width();
    }
};

struct Extent {
    int start = 0;
    int size = 0;
    bool mirrored = false;
};

// Both ends are pinned to the coordinate range, so a far-reaching blit keeps what shows.
Extent Normalize(int start, int size) {
    const long long a = start;
    const long long b = a + size;
    const int low = PinCoordinate(std::min(a, b));
    return Extent{low, PinCoordinate(std::max(a, b)) - low, size < 0};
}

// Column (or row) of the source sampled by destination index i: floor((i + 0.5) * s / d).
int Sample(int i, const Extent& dst, const Extent& src) {
    const int index = dst.mirrored != src.mirrored ? dst.size - 1 - i : i;
    return static_cast<int>((int64_t{2} * index + 1) * src.size / (int64_t{2} * dst.size));
}

// A plain copy out of another bitmap of the same depth reads the source in place.
bool TryDirectCopy(const gdi::DeviceContext& dst, const RECT& dstRect,
                   const gdi::DeviceContext* src, int sx, int sy, int sw, int sh, uint8_t table,
                   bool transparent) {
    if (!src || transparent || table != gdi::Rop3Table(SRCCOPY) ||
        sw != dstRect.right - dstRect.left || sh != dstRect.bottom - dstRect.top ||
        src->UserClip() || src->IsMonochrome() != dst.IsMonochrome()) {
        return false;
    }
    gdi::Bitmap* bitmap = src->TargetBitmap();
    if (!bitmap || bitmap == dst.TargetBitmap()) {
        return false;
    }
    const POINT so = src->ToDevice(POINT{sx, sy});
    if (so.x < 0 || so.y < 0 || int64_t{so.x} + sw > bitmap->Width() ||
        int64_t{so.y} + sh > bitmap->Height()) {
        return false;
    }
    const gdi::Surface& from = bitmap->Pixels();
    dst.ForEachPieceAt(dstRect, [&](gdi::Surface& surface, const RECT& piece, POINT offset) {
        const int first = piece.left + offset.x - dstRect.left + so.x;
        for (int y = piece.top; y < piece.bottom; ++y) {
            const int row = y + offset.y - dstRect.top + so.y;
            const auto in = from.Pixels().subspan(static_cast<size_t>(row) * from.Width() +
                                                      static_cast<size_t>(first),
                                                  static_cast<size_t>(piece.right - piece.left));
            std::copy(in.begin(), in.end(), surface.Row(y).begin() + piece.left);
        }
    });
    return true;
}

BOOL Blit(HDC hdcDst, int x, int y, int width, int height, HDC hdcSrc, int sx, int sy,
          int sourceWidth, int sourceHeight, DWORD rop, std::optional<COLORREF> transparent) {
    gdi::DeviceContext* dst = gdi::DcTable::Find(hdcDst);
    if (!dst) {
        return FALSE;
    }
    const uint8_t table = gdi::Rop3Table(rop);
    const bool usesSource = transparent || gdi::Rop3UsesSource(table);
    const gdi::DeviceContext* src = usesSource ? gdi::DcTable::Find(hdcSrc) : nullptr;
    if (usesSource && !src) {
        return FALSE;
    }
    const Extent dx = Normalize(x, width);
    const Extent dy = Normalize(y, height);
    if (dx.size == 0 || dy.size == 0) {
        return TRUE;
    }
    const POINT dstOrigin = dst->ToDevice(POINT{dx.start, dy.start});
    const RECT dstRect{dstOrigin.x, dstOrigin.y, dstOrigin.x + dx.size, dstOrigin.y + dy.size};

    if (TryDirectCopy(*dst, dstRect, src, sx, sy, sourceWidth, sourceHeight, table,
                      transparent.has_value())) {
        return TRUE;
    }
    std::optional<SourceImage> source;
    Extent sxExt;
    Extent syExt;
    uint32_t srcBk = 0;
    bool toColour = false;
    bool toMono = false;
    if (src) {
        sxExt = Normalize(sx, sourceWidth);
        syExt = Normalize(sy, sourceHeight);
        if (sxExt.size == 0 || syExt.size == 0) {
            return TRUE;
        }
        const POINT so = src->ToDevice(POINT{sxExt.start, syExt.start});
        source.emplace(*src, RECT{so.x, so.y, so.x + sxExt.size, so.y + syExt.size});
        srcBk = gdi::ColorToPixel(src->BkColor()) & 0x00FFFFFF;
        toColour = src->IsMonochrome() && !dst->IsMonochrome();
        toMono = !src->IsMonochrome() && dst->IsMonochrome();
    }
    const uint32_t dstText = gdi::ColorToPixel(dst->TextColor());
    const uint32_t dstBk = gdi::ColorToPixel(dst->BkColor());
    const auto convert = [&](uint32_t s) {
        if (toColour) {
            return (s & 0x00FFFFFF) ? dstBk : dstText;
        }
        if (toMono) {
            return (s & 0x00FFFFFF) == srcBk ? kWhite : kBlack;
        }
        return s;
    };
    const uint32_t key = transparent ? gdi::ColorToPixel(*transparent) & 0x00FFFFFF : 0;

    const gdi::Brush* brush = gdi::GdiObjects::Find<gdi::Brush>(dst->SelectedBrush());
    const bool usesPattern = gdi::Rop3UsesPattern(table) && !transparent;
    const bool uniformPattern = !brush || brush->IsUniform();
    const uint32_t uniform = brush && brush->Color() ? gdi::ColorToPixel(*brush->Color()) : kBlack;

    // The common straight copy moves whole rows.
    const bool straightCopy = source && table == gdi::Rop3Table(SRCCOPY) && !transparent &&
                              !toColour && !toMono && source->complete && !dx.mirrored &&
                              !dy.mirrored && !sxExt.mirrored && !syExt.mirrored &&
                              dx.size == sxExt.size && dy.size == syExt.size;

    // Sampled source columns for the destination columns that can show.
    const RECT bounds = dst->Clip().Bounds();
    const int firstColumn = std::max(dstRect.left, bounds.left);
    const int lastColumn = std::min(dstRect.right, bounds.right);
    if (firstColumn >= lastColumn) {
        return TRUE;
    }
    std::vector<int> columns(static_cast<size_t>(lastColumn - firstColumn));
    if (source) {
        for (int x = firstColumn; x < lastColumn; ++x) {
            columns[static_cast<size_t>(x - firstColumn)] =
                source->StoredColumn(Sample(x - dstRect.left, dx, sxExt));
        }
    }
    const POINT origin = dst->Origin();
    dst->ForEachPieceAt(dstRect, [&](gdi::Surface& surface, const RECT& piece, POINT offset) {
        for (int py = piece.top; py < piece.bottom; ++py) {
            const int row = py + offset.y - dstRect.top;
            const auto out = surface.Row(py);
            const uint32_t* in = nullptr;
            const uint8_t* present = nullptr;
            if (source) {
                const std::optional<size_t> srcRow = source->StoredRow(Sample(row, dy, syExt));
                if (!srcRow) {
                    continue;
                }
                in = source->pixels.data() + *srcRow;
                present = source->present.data() + *srcRow;
            }
            if (straightCopy) {
                const int first = piece.left + offset.x - dstRect.left;
                std::copy_n(in + first, piece.right - piece.left, out.begin() + piece.left);
                continue;
            }
            for (int px = piece.left; px < piece.right; ++px) {
                uint32_t s = 0;
                if (source) {
                    const int c = columns[static_cast<size_t>(px + offset.x - firstColumn)];
                    if (c < 0 || !present[c]) {
                        continue;
                    }
                    if (transparent && (in[c] & 0x00FFFFFF) == key) {
                        continue;
                    }
                    s = convert(in[c]);
                }
                uint32_t p = uniform;
                if (usesPattern && !uniformPattern) {
                    p = brush->PixelAt(*dst, px + offset.x - origin.x, py + offset.y - origin.y)
                            .value_or(dstBk);
                }
                uint32_t& d = out[static_cast<size_t>(px)];
                d = transparent ? (s | 0xFF000000u) : gdi::ApplyRop3(table, p, s, d);
            }
        }
    });
    return TRUE;
}

} // namespace

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    if (gdi::Rop3UsesSource(gdi::Rop3Table(rop))) {
        return FALSE;
    }
    return Blit(hdc, x, y, width, height, {}, 0, 0, 0, 0, rop, std::nullopt);
}

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, DWORD rop) {
    return Blit(dst, x, y, width, height, src, sx, sy, width, height, rop, std::nullopt);
}

BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy,
                int sourceWidth, int sourceHeight, DWORD rop) {
    return Blit(dst, x, y, width, height, src, sx, sy, sourceWidth, sourceHeight, rop,
                std::nullopt);
}

BOOL TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy,
                    int sourceWidth, int sourceHeight, UINT transparent) {
    if (width < 0 || height < 0 || sourceWidth < 0 || sourceHeight < 0) {
        return FALSE;
    }
    return Blit(dst, x, y, width, height, src, sx, sy, sourceWidth, sourceHeight, SRCCOPY,
                transparent & 0x00FFFFFF);
}

BOOL GradientFill(HDC hdc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh,
                  ULONG meshCount, ULONG mode) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || !vertices || !mesh ||
        (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V)) {
        return FALSE;
    }
    const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
    for (ULONG m = 0; m < meshCount; ++m) {
        if (rects[m].UpperLeft >= vertexCount || rects[m].LowerRight >= vertexCount) {
            return FALSE;
        }
        TRIVERTEX a = vertices[rects[m].UpperLeft];
        TRIVERTEX b = vertices[rects[m].LowerRight];
        const bool horizontal = mode == GRADIENT_FILL_RECT_H;
        // The vertex on the low side of the gradient's axis gives the first colour.
        if ((horizontal ? a.x > b.x : a.y > b.y)) {
            std::swap(a, b);
        }
        const POINT p0 = dc->ToDevice(POINT{a.x, a.y});
        const POINT p1 = dc->ToDevice(POINT{b.x, b.y});
        const RECT r{std::min(p0.x, p1.x), std::min(p0.y, p1.y), std::max(p0.x, p1.x),
                     std::max(p0.y, p1.y)};
        if (r.left >= r.right || r.top >= r.bottom) {
            continue;
        }
        const int span = horizontal ? r.right - r.left : r.bottom - r.top;
        std::vector<uint32_t> ramp(static_cast<size_t>(span));
        const auto channel = [&](COLOR16 c0, COLOR16 c1, int i) {
            const int v0 = c0 >> 8;
            const int v1 = c1 >> 8;
            if (span == 1) {
                return static_cast<uint32_t>(v0);
            }
            return static_cast<uint32_t>(
                base::RoundHalfEven(v0 + (v1 - v0) * static_cast<double>(i) / (span - 1)));
        };
        for (int i = 0; i < span; ++i) {
            ramp[static_cast<size_t>(i)] = 0xFF000000u | (channel(a.Red, b.Red, i) << 16) |
                                           (channel(a.Green, b.Green, i) << 8) |
                                           channel(a.Blue, b.Blue, i);
        }
        gdi::Raster::PaintRegion(
            *dc, gdi::Region(r),
            [&](int x, int y) {
                return std::optional<uint32_t>(
                    ramp[static_cast<size_t>(horizontal ? x - r.left : y - r.top)]);
            },
            R2_COPYPEN);
    }
    return TRUE;
}

} // namespace win
