#include "platform/win/image/ImageBlit.h"

#include "platform/win/gdi/detail/DeviceContext.h"
#include "platform/win/gdi/raster/Surface.h"
#include "platform/win/image/Image.h"

#include <algorithm>

namespace win::image {

void BlitScaled(gdi::DeviceContext& dc, int x, int y, int cx, int cy, const RECT* clip,
                int srcWidth, int srcHeight, const std::function<uint32_t(int, int)>& sample,
                const PixelOp& op) {
    if (cx <= 0 || cy <= 0 || srcWidth <= 0 || srcHeight <= 0) {
        return;
    }
    const RECT dest = dc.ToDevice(RECT{x, y, x + cx, y + cy});
    RECT target = dest;
    if (clip) {
        const RECT c = dc.ToDevice(*clip);
        target = {std::max(target.left, c.left), std::max(target.top, c.top),
                  std::min(target.right, c.right), std::min(target.bottom, c.bottom)};
    }
    const auto sourceX = [&](int deviceX) {
        return static_cast<int>((int64_t{deviceX - dest.left} * 2 + 1) * srcWidth / (2 * cx));
    };
    const auto sourceY = [&](int deviceY) {
        return static_cast<int>((int64_t{deviceY - dest.top} * 2 + 1) * srcHeight / (2 * cy));
    };
    dc.ForEachPieceAt(target, [&](gdi::Surface& surface, const RECT& piece, POINT offset) {
        for (int py = piece.top; py < piece.bottom; ++py) {
            auto row = surface.Row(py);
            const int sy = sourceY(py + offset.y);
            for (int px = piece.left; px < piece.right; ++px) {
                op(sample(sourceX(px + offset.x), sy), row[static_cast<size_t>(px)]);
            }
        }
    });
}

uint32_t BlendOver(uint32_t source, uint32_t destination) {
    const uint32_t a = source >> 24;
    if (a == 255) {
        return source;
    }
    if (a == 0) {
        return destination;
    }
    const auto channel = [&](int shift) {
        const uint32_t s = (source >> shift) & 0xFF;
        const uint32_t d = (destination >> shift) & 0xFF;
        return ((s * a + d * (255 - a) + 127) / 255) << shift;
    };
    return kOpaque | channel(16) | channel(8) | channel(0);
}

} // namespace win::image
