#include "platform/win/gdi/detail/Bitmap.h"

#include "platform/win/gdi/GdiConstants.h"
#include "platform/win/gdi/detail/GdiObjects.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace win::gdi {

Bitmap::Bitmap(int width, int height, int bitsPerPixel)
    : GdiObject(GdiObjectKind::Bitmap), m_surface(width, height, 0xFF000000u),
      m_bitsPerPixel(bitsPerPixel == 1 ? 1 : 32) {}

int Bitmap::Describe(int size, void* out) const {
    constexpr int needed = sizeof(BITMAP);
    if (!out) {
        return needed;
    }
    if (size < needed) {
        return 0;
    }
    BITMAP bm;
    bm.bmWidth = Width();
    bm.bmHeight = Height();
    bm.bmWidthBytes = IsMonochrome() ? ((Width() + 15) / 16) * 2 : Width() * 4;
    bm.bmPlanes = 1;
    bm.bmBitsPixel = static_cast<WORD>(m_bitsPerPixel);
    std::memcpy(out, &bm, needed);
    return needed;
}

HBITMAP CreateBitmapFromPixels(int width, int height, std::span<const uint32_t> bgra) {
    if (width <= 0 || height <= 0 ||
        bgra.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) {
        return {};
    }
    auto bitmap = std::make_unique<Bitmap>(width, height, 32);
    for (int y = 0; y < height; ++y) {
        const auto row = bgra.subspan(static_cast<size_t>(y) * width, width);
        std::copy(row.begin(), row.end(), bitmap->Pixels().Row(y).begin());
    }
    return HBITMAP(GdiObjects::Add(std::move(bitmap)));
}

Bitmap* LookupBitmap(HBITMAP hbm) {
    return GdiObjects::Find<Bitmap>(hbm);
}

} // namespace win::gdi
