#include "platform/win/icon/Icon.h"

#include "platform/win/icon/Icons.h"
#include "platform/win/image/ImageBlit.h"

namespace win::icon {

Icon Icon::FromImage(const image::Image& image, bool isIcon, POINT hotspot) {
    // Decoders leave junk colour under transparent pixels, so alpha decides, never XOR.
    std::vector<bool> mask(image.pixels.size());
    for (size_t i = 0; i < image.pixels.size(); ++i) {
        mask[i] = (image.pixels[i] >> 24) == 0;
    }
    return Icon(image.width, image.height, image.pixels, std::move(mask), true, isIcon, hotspot);
}

Icon::Icon(int width, int height, std::vector<uint32_t> color, std::vector<bool> mask,
           bool hasAlpha, bool isIcon, POINT hotspot)
    : m_width(width), m_height(height), m_color(std::move(color)), m_mask(std::move(mask)),
      m_hasAlpha(hasAlpha), m_isIcon(isIcon), m_hotspot(hotspot) {}

void Icon::Draw(gdi::DeviceContext& dc, int x, int y, int cx, int cy, const RECT* clip,
                UINT flags) const {
    const bool useMask = (flags & DI_MASK) != 0;
    const bool useImage = (flags & DI_IMAGE) != 0;
    if (!useMask && !useImage) {
        return;
    }
    const auto sample = [&](int sx, int sy) {
        const size_t i = Index(sx, sy);
        // The mask travels in the alpha byte: 0 masked, 255 opaque, anything else blends.
        uint32_t alpha = m_mask[i] ? 0u : 255u;
        if (m_hasAlpha) {
            alpha = m_color[i] >> 24;
        }
        return (alpha << 24) | (m_color[i] & 0x00FFFFFFu);
    };
    image::BlitScaled(dc, x, y, cx, cy, clip, m_width, m_height, sample,
                      [&](uint32_t source, uint32_t& destination) {
                          const uint32_t alpha = source >> 24;
                          const uint32_t rgb = source & 0x00FFFFFFu;
                          if (useMask && !useImage) {
                              // The mask alone: black where opaque, white where transparent.
                              destination = alpha == 0 ? 0xFFFFFFFFu : image::kOpaque;
                              return;
                          }
                          if (!useMask) {
                              destination = image::kOpaque | rgb;
                              return;
                          }
                          if (m_hasAlpha) {
                              destination = image::BlendOver(source, destination);
                          } else if (alpha == 0) {
                              destination = (destination ^ rgb) | image::kOpaque;
                          } else {
                              destination = image::kOpaque | rgb;
                          }
                      });
}

} // namespace win::icon
