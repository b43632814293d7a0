#pragma once

#include "shared/gdi/CResourceMgr.h"

#include "platform/win/WinTypes.h"

#include <cstdint>

namespace shelfstrip {

// Two-colour shading of a rectangle by ksGradientType: the gradient colour at the left edge
// (horizontal), the top edge (vertical) or the middle (the centre types), the back colour at the
// other edge or edges. Both colours are RGB. Unknown types draw nothing.

// Through the platform's gradient fill; ksGradientNone fills with the back colour ("GradEnd").
void FillGradient(win::HDC hdc, const win::RECT& rect, win::COLORREF gradColor,
                  win::COLORREF backColor, int32_t type, shared::CResourceMgr& cache);

// In solid bands ("GradStart") where the colour moves by more than 0.025 at a time; the band
// ending at parameter t (1 is the gradient colour) has each channel t * grad + (1 - t) * back,
// single precision, halves to even. ksGradientNone draws nothing, and so does a rectangle empty
// in the gradient's direction.
void FillGradientBanded(win::HDC hdc, const win::RECT& rect, win::COLORREF gradColor,
                        win::COLORREF backColor, int32_t type, shared::CResourceMgr& cache);

// The band colour at parameter t.
win::COLORREF BandColor(float t, win::COLORREF gradColor, win::COLORREF backColor);

} // namespace shelfstrip
