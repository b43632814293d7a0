#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/image/Image.h"

#include <cstdint>
#include <vector>

namespace win::gdi {
class DeviceContext;
}

namespace win::icon {

// The object behind an HICON or HCURSOR: colour pixels, the AND mask (true = transparent) and
// whether the colour pixels carry an alpha channel that replaces the mask when drawing.
class Icon {
public:
    // Transparency from the image's alpha: 0 sets the mask bit; other values blend.
    static Icon FromImage(const image::Image& image, bool isIcon, POINT hotspot);
    // Colour pixels and an explicit mask, the way CreateIconIndirect receives them.
    Icon(int width, int height, std::vector<uint32_t> color, std::vector<bool> mask, bool hasAlpha,
         bool isIcon, POINT hotspot);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsIcon() const { return m_isIcon; }
    bool HasAlpha() const { return m_hasAlpha; }
    POINT Hotspot() const { return m_hotspot; }
    uint32_t Color(int x, int y) const { return m_color[Index(x, y)]; }
    bool Masked(int x, int y) const { return m_mask[Index(x, y)]; }

    // Draws at logical (x, y) scaled to cx x cy, limited to the logical clip when given. Pixels
    // with alpha blend; without alpha, a masked pixel XORs its colour onto the destination (black
    // leaves it unchanged) and an unmasked one is copied. flags: DI_MASK and/or DI_IMAGE.
    void Draw(gdi::DeviceContext& dc, int x, int y, int cx, int cy, const RECT* clip,
              UINT flags) const;

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * m_width + x; }

    int m_width;
    int m_height;
    std::vector<uint32_t> m_color;
    std::vector<bool> m_mask;
    bool m_hasAlpha;
    bool m_isIcon;
    POINT m_hotspot;
};

} // namespace win::icon
