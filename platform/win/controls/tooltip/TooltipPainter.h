#pragma once

#include "platform/win/controls/tooltip/TooltipLayout.h"

#include <string_view>

namespace win::controls {

// Everything a tip's look depends on, read when it is measured or painted.
struct TipLook {
    std::string_view text;
    std::string_view title; // empty: neither title nor icon
    int iconId = 0;         // IDI_* for the title line, 0 for none
    COLORREF back = 0;
    COLORREF ink = 0; // text and border
    HFONT font;       // null: the DC's default font
    RECT margin;
    bool balloon = false;
    bool noPrefix = false;
};

// Measures the tip's parts with the fonts they are drawn in (the title in bold).
TooltipLayout MeasureTip(HDC hdc, const TipLook& look);
// Background, border (and balloon stem), title line with its icon, and the text.
void PaintTip(HDC hdc, const TipLook& look, const RECT& client);

} // namespace win::controls
