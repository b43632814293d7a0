#pragma once

#include "platform/win/text/Font.h"
#include "platform/win/text/TextLine.h"

#include <optional>
#include <span>

namespace win::gdi {
class DeviceContext;
}

namespace win::text {

// Draws one line of text through a DC's piece writer. The line is laid out in text space (u along
// the text, v down the cell) and turned by the font's escapement about the reference point:
// text-space pixel (u, v) lands on device pixel (x + u, y + v) unrotated, (x + v, y - u) at 900,
// (x - u, y - v) at 1800 and (x - v, y + u) at 2700.
struct LinePaint {
    POINT reference;  // device coordinates
    POINT cellOrigin; // text-space top-left of the line's cell, relative to the reference
    std::span<const LineChar> chars;
    int width = 0;
    bool opaqueCells = false;
    std::optional<RECT> clip; // device coordinates, on top of the DC's clip
};

void PaintLine(gdi::DeviceContext& dc, Font& font, const LinePaint& line);

// Device pixel of a text-space point, for callers that move the current position.
POINT TextToDevice(int quarterTurns, POINT reference, int u, int v);

} // namespace win::text
