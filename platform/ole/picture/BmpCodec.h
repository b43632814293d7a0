#pragma once

#include "platform/ole/picture/Image.h"
#include "platform/win/image/BmpCodec.h"

namespace ole {

// Bitmap files are read and written by the drawing layer's codec.
using BmpCodec = win::image::BmpCodec;

} // namespace ole
