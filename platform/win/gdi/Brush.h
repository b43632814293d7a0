#pragma once

#include "platform/win/gdi/GdiObject.h"

#include <memory>
#include <optional>

namespace win::gdi {

enum class BrushStyle { Solid, Null };

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

    Brush(BrushStyle style, COLORREF color, int sysColorIndex)
        : GdiObject(GdiObjectKind::Brush), m_style(style), m_color(color),
          m_sysColorIndex(sysColorIndex) {}

    BrushStyle Style() const { return m_style; }
    // The colour painted now (system-colour brushes follow SetSysColors); empty for hollow.
    std::optional<COLORREF> Color() const;

private:
    BrushStyle m_style;
    COLORREF m_color;
    int m_sysColorIndex;
};

// The colour a brush argument paints with: a brush handle or COLOR_x + 1. Empty for hollow or
// invalid brushes.
std::optional<COLORREF> ResolveBrushColor(HBRUSH brush);

} // namespace win::gdi
