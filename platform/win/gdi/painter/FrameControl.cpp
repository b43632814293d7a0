#include "platform/win/gdi/painter/FrameControl.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/DecorationConstants.h"
#include "platform/win/gdi/detail/DeviceContext.h"
#include "platform/win/gdi/painter/ClassicPainter.h"
#include "platform/win/system/SysColors.h"

#include <algorithm>

namespace win::gdi {

namespace {

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

void Dot(DeviceContext& dc, int x, int y, COLORREF color) {
    dc.FillSolid({x, y, x + 1, y + 1}, color);
}

COLORREF GlyphColor(UINT state) {
    return GetSysColor((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
}

// The button face of a part; returns the inside the glyph is centred in.
RECT DrawFace(DeviceContext& dc, RECT rect, UINT state) {
    if (state & DFCS_FLAT) {
        const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
        ClassicPainter::DrawOutline(dc, rect, shadow);
        dc.FillSolid(rect, GetSysColor(COLOR_BTNFACE));
        return rect;
    }
    const UINT edge = (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED;
    const UINT mono = (state & DFCS_MONO) ? BF_MONO : 0;
    ClassicPainter::DrawEdge(dc, rect, edge, BF_RECT | BF_MIDDLE | BF_ADJUST | mono);
    return rect;
}

RECT Shifted(RECT r, UINT state) {
    if (state & DFCS_PUSHED) {
        r = {r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
    }
    return r;
}

void ScrollArrow(DeviceContext& dc, const RECT& inside, UINT part, COLORREF color) {
    const int w = Width(inside);
    const int h = Height(inside);
    const int n = std::max(1, std::min(w, h) / 4);
    const bool vertical =
        part == DFCS_SCROLLUP || part == DFCS_SCROLLDOWN || part == DFCS_SCROLLCOMBOBOX;
    if (vertical) {
        const int apexX = inside.left + (w - 1) / 2;
        const int top = inside.top + (h - n) / 2;
        for (int i = 0; i < n; ++i) {
            // Row i from the apex spans i pixels either side of it.
            const int y = part == DFCS_SCROLLUP ? top + i : top + n - 1 - i;
            dc.FillSolid({apexX - i, y, apexX + i + 1, y + 1}, color);
        }
        return;
    }
    const int apexY = inside.top + (h - 1) / 2;
    const int left = inside.left + (w - n) / 2;
    for (int i = 0; i < n; ++i) {
        const int x = part == DFCS_SCROLLLEFT ? left + i : left + n - 1 - i;
        dc.FillSolid({x, apexY - i, x + 1, apexY + i + 1}, color);
    }
}

void CloseCross(DeviceContext& dc, const RECT& inside, COLORREF color) {
    const int g = std::max(2, std::min(Width(inside), Height(inside)) / 2);
    const int x0 = inside.left + (Width(inside) - g) / 2;
    const int y0 = inside.top + (Height(inside) - g) / 2;
    for (int i = 0; i < g; ++i) {
        for (int column : {i, i + 1, g - i, g - 1 - i}) {
            Dot(dc, x0 + column, y0 + i, color);
        }
    }
}

RECT CenteredSquare(const RECT& rect) {
    const int s = std::min(Width(rect), Height(rect));
    const int left = rect.left + (Width(rect) - s) / 2;
    const int top = rect.top + (Height(rect) - s) / 2;
    return {left, top, left + s, top + s};
}

void CheckBox(DeviceContext& dc, const RECT& rect, UINT state) {
    RECT box = CenteredSquare(rect);
    ClassicPainter::DrawEdge(dc, box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const bool mixed = (state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED);
    const bool dim = mixed || (state & (DFCS_INACTIVE | DFCS_PUSHED)) != 0;
    dc.FillSolid(box, GetSysColor(dim ? COLOR_BTNFACE : COLOR_WINDOW));
    if (!(state & DFCS_CHECKED)) {
        return;
    }
    const COLORREF color = GetSysColor((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT
                                       : mixed                 ? COLOR_BTNSHADOW
                                                               : COLOR_WINDOWTEXT);
    const int left = box.left + (Width(box) - 7) / 2;
    const int top = box.top + (Height(box) - 7) / 2;
    for (int c = 0; c < 7; ++c) {
        const int bottom = c <= 2 ? 4 + c : 8 - c;
        dc.FillSolid({left + c, top + bottom - 2, left + c + 1, top + bottom + 1}, color);
    }
}

void RadioButton(DeviceContext& dc, const RECT& rect, UINT state) {
    const RECT box = CenteredSquare(rect);
    const int d = Width(box);
    // Distances are compared doubled, from pixel centres: (2x + 1 - d)^2 + ... <= (d - 2k)^2.
    const auto within = [&](int x, int y, int radius2) {
        const int dx = 2 * x + 1 - d;
        const int dy = 2 * y + 1 - d;
        return radius2 >= 0 && dx * dx + dy * dy <= radius2 * radius2;
    };
    const bool dim = (state & (DFCS_INACTIVE | DFCS_PUSHED)) != 0;
    const COLORREF inside = GetSysColor(dim ? COLOR_BTNFACE : COLOR_WINDOW);
    const COLORREF dot = GetSysColor((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
    for (int y = 0; y < d; ++y) {
        for (int x = 0; x < d; ++x) {
            if (!within(x, y, d)) {
                continue;
            }
            const bool upperLeft = x + y < d - 1;
            COLORREF color = inside;
            if (!within(x, y, d - 2)) {
                color = GetSysColor(upperLeft ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
            } else if (!within(x, y, d - 4)) {
                color = GetSysColor(upperLeft ? COLOR_3DDKSHADOW : COLOR_3DLIGHT);
            } else if ((state & DFCS_CHECKED) && within(x, y, 2 * d / 5)) {
                color = dot;
            }
            Dot(dc, box.left + x, box.top + y, color);
        }
    }
}

} // namespace

bool FrameControl::Draw(DeviceContext& dc, RECT& rect, UINT type, UINT state) {
    const UINT part = state & 0xFF;
    switch (type) {
    case DFC_CAPTION: {
        const RECT inside = DrawFace(dc, rect, state);
        if (part == DFCS_CAPTIONCLOSE) {
            CloseCross(dc, Shifted(inside, state), GlyphColor(state));
        }
        return true;
    }
    case DFC_SCROLL: {
        const RECT inside = DrawFace(dc, rect, state);
        if (part <= DFCS_SCROLLRIGHT || part == DFCS_SCROLLCOMBOBOX) {
            ScrollArrow(dc, Shifted(inside, state), part, GlyphColor(state));
        }
        return true;
    }
    case DFC_BUTTON:
        if (part & DFCS_BUTTONPUSH) {
            const RECT inside = DrawFace(dc, rect, state);
            if (state & DFCS_ADJUSTRECT) {
                rect = inside;
            }
        } else if (part & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE)) {
            RadioButton(dc, rect, state);
        } else {
            CheckBox(dc, rect, state);
        }
        return true;
    case DFC_MENU:
        return true;
    default:
        return false;
    }
}

} // namespace win::gdi
