#include "formdesigner/control/HitGeometry.h"

#include "platform/base/Rounding.h"
#include "platform/base/TextCase.h"

#include <cmath>
#include <utility>

namespace layoutdesk {

bool HitGeometry::IsPointInside(const win::RECT& r, float x, float y) {
    return r.left < x && x < r.right && r.top < y && y < r.bottom;
}

bool HitGeometry::InLeftBand(const win::RECT& r, float x) const {
    return r.left - handleX < x && x < r.left;
}

bool HitGeometry::InRightBand(const win::RECT& r, float x) const {
    return r.right < x && x < r.right + handleX;
}

// Edge sums are taken as singles: two far edges can pass 32 bits.
bool HitGeometry::InMiddleX(const win::RECT& r, float x) const {
    const float sum = static_cast<float>(r.left) + static_cast<float>(r.right);
    return (sum - handleX) / 2 < x && x < (sum + handleX) / 2;
}

bool HitGeometry::InTopBand(const win::RECT& r, float y) const {
    return r.top - handleY < y && y < r.top;
}

bool HitGeometry::InBottomBand(const win::RECT& r, float y) const {
    return r.bottom < y && y < r.bottom + handleY;
}

bool HitGeometry::InMiddleY(const win::RECT& r, float y) const {
    const float sum = static_cast<float>(r.top) + static_cast<float>(r.bottom);
    return (sum - handleY) / 2 < y && y < (sum + handleY) / 2;
}

int32_t HitGeometry::HandleAt(const win::RECT& r, float x, float y) const {
    const bool left = InLeftBand(r, x);
    const bool right = InRightBand(r, x);
    const bool top = InTopBand(r, y);
    const bool bottom = InBottomBand(r, y);
    if (left && top)
        return 5;
    if (right && top)
        return 6;
    if (right && bottom)
        return 7;
    if (left && bottom)
        return 8;
    if (left && InMiddleY(r, y))
        return 1;
    if (top && InMiddleX(r, x))
        return 2;
    if (right && InMiddleY(r, y))
        return 3;
    if (bottom && InMiddleX(r, x))
        return 4;
    return 0;
}

void NormalizeRect(win::RECT& rect) {
    if (rect.left > rect.right)
        std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom)
        std::swap(rect.top, rect.bottom);
}

int32_t ScaleModeFromUnits(std::string_view units) {
    static constexpr std::pair<std::string_view, int32_t> kModes[] = {
        {"TWIP", 1},       {"PIXEL", 3},      {"POINT", 2},    {"INCH", 5},
        {"CENTIMETER", 7}, {"MILLIMETER", 6}, {"CHARACTER", 4}};
    for (const auto& [name, mode] : kModes)
        if (base::EqualsNoCase(name, units))
            return mode;
    return 1;
}

float LineDistance(const win::RECT& line, float x, float y) {
    if (line.left == line.right)
        return x - static_cast<float>(line.left);
    // Differences as singles: the ends of a long line can lie more than 32 bits apart.
    const float m = (static_cast<float>(line.bottom) - static_cast<float>(line.top)) /
                    (static_cast<float>(line.right) - static_cast<float>(line.left));
    const float c = static_cast<float>(line.top) - m * static_cast<float>(line.left);
    return (m * x - y + c) / std::sqrt(m * m + 1);
}

namespace {

// Stored grid sizes are not checked: 0, negative or overflowing steps leave values unsnapped.
bool UsableStep(double step) {
    return step > 0 && std::isfinite(step);
}

} // namespace

double SnapToGrid(double value, double step, double half) {
    if (!UsableStep(step))
        return value;
    return step * base::RoundHalfEven((value + half) / step);
}

double SnapSizeToGrid(double value, double step, double half) {
    if (!UsableStep(step))
        return value;
    const int32_t whole = Round(SnapToGrid(value, step, half));
    return whole == 0 ? 1 : whole;
}

int32_t Round(double value) {
    return base::RoundHalfEvenToInt32(value);
}

} // namespace layoutdesk
