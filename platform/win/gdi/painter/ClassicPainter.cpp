#include "platform/win/gdi/painter/ClassicPainter.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/detail/DeviceContext.h"
#include "platform/win/system/SysColors.h"

namespace win::gdi {

namespace {

struct RingColors {
    int topLeft;
    int bottomRight;
};

// Outer ring of a raised or sunken edge, then the inner ring.
constexpr RingColors kRaisedOuter{COLOR_3DLIGHT, COLOR_3DDKSHADOW};
constexpr RingColors kSunkenOuter{COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
constexpr RingColors kRaisedInner{COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
constexpr RingColors kSunkenInner{COLOR_3DDKSHADOW, COLOR_3DLIGHT};
// The soft variant trades the light colours of the two raised rings.
constexpr RingColors kSoftRaisedOuter{COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW};
constexpr RingColors kSoftRaisedInner{COLOR_3DLIGHT, COLOR_BTNSHADOW};

} // namespace

// Each ring's top-left colour owns the top row and left column except the far corners; the
// bottom-right colour owns the bottom row and right column in full:
//
//   T T T T B
//   T . . . B
//   B B B B B
void ClassicPainter::DrawRing(DeviceContext& dc, const RECT& r, COLORREF topLeft,
                              COLORREF bottomRight, UINT sides) {
    if (r.left >= r.right || r.top >= r.bottom) {
        return;
    }
    if (sides & BF_TOP) {
        dc.FillSolid({r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    }
    if (sides & BF_LEFT) {
        dc.FillSolid({r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    }
    if (sides & BF_BOTTOM) {
        dc.FillSolid({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    }
    if (sides & BF_RIGHT) {
        dc.FillSolid({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    }
}

void ClassicPainter::DrawEdge(DeviceContext& dc, RECT& rect, UINT edge, UINT flags) {
    const UINT sides = flags & BF_RECT;
    RECT inner = rect;
    auto shrink = [&](RECT& r) {
        if (sides & BF_LEFT) {
            ++r.left;
        }
        if (sides & BF_TOP) {
            ++r.top;
        }
        if (sides & BF_RIGHT) {
            --r.right;
        }
        if (sides & BF_BOTTOM) {
            --r.bottom;
        }
    };

    const UINT outer = edge & BDR_OUTER;
    const UINT innerEdge = edge & BDR_INNER;
    if (outer) {
        if (flags & BF_MONO) {
            const COLORREF c = GetSysColor(COLOR_WINDOWFRAME);
            DrawRing(dc, inner, c, c, sides);
        } else if (flags & BF_FLAT) {
            const COLORREF c = GetSysColor(COLOR_BTNSHADOW);
            DrawRing(dc, inner, c, c, sides);
        } else {
            const RingColors colors = (outer & BDR_RAISEDOUTER)
                                          ? ((flags & BF_SOFT) ? kSoftRaisedOuter : kRaisedOuter)
                                          : kSunkenOuter;
            DrawRing(dc, inner, GetSysColor(colors.topLeft), GetSysColor(colors.bottomRight),
                     sides);
        }
        shrink(inner);
    }
    if (innerEdge) {
        if (flags & (BF_MONO | BF_FLAT)) {
            const COLORREF c = GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
            DrawRing(dc, inner, c, c, sides);
        } else {
            const RingColors colors = (innerEdge & BDR_RAISEDINNER)
                                          ? ((flags & BF_SOFT) ? kSoftRaisedInner : kRaisedInner)
                                          : kSunkenInner;
            DrawRing(dc, inner, GetSysColor(colors.topLeft), GetSysColor(colors.bottomRight),
                     sides);
        }
        shrink(inner);
    }
    if (flags & BF_MIDDLE) {
        dc.FillSolid(inner, GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE));
    }
    if (flags & BF_ADJUST) {
        rect = inner;
    }
}

void ClassicPainter::DrawOutline(DeviceContext& dc, RECT& rect, COLORREF color) {
    DrawRing(dc, rect, color, color, BF_RECT);
    rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
}

void ClassicPainter::DrawWindowFrame(DeviceContext& dc, RECT& rect, int thickness) {
    DrawEdge(dc, rect, EDGE_RAISED, BF_RECT | BF_ADJUST);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (int i = 2; i < thickness; ++i) {
        DrawRing(dc, rect, face, face, BF_RECT);
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    }
}

void ClassicPainter::DrawCaption(DeviceContext& dc, const RECT& rect, bool active) {
    if (rect.bottom - rect.top < 1) {
        return;
    }
    dc.FillSolid({rect.left, rect.top, rect.right, rect.bottom - 1},
                 GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    dc.FillSolid({rect.left, rect.bottom - 1, rect.right, rect.bottom}, GetSysColor(COLOR_BTNFACE));
}

void ClassicPainter::DrawScrollBarPlaceholder(DeviceContext& dc, const RECT& rect) {
    dc.FillSolid(rect, GetSysColor(COLOR_SCROLLBAR));
}

} // namespace win::gdi
