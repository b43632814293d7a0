#pragma once

#include "platform/win/image/Image.h"

#include <cstdlib>
#include <optional>

namespace fuzz {

// A decoded image holds exactly the pixels its size claims, within the size any file may claim.
inline void CheckDecoded(const std::optional<win::image::Image>& image) {
    if (image &&
        (image->IsEmpty() || int64_t{image->width} * image->height > win::image::kMaxImagePixels ||
         image->pixels.size() != static_cast<size_t>(image->width) * image->height)) {
        std::abort();
    }
}

} // namespace fuzz
