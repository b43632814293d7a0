#pragma once

#include "platform/ole/picture/Image.h"
#include "platform/win/image/IcoCodec.h"

namespace ole {

// Icon files are read and written by the drawing layer's codec.
using IcoCodec = win::image::IcoCodec;

} // namespace ole
