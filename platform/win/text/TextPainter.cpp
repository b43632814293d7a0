#include "platform/win/text/TextPainter.h"

#include "platform/win/gdi/detail/DeviceContext.h"
#include "platform/win/gdi/raster/Surface.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace win::text {

namespace {

enum Ink : uint8_t { kNone = 0, kBackground = 1, kText = 2 };

// Text-space pixels of a line, marked with what paints them.
class InkMask {
public:
    InkMask(int uMin, int vMin, int uMax, int vMax)
        : m_uMin(uMin), m_vMin(vMin), m_width(std::max(0, uMax - uMin)),
          m_height(std::max(0, vMax - vMin)),
          m_ink(static_cast<size_t>(m_width) * m_height, kNone) {}

    int UMin() const { return m_uMin; }
    int VMin() const { return m_vMin; }
    int UMax() const { return m_uMin + m_width; }
    int VMax() const { return m_vMin + m_height; }
    bool Empty() const { return m_width == 0 || m_height == 0; }

    void Fill(int u0, int v0, int u1, int v1, Ink ink) {
        u0 = std::max(u0, m_uMin);
        v0 = std::max(v0, m_vMin);
        u1 = std::min(u1, UMax());
        v1 = std::min(v1, VMax());
        for (int v = v0; v < v1; ++v) {
            for (int u = u0; u < u1; ++u) {
                At(u, v) = ink;
            }
        }
    }
    void Set(int u, int v, Ink ink) {
        if (u >= m_uMin && v >= m_vMin && u < UMax() && v < VMax()) {
            At(u, v) = ink;
        }
    }
    // The pixels of text row v, indexed from UMin(); v must lie inside the mask.
    const uint8_t* Row(int v) const { return &m_ink[Index(m_uMin, v)]; }
    Ink Get(int u, int v) const {
        if (u < m_uMin || v < m_vMin || u >= UMax() || v >= VMax()) {
            return kNone;
        }
        return static_cast<Ink>(m_ink[Index(u, v)]);
    }

private:
    size_t Index(int u, int v) const {
        return static_cast<size_t>(v - m_vMin) * m_width + static_cast<size_t>(u - m_uMin);
    }
    uint8_t& At(int u, int v) { return m_ink[Index(u, v)]; }

