#include "platform/win/gdi/Bitmaps.h"

#include "platform/win/gdi/detail/Bitmap.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/gdi/detail/GdiObjects.h"

#include <memory>

namespace win {

namespace {

// Rows top-down of rowBytes bytes: 1 bpp with the leftmost pixel in the most significant bit,
// 24 bpp as B, G, R, 32 bpp as B, G, R, x.
void ReadRows(gdi::Bitmap& bitmap, const uint8_t* bits, int64_t rowBytes, int bitsPerPixel) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uint8_t* row = bits + static_cast<ptrdiff_t>(y) * rowBytes;
        const auto out = bitmap.Pixels().Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            uint32_t pixel = 0;
            switch (bitsPerPixel) {
            case 1:
                pixel = ((row[x / 8] >> (7 - x % 8)) & 1) ? 0xFFFFFFFFu : 0xFF000000u;
                break;
            case 24: {
                const uint8_t* p = row + static_cast<ptrdiff_t>(x) * 3;
                pixel = 0xFF000000u | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
                break;
            }
            default: {
                const uint8_t* p = row + static_cast<ptrdiff_t>(x) * 4;
                pixel = 0xFF000000u | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
                break;
            }
            }
            out[static_cast<size_t>(x)] = pixel;
        }
    }
}

// Larger bitmaps are refused, as when memory runs out: 256 MiB of pixels.
constexpr int64_t kMaxBitmapPixels = int64_t{1} << 26;

// Bytes in a row of `width` pixels padded to `alignBits`; no overflow for a width that passes
// Make's check.
int64_t RowBytes(int width, int bitsPerPixel, int alignBits) {
    const int64_t rowBits = int64_t{width} * bitsPerPixel;
    return (rowBits + alignBits - 1) / alignBits * (alignBits / 8);
}

HBITMAP Make(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits,
             int64_t rowBytes) {
    if (width <= 0 || height <= 0 || planes != 1 ||
        (bitsPerPixel != 1 && bitsPerPixel != 24 && bitsPerPixel != 32) ||
        int64_t{width} * height > kMaxBitmapPixels) {
        return {};
    }
    auto bitmap = std::make_unique<gdi::Bitmap>(width, height, static_cast<int>(bitsPerPixel));
    if (bits) {
        ReadRows(*bitmap, static_cast<const uint8_t*>(bits), rowBytes,
                 static_cast<int>(bitsPerPixel));
    }
    return HBITMAP(gdi::GdiObjects::Add(std::move(bitmap)));
}

} // namespace

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    return Make(width, height, planes, bitsPerPixel, bits,
                RowBytes(width, static_cast<int>(bitsPerPixel), 16));
}

HBITMAP CreateBitmapIndirect(const BITMAP* bm) {
    if (!bm || bm->bmType != 0) {
        return {};
    }
    const int64_t minimum = RowBytes(bm->bmWidth, bm->bmBitsPixel, 8);
    if (bm->bmBits && bm->bmWidthBytes < minimum) {
        return {};
    }
    return Make(bm->bmWidth, bm->bmHeight, bm->bmPlanes, bm->bmBitsPixel, bm->bmBits,
                bm->bmWidthBytes);
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    const gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || width < 0 || height < 0) {
        return {};
    }
    if (width == 0 || height == 0) {
        return CreateBitmap(1, 1, 1, 1, nullptr);
    }
    return CreateBitmap(width, height, 1, dc->IsMonochrome() ? 1 : 32, nullptr);
}

} // namespace win
