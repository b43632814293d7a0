#pragma once

#include <cstdint>
#include <string_view>

namespace forms {

// The coordinate units of a container. Values cross the automation boundary as Integers.
enum class ScaleMode : int16_t {
    User = 0,
    Twips = 1,
    Points = 2,
    Pixels = 3,
    Characters = 4,
    Inches = 5,
    Millimeters = 6,
    Centimeters = 7,
    // Only as an argument of ScaleX/ScaleY.
    Himetric = 8,
};

// A mode as the Integer that ScaleMode members and ScaleX/ScaleY arguments carry.
constexpr int16_t ModeValue(ScaleMode mode) {
    return static_cast<int16_t>(mode);
}

enum class Axis { X, Y };

inline constexpr double kTwipsPerPixel = 15.0;

// 0..7 are modes a container can have; 8 (HIMETRIC) is a conversion unit only.
bool IsContainerScaleMode(int value);
bool IsConversionScaleMode(int value);

// Twips in one unit of a fixed mode along an axis (characters are 120 across, 240 down). User
// mode has no fixed size: 0.
double TwipsPerUnit(ScaleMode mode, Axis axis);

// Between two fixed modes; user mode is converted by ScaleSpace, which knows the client size.
double ConvertUnits(double value, ScaleMode from, ScaleMode to, Axis axis);
// Fractional pixels of a length in a fixed mode, and back.
double UnitsToPixels(double value, ScaleMode mode, Axis axis);
double PixelsToUnits(double pixels, ScaleMode mode, Axis axis);

// Whole pixels from a fractional pixel value, halves to even.
int RoundToPixels(double pixels);

// Ambient.ScaleUnits: "User", "Twip", "Point", "Pixel", "Character", "Inch", "Millimeter",
// "Centimeter" (and "Himetric" for completeness).
std::string_view ScaleUnitsName(ScaleMode mode);

} // namespace forms
