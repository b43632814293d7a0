#pragma once

#include "platform/win/gdi/detail/GdiObject.h"
#include "platform/win/gdi/raster/Surface.h"

#include <cstdint>
#include <span>

namespace win::gdi {

// The object behind an HBITMAP: 1 bpp (monochrome) or 32 bpp (device colour). Pixels are kept
// as 32-bit BGRA either way; a monochrome bitmap holds only black (bit 0) and white (bit 1).
class Bitmap final : public GdiObject {
public:
    Bitmap(int width, int height, int bitsPerPixel);

    int Width() const { return m_surface.Width(); }
    int Height() const { return m_surface.Height(); }
    int BitsPerPixel() const { return m_bitsPerPixel; }
    bool IsMonochrome() const { return m_bitsPerPixel == 1; }

    Surface& Pixels() { return m_surface; }
    const Surface& Pixels() const { return m_surface; }

    int Describe(int size, void* out) const override;

private:
    Surface m_surface;
    int m_bitsPerPixel;
};

// What a monochrome target stores for a colour: white when the colour is at least half bright.
constexpr uint32_t ToMonochromePixel(uint32_t pixel) {
    const uint32_t sum = ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
    return sum >= 384 ? 0xFFFFFFFFu : 0xFF000000u;
}

// A 32-bpp bitmap from top-down rows of 0xAARRGGBB pixels (alpha kept, for icons). Null when
// the size is not positive or bgra holds fewer than width * height pixels.
HBITMAP CreateBitmapFromPixels(int width, int height, std::span<const uint32_t> bgra);

// The bitmap behind a handle, or null (also for handles of other kinds).
Bitmap* LookupBitmap(HBITMAP hbm);

} // namespace win::gdi
