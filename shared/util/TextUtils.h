#pragma once

// Drawing a string into a cell, and string clean-up.

#include "platform/win/WinTypes.h"

#include <string>
#include <string_view>

namespace shared {

// Where DrawTextEllipsis puts the line inside the cell. The property list and the designer
// centre it; the colour picker and list box draw at the top.
enum class TextPlacement { Centred, Top };

// Draws text at rect.left with ETO_CLIPPED in the DC's selected font and colours. A text wider
// than the cell is replaced by its longest prefix (cut on code points) plus "..." that is
// strictly narrower than the cell, or by the first character plus "..." when none is. Centred
// puts the line at rect.top + (height - text height) / 2 (half to even) when it is lower than the
// cell. An empty text draws nothing. Run-time error 6 when the cell's width or height leaves 32
// bits.
void DrawTextEllipsis(win::HDC hdc, std::string_view text, const win::RECT& rect,
                      TextPlacement placement);

// The text before the first NUL, or all of it.
std::string StripNull(std::string_view text);

} // namespace shared
