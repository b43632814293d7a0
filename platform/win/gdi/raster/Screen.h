#pragma once

#include "platform/win/gdi/raster/Surface.h"

#include <functional>

namespace win::gdi {

// The screen as the composite of the desktop framebuffer and the shown top-level framebuffers.
// Drawing on the screen writes through to whichever framebuffer shows each pixel, so XOR drawing
// through the screen DC stays reversible.
class Screen {
public:
    // The desktop's own framebuffer (screen sized, desktop colour).
    static Surface& Desktop();

    // Splits screenRect among the framebuffers showing it; fn gets each piece in that
    // framebuffer's coordinates and the framebuffer's screen position (screen = piece + offset).
    static void ForEachPiece(const RECT& screenRect,
                             const std::function<void(Surface&, const RECT&, POINT)>& fn);

    // A snapshot of the screen.
    static Surface Compose();

    static void Reset();
};

} // namespace win::gdi
