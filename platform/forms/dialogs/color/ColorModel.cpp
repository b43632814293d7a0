#include "platform/forms/dialogs/color/ColorModel.h"

#include "platform/base/Rounding.h"

#include <algorithm>

namespace forms {

namespace {

constexpr double kScale = 240.0;

int Scaled(double unit) {
    return base::RoundHalfEvenToInt32(unit * kScale);
}

double HueChannel(double p, double q, double t) {
    if (t < 0) {
        t += 1;
    }
    if (t > 1) {
        t -= 1;
    }
    if (t < 1.0 / 6) {
        return p + (q - p) * 6 * t;
    }
    if (t < 0.5) {
        return q;
    }
    if (t < 2.0 / 3) {
        return p + (q - p) * (2.0 / 3 - t) * 6;
    }
    return p;
}

int Byte(double unit) {
    return std::clamp(base::RoundHalfEvenToInt32(unit * 255.0), 0, 255);
}

} // namespace

Hsl HslFromRgb(win::COLORREF color) {
    const double r = win::GetRValue(color) / 255.0;
    const double g = win::GetGValue(color) / 255.0;
    const double b = win::GetBValue(color) / 255.0;
    const double high = std::max({r, g, b});
    const double low = std::min({r, g, b});
    const double lum = (high + low) / 2;
    Hsl hsl;
    hsl.luminosity = Scaled(lum);
    if (high == low) {
        // Greys have no hue; the dialog shows the hue the classic one does for them.
        hsl.hue = 160;
        return hsl;
    }
    const double delta = high - low;
    const double sat = lum > 0.5 ? delta / (2 - high - low) : delta / (high + low);
    double hue = 0;
    if (high == r) {
        hue = (g - b) / delta + (g < b ? 6 : 0);
    } else if (high == g) {
        hue = (b - r) / delta + 2;
    } else {
        hue = (r - g) / delta + 4;
    }
    hsl.hue = Scaled(hue / 6) % 240;
    hsl.saturation = Scaled(sat);
    return hsl;
}

win::COLORREF RgbFromHsl(const Hsl& hsl) {
    const double h = std::clamp(hsl.hue, 0, 240) / kScale;
    const double s = std::clamp(hsl.saturation, 0, 240) / kScale;
    const double l = std::clamp(hsl.luminosity, 0, 240) / kScale;
    if (s == 0) {
        const int grey = Byte(l);
        return win::RGB(grey, grey, grey);
    }
    const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
    const double p = 2 * l - q;
    return win::RGB(Byte(HueChannel(p, q, h + 1.0 / 3)), Byte(HueChannel(p, q, h)),
                    Byte(HueChannel(p, q, h - 1.0 / 3)));
}

} // namespace forms
