#include "platform/win/gdi/detail/Brush.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/detail/DeviceContext.h"
#include "platform/win/gdi/detail/GdiObjects.h"
#include "platform/win/system/SysColors.h"

#include <cstring>

namespace win::gdi {

namespace {

int Mod(int value, int divisor) {
    const int m = value % divisor;
    return m < 0 ? m + divisor : m;
}

// Which pixels of the 8x8 cell are on a hatch line (tile coordinates).
bool OnHatch(int style, int x, int y) {
    const bool horizontal = y == 0;
    const bool vertical = x == 0;
    const bool forward = x == y;      // "\"
    const bool backward = x + y == 7; // "/"
    switch (style) {
    case HS_HORIZONTAL:
        return horizontal;
    case HS_VERTICAL:
        return vertical;
    case HS_FDIAGONAL:
        return forward;
    case HS_BDIAGONAL:
        return backward;
    case HS_CROSS:
        return horizontal || vertical;
    case HS_DIAGCROSS:
        return forward || backward;
    default:
        return false;
    }
}

} // namespace

std::unique_ptr<Brush> Brush::Hatch(int hatchStyle, COLORREF color) {
    auto brush = std::make_unique<Brush>(BrushStyle::Hatch, color & 0x00FFFFFF, -1);
    brush->m_hatch = hatchStyle;
    return brush;
}

std::unique_ptr<Brush> Brush::Pattern(Surface tile, bool monochrome) {
    auto brush = std::make_unique<Brush>(BrushStyle::Pattern, 0, -1);
    brush->m_tile.emplace(std::move(tile));
    brush->m_monochromeTile = monochrome;
    return brush;
}

std::optional<COLORREF> Brush::Color() const {
    switch (m_style) {
    case BrushStyle::Null:
        return std::nullopt;
    case BrushStyle::Pattern:
        return PixelToColor(m_tile->Pixel(0, 0));
    default:
        return m_sysColorIndex >= 0 ? GetSysColor(m_sysColorIndex) : m_color;
    }
}

std::optional<uint32_t> Brush::PixelAt(const DeviceContext& dc, int x, int y) const {
    switch (m_style) {
    case BrushStyle::Null:
        return std::nullopt;
    case BrushStyle::Solid:
        return ColorToPixel(m_sysColorIndex >= 0 ? GetSysColor(m_sysColorIndex) : m_color);
    case BrushStyle::Hatch: {
        const POINT org = dc.BrushOrigin();
        if (OnHatch(m_hatch, Mod(x - org.x, 8), Mod(y - org.y, 8))) {
            return ColorToPixel(m_color);
        }
        if (dc.BkMode() == TRANSPARENT) {
            return std::nullopt;
        }
        return ColorToPixel(dc.BkColor());
    }
    case BrushStyle::Pattern: {
        const POINT org = dc.BrushOrigin();
        const uint32_t pixel =
            m_tile->Pixel(Mod(x - org.x, m_tile->Width()), Mod(y - org.y, m_tile->Height()));
        if (!m_monochromeTile) {
            return pixel | 0xFF000000u;
        }
        return ColorToPixel((pixel & 0x00FFFFFF) ? dc.BkColor() : dc.TextColor());
    }
    }
    return std::nullopt;
}

int Brush::Describe(int size, void* out) const {
    constexpr int needed = sizeof(LOGBRUSH);
    if (!out) {
        return needed;
    }
    if (size < needed) {
        return 0;
    }
    LOGBRUSH lb;
    switch (m_style) {
    case BrushStyle::Solid:
        lb.lbStyle = BS_SOLID;
        break;
    case BrushStyle::Null:
        lb.lbStyle = BS_NULL;
        break;
    case BrushStyle::Hatch:
        lb.lbStyle = BS_HATCHED;
        lb.lbHatch = static_cast<ULONG_PTR>(m_hatch);
        break;
    case BrushStyle::Pattern:
        lb.lbStyle = BS_PATTERN;
        break;
    }
    lb.lbColor = Color().value_or(0);
    std::memcpy(out, &lb, needed);
    return needed;
}

const Brush* ResolveBrush(HBRUSH brush) {
    const uint32_t value = brush.Value();
    if (value >= 1 && value <= static_cast<uint32_t>(COLOR_COUNT)) {
        return GdiObjects::Find<Brush>(GdiObjects::SysColorBrush(static_cast<int>(value) - 1));
    }
    return GdiObjects::Find<Brush>(brush);
}

std::optional<COLORREF> ResolveBrushColor(HBRUSH brush) {
    const Brush* object = ResolveBrush(brush);
    return object ? object->Color() : std::nullopt;
}

} // namespace win::gdi