    int m_uMin;
    int m_vMin;
    int m_width;
    int m_height;
    std::vector<uint8_t> m_ink;
};

// Text-space point of a device pixel relative to the reference.
POINT DeviceToText(int quarterTurns, int dx, int dy) {
    switch (quarterTurns) {
    case 1:
        return {-dy, dx};
    case 2:
        return {-dx, -dy};
    case 3:
        return {dy, -dx};
    default:
        return {dx, dy};
    }
}

RECT Intersect(const RECT& a, const RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

} // namespace

POINT TextToDevice(int quarterTurns, POINT reference, int u, int v) {
    switch (quarterTurns) {
    case 1:
        return {reference.x + v, reference.y - u};
    case 2:
        return {reference.x - u, reference.y - v};
    case 3:
        return {reference.x - v, reference.y + u};
    default:
        return {reference.x + u, reference.y + v};
    }
}

void PaintLine(gdi::DeviceContext& dc, Font& font, const LinePaint& line) {
    FontFace* face = font.Face();
    const TEXTMETRICA& tm = font.Metrics();
    const int u0 = line.cellOrigin.x;
    const int v0 = line.cellOrigin.y;
    const int baseline = v0 + tm.tmAscent;

    // Glyphs may reach outside their cells (overhangs, accents); the mask covers them too.
    int uMin = u0;
    int uMax = u0 + line.width;
    int vMin = v0;
    int vMax = v0 + tm.tmHeight;
    if (face) {
        int pen = u0;
        for (const LineChar& c : line.chars) {
            const Glyph& glyph = face->GlyphFor(c.code);
            if (glyph.width > 0 && glyph.height > 0) {
                uMin = std::min(uMin, pen + glyph.left);
                uMax = std::max(uMax, pen + glyph.left + glyph.width);
                vMin = std::min(vMin, baseline - glyph.top);
                vMax = std::max(vMax, baseline - glyph.top + glyph.height);
            }
            pen += c.advance;
        }
    }
    // The mask covers only what can show: the DC's clip and the line's, in text space. A line
    // reaching far beyond the surface costs what shows, not its whole length.
    const int turns = font.QuarterTurns();
    const POINT ref = line.reference;
    RECT visible = dc.Clip().Bounds();
    if (line.clip) {
        visible = Intersect(visible, *line.clip);
    }
    if (visible.left >= visible.right || visible.top >= visible.bottom) {
        return;
    }
    const POINT c0 = DeviceToText(turns, visible.left - ref.x, visible.top - ref.y);
    const POINT c1 = DeviceToText(turns, visible.right - 1 - ref.x, visible.bottom - 1 - ref.y);
    uMin = std::max(uMin, std::min(c0.x, c1.x));
    uMax = std::min(uMax, std::max(c0.x, c1.x) + 1);
    vMin = std::max(vMin, std::min(c0.y, c1.y));
    vMax = std::min(vMax, std::max(c0.y, c1.y) + 1);
    InkMask mask(uMin, vMin, uMax, vMax);
    if (mask.Empty()) {
        return;
    }
    if (line.opaqueCells) {
        mask.Fill(u0, v0, u0 + line.width, v0 + tm.tmHeight, kBackground);
    }
    const int thickness = font.LineThickness();
    int pen = u0;
    for (const LineChar& c : line.chars) {
        if (face) {
            const Glyph& glyph = face->GlyphFor(c.code);
            const int left = pen + glyph.left;
            const int top = baseline - glyph.top;
            for (int y = 0; y < glyph.height; ++y) {
                for (int x = 0; x < glyph.width; ++x) {
                    if (glyph.Covers(x, y)) {
                        mask.Set(left + x, top + y, kText);
                    }
                }
            }
        }
        if (c.underline && !font.Underline()) {
            const int top = v0 + font.UnderlineTop();
            mask.Fill(pen, top, pen + c.advance, top + thickness, kText);
        }
        pen += c.advance;
    }
    if (font.Underline()) {
        const int top = v0 + font.UnderlineTop();
        mask.Fill(u0, top, u0 + line.width, top + thickness, kText);
    }
    if (font.StrikeOut()) {
        const int top = v0 + font.StrikeOutTop();
        mask.Fill(u0, top, u0 + line.width, top + thickness, kText);
    }

    const POINT a = TextToDevice(turns, line.reference, mask.UMin(), mask.VMin());
    const POINT b = TextToDevice(turns, line.reference, mask.UMax() - 1, mask.VMax() - 1);
    RECT bounds{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1,
                std::max(a.y, b.y) + 1};
    if (line.clip) {
        bounds = Intersect(bounds, *line.clip);
    }
    const uint32_t textPixel = gdi::ColorToPixel(dc.TextColor());
    const uint32_t backPixel = gdi::ColorToPixel(dc.BkColor());
    dc.ForEachPieceAt(bounds, [&](gdi::Surface& surface, const RECT& piece, POINT offset) {
        if (turns == 0) {
            // Unturned text, the common case: mask rows line up with surface rows.
            for (int y = piece.top; y < piece.bottom; ++y) {
                const auto row = surface.Row(y);
                const uint8_t* ink = mask.Row(y + offset.y - ref.y);
                const int shift = offset.x - ref.x - mask.UMin();
                for (int x = piece.left; x < piece.right; ++x) {
                    if (const uint8_t i = ink[x + shift]; i != kNone) {
                        row[static_cast<size_t>(x)] = i == kText ? textPixel : backPixel;
                    }
                }
            }
            return;
        }
        for (int y = piece.top; y < piece.bottom; ++y) {
            const auto row = surface.Row(y);
            for (int x = piece.left; x < piece.right; ++x) {
                const POINT t = DeviceToText(turns, x + offset.x - ref.x, y + offset.y - ref.y);
                const Ink ink = mask.Get(t.x, t.y);
                if (ink != kNone) {
                    row[static_cast<size_t>(x)] = ink == kText ? textPixel : backPixel;
                }
            }
        }
    });
}

} // namespace win::text
