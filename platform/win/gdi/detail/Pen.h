#pragma once

#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/detail/GdiObject.h"

#include <span>

namespace win::gdi {

// The object behind an HPEN. Widths 0 and 1 are cosmetic one-pixel pens.
class Pen final : public GdiObject {
public:
    Pen(int style, int width, COLORREF color)
        : GdiObject(GdiObjectKind::Pen), m_style(style), m_width(width < 1 ? 1 : width),
          m_color(color & 0x00FFFFFF) {}

    int Style() const { return m_style; }
    int Width() const { return m_width; }
    COLORREF Color() const { return m_color; }
    bool IsNull() const { return m_style == PS_NULL; }
    // On/off run lengths in device pixels; empty for solid lines (wide pens are always solid).
    std::span<const int> DashPattern() const;

    int Describe(int size, void* out) const override;

private:
    int m_style;
    int m_width;
    COLORREF m_color;
};

} // namespace win::gdi
