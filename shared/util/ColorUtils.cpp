#include "shared/util/ColorUtils.h"

#include "platform/base/Rounding.h"
#include "platform/win/system/SysColors.h"

namespace shared {

namespace {
constexpr uint32_t kSystemColorBit = 0x80000000u;

int32_t ScaleChannel(int32_t channel, float factor) {
    // The factor keeps its single-precision value (1.1f is 1.10000002...), which decides halves.
    const double scaled = base::RoundHalfEven(channel * static_cast<double>(factor));
    if (!(scaled > 0.0)) // negative factors and NaN
        return 0;
    return scaled >= 255.0 ? 255 : static_cast<int32_t>(scaled);
}
} // namespace

bool IsSystemColor(uint32_t color) {
    return (color & kSystemColorBit) != 0;
}

win::COLORREF TranslateColor(uint32_t color) {
    if (!IsSystemColor(color))
        return color;
    return win::GetSysColor(static_cast<int>(color & ~kSystemColorBit));
}

RgbParts SplitRGB(win::COLORREF color) {
    return {static_cast<int32_t>(color & 255), static_cast<int32_t>((color >> 8) & 255),
            static_cast<int32_t>((color >> 16) & 255)};
}

void SplitRGB(win::COLORREF color, int32_t& r, int32_t& g, int32_t& b) {
    const RgbParts parts = SplitRGB(color);
    r = parts.r;
    g = parts.g;
    b = parts.b;
}

win::COLORREF ScaleColor(win::COLORREF color, float factor) {
    const RgbParts parts = SplitRGB(color);
    return win::RGB(ScaleChannel(parts.r, factor), ScaleChannel(parts.g, factor),
                    ScaleChannel(parts.b, factor));
}

win::COLORREF DarkenColor(win::COLORREF color) {
    return ScaleColor(color, 0.8f);
}

win::COLORREF LightenColor(win::COLORREF color) {
    return ScaleColor(color, 1.1f);
}

} // namespace shared
