#pragma once

#include "platform/win/WinTypes.h"

#include <string_view>

namespace win::text {

// The title of a top-level window in its caption bar, for the non-client painter: the bold
// caption face, the (in)active caption text colour, vertically centred, 2 pixels in from the
// left, cut with "..." when the band is too narrow. rect is the text's part of the band, in the
// DC's logical coordinates. Leaves the DC's selection and attributes as they were.
void DrawCaptionText(HDC hdc, const RECT& rect, std::string_view title, bool active);

} // namespace win::text
