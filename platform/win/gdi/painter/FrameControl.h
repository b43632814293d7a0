#pragma once

#include "platform/win/WinTypes.h"

namespace win::gdi {

class DeviceContext;

// DrawFrameControl's painting. Every part first gets its face: a raised edge (EDGE_RAISED, face
// filled), a sunken one when DFCS_PUSHED (both with BF_MONO colours when DFCS_MONO), or with
// DFCS_FLAT a one-pixel COLOR_BTNSHADOW ring around the face. Glyphs are centred in the rectangle
// inside that border (2 pixels, 1 when flat) and drawn in COLOR_BTNTEXT, COLOR_GRAYTEXT when
// DFCS_INACTIVE, shifted by (1, 1) when pushed. Their geometry, for an inside of w x h with s =
// min(w, h):
//   - scroll arrows: a solid triangle of n = max(1, s / 4) rows (columns for left/right) whose
//     base is 2n - 1 wide; the apex sits on the centre column (l + (w - 1) / 2), the rows start
//     at t + (h - n) / 2 (up: apex row first; down and combo box: base row first);
//   - caption close: g = max(2, s / 2); in the g x g box at (l + (w - g) / 2, t + (h - g) / 2),
//     row i holds columns i, i + 1, g - i and g - 1 - i (a cross two pixels thick, g + 1 wide);
//   - check box: a square of side min(w, h) centred in the whole rectangle, with a sunken edge
//     (no face border) and a COLOR_WINDOW inside (COLOR_BTNFACE when inactive or pushed); checked,
//     a 7 x 7 tick centred inside: column c covers rows b(c) - 2 .. b(c) with b(c) = 4 + c for c <=
//     2 and 8 - c after; with DFCS_BUTTON3STATE the checked (indeterminate) box has a
//     COLOR_BTNFACE inside and a COLOR_BTNSHADOW tick;
//   - radio button: a disc of diameter d = min(w, h) centred in the whole rectangle: pixels whose
//   centre is within r = d / 2 of
//     the centre; the ring within one pixel of the rim is COLOR_BTNSHADOW on the upper-left half
//     (x + y below the centre's) and COLOR_BTNHIGHLIGHT on the other, the next ring
//     COLOR_3DDKSHADOW and COLOR_3DLIGHT, the inside COLOR_WINDOW; checked, the pixels within
//     d / 5 of the centre take the glyph colour;
//   - push button: the face alone.
class FrameControl {
public:
    // False for an unknown type.
    static bool Draw(DeviceContext& dc, RECT& rect, UINT type, UINT state);
};

} // namespace win::gdi
