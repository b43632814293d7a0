#pragma once

#include "platform/win/image/Image.h"

namespace ole {

// Pictures keep the drawing layer's decoded pixels.
using Image = win::image::Image;
using win::image::kMaxImagePixels;

} // namespace ole
