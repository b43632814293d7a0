#pragma once

#include "platform/forms/scale/ScaleMode.h"

#include <cstdint>

namespace forms {

// The Screen object: the fixed 96 dpi and the configured screen's size in twips.
class Screen {
public:
    static constexpr auto kTwipsPerPixel = static_cast<int32_t>(forms::kTwipsPerPixel);

    static float TwipsPerPixelX() { return kTwipsPerPixel; }
    static float TwipsPerPixelY() { return kTwipsPerPixel; }
    // Read afresh on every call, so a changed screen size shows at once.
    static float Width();
    static float Height();
};

} // namespace forms
