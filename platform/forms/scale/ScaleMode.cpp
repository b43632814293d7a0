#include "platform/forms/scale/ScaleMode.h"

#include "platform/base/Rounding.h"

#include <algorithm>
#include <limits>

namespace forms {

bool IsContainerScaleMode(int value) {
    return value >= 0 && value <= 7;
}

bool IsConversionScaleMode(int value) {
    return value >= 0 && value <= 8;
}

double TwipsPerUnit(ScaleMode mode, Axis axis) {
    switch (mode) {
    case ScaleMode::User:
        return 0.0;
    case ScaleMode::Twips:
        return 1.0;
    case ScaleMode::Points:
        return 20.0;
    case ScaleMode::Pixels:
        return kTwipsPerPixel;
    case ScaleMode::Characters:
        return axis == Axis::X ? 120.0 : 240.0;
    case ScaleMode::Inches:
        return 1440.0;
    case ScaleMode::Millimeters:
        return 56.7;
    case ScaleMode::Centimeters:
        return 567.0;
    case ScaleMode::Himetric:
        return 1440.0 / 2540.0;
    }
    return 0.0;
}

double ConvertUnits(double value, ScaleMode from, ScaleMode to, Axis axis) {
    if (from == to)
        return value;
    const double fromTwips = TwipsPerUnit(from, axis);
    const double toTwips = TwipsPerUnit(to, axis);
    if (fromTwips == 0.0 || toTwips == 0.0)
        return std::numeric_limits<double>::quiet_NaN();
    return value * fromTwips / toTwips;
}

double UnitsToPixels(double value, ScaleMode mode, Axis axis) {
    return ConvertUnits(value, mode, ScaleMode::Pixels, axis);
}

double PixelsToUnits(double pixels, ScaleMode mode, Axis axis) {
    return ConvertUnits(pixels, ScaleMode::Pixels, mode, axis);
}

int RoundToPixels(double pixels) {
    // One above the minimum, so a negated pixel count stays in range.
    return std::max(base::RoundHalfEvenToInt32(pixels), std::numeric_limits<int>::min() + 1);
}

std::string_view ScaleUnitsName(ScaleMode mode) {
    switch (mode) {
    case ScaleMode::User:
        return "User";
    case ScaleMode::Twips:
        return "Twip";
    case ScaleMode::Points:
        return "Point";
    case ScaleMode::Pixels:
        return "Pixel";
    case ScaleMode::Characters:
        return "Character";
    case ScaleMode::Inches:
        return "Inch";
    case ScaleMode::Millimeters:
        return "Millimeter";
    case ScaleMode::Centimeters:
        return "Centimeter";
    case ScaleMode::Himetric:
        return "Himetric";
    }
    return "User";
}

} // namespace forms
