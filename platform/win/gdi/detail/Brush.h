#pragma once

#include "platform/win/gdi/detail/GdiObject.h"
#include "platform/win/gdi/raster/Surface.h"

#include <memory>
#include <optional>

namespace win::gdi {

enum class BrushStyle { Solid, Null, Hatch, Pattern };

class DeviceContext;

// The object behind an HBRUSH: a solid colour (or a system colour that follows SetSysColors),
// hollow, an 8x8 hatch, or a copied bitmap tile.
class Brush final : public GdiObject {
public:
    static std::unique_ptr<Brush> Solid(COLORREF color) {
        return std::make_unique<Brush>(BrushStyle::Solid, color, -1);
    }
    static std::unique_ptr<Brush> SystemColor(int index) {
        return std::make_unique<Brush>(BrushStyle::Solid, 0, index);
    }
    static std::unique_ptr<Brush> Hollow() {
        return std::make_unique<Brush>(BrushStyle::Null, 0, -1);
    }
    static std::unique_ptr<Brush> Hatch(int hatchStyle, COLORREF color);
    // tile: a copy of the pattern bitmap; monochrome tiles take the DC's colours at use time.
    static std::unique_ptr<Brush> Pattern(Surface tile, bool monochrome);

    Brush(BrushStyle style, COLORREF color, int sysColorIndex)
        : GdiObject(GdiObjectKind::Brush), m_style(style), m_color(color),
          m_sysColorIndex(sysColorIndex) {}

    BrushStyle Style() const { return m_style; }
    // The colour painted now (system-colour brushes follow SetSysColors); empty for hollow.
    // Hatch brushes give their line colour, pattern brushes their top-left tile pixel.
    std::optional<COLORREF> Color() const;

    // The pixel at (x, y) in the DC's own device coordinates (DC space: client-relative for
    // window DCs, so patterns line up with the window whatever its place in the framebuffer) as
    // painted through dc: the colour, or empty where nothing is painted (hollow; hatch gaps in
    // TRANSPARENT mode). The DC's brush origin is applied.
    std::optional<uint32_t> PixelAt(const DeviceContext& dc, int x, int y) const;
    // True when every pixel gets the same colour (solid brushes).
    bool IsUniform() const { return m_style == BrushStyle::Solid; }

    int Describe(int size, void* out) const override;

private:
    BrushStyle m_style;
    COLORREF m_color;
    int m_sysColorIndex;
    int m_hatch = 0;
    std::optional<Surface> m_tile;
    bool m_monochromeTile = false;
};

// The colour a brush argument paints with: a brush handle or COLOR_x + 1. Empty for hollow or
// invalid brushes.
std::optional<COLORREF> ResolveBrushColor(HBRUSH brush);

// The brush behind a brush argument (a handle, or COLOR_x + 1 as the stock system-colour brush).
const Brush* ResolveBrush(HBRUSH brush);

} // namespace win::gdi
