#pragma once

// Frame controls (caption buttons, scroll arrows, check boxes, radio buttons, push buttons) and
// state drawing of icons and bitmaps, in the classic look.

#include "platform/win/WinTypes.h"
#include "platform/win/gdi/DecorationConstants.h"

namespace win {

// Called by DrawStateA for DST_COMPLEX: draws the content at (0, 0) of the DC it is given.
using DRAWSTATEPROC = BOOL (*)(HDC hdc, LPARAM lData, WPARAM wData, int cx, int cy);

// Draws the control part `state` (part and state bits) of `type` into rect (logical coordinates).
// FALSE for a bad DC or an unknown type.
BOOL DrawFrameControl(HDC hdc, RECT* rect, UINT type, UINT state);

// Draws an icon (lData = HICON value), bitmap (lData = HBITMAP value), text (lData = LPCSTR,
// wData = length or 0 for NUL-terminated; transparent, single line, DST_TEXT without prefixes)
// or callback content (drawn by lpfn at (0, 0) with the viewport moved to (x, y)) at (x, y) in its
// natural size, clipped to cx x cy (0 = the content's own size). DSS_DISABLED embosses: the ink
// (opaque pixels not near white, or the glyphs) in COLOR_BTNHIGHLIGHT one pixel down and right,
// then in COLOR_BTNSHADOW in place. hbr is accepted and unused. FALSE, drawing nothing, for a
// handle of the wrong kind or DST_COMPLEX without callback.
BOOL DrawStateA(HDC hdc, HBRUSH hbr, DRAWSTATEPROC lpfn, LPARAM lData, WPARAM wData, int x, int y,
                int cx, int cy, UINT flags);

} // namespace win
