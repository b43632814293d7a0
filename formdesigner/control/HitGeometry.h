#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <string_view>

namespace layoutdesk {

// The designer's plain geometry: rectangles in whole scale units or pixels, points as singles,
// every comparison strict. Handle zones lie just outside a rectangle, one handle size deep.
struct HitGeometry {
    float handleX = 0;
    float handleY = 0;

    static bool IsPointInside(const win::RECT& r, float x, float y);
    bool InLeftBand(const win::RECT& r, float x) const;
    bool InRightBand(const win::RECT& r, float x) const;
    bool InMiddleX(const win::RECT& r, float x) const;
    bool InTopBand(const win::RECT& r, float y) const;
    bool InBottomBand(const win::RECT& r, float y) const;
    bool InMiddleY(const win::RECT& r, float y) const;
    // 1..8 for the handle under the point, in the order the corners win over the edges; else 0.
    int32_t HandleAt(const win::RECT& r, float x, float y) const;
};

// left <= right, then top <= bottom.
void NormalizeRect(win::RECT& rect);
// The container's ScaleUnits name as a scale mode: twips when the name is unknown.
int32_t ScaleModeFromUnits(std::string_view units);
// Signed distance from the infinite line through (x1, y1) and (x2, y2), as singles; a vertical
// line gives x - x1.
float LineDistance(const win::RECT& line, float x, float y);
// step * round((value + half) / step), halves to even; a step that is not a positive finite number
// leaves the value as it is.
double SnapToGrid(double value, double step, double half);
// A width or height snapped to whole grid steps and then to a whole unit, never 0; unchanged,
// 0 included, when the step is not usable.
double SnapSizeToGrid(double value, double step, double half);
// Round half to even into a whole unit, pinned to 32 bits.
int32_t Round(double value);

} // namespace layoutdesk
