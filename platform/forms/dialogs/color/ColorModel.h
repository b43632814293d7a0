#pragma once

#include "platform/win/WinTypes.h"

namespace forms {

// Hue, saturation and luminosity on the colour dialog's scale: each 0 to 240 (hue 240 wraps to 0).
struct Hsl {
    int hue = 0;
    int saturation = 0;
    int luminosity = 0;

    bool operator==(const Hsl&) const = default;
};

Hsl HslFromRgb(win::COLORREF color);
win::COLORREF RgbFromHsl(const Hsl& hsl);

} // namespace forms
