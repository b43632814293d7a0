// Bitmap files: decoding either fails cleanly or yields an image of the size it claims, which
// re-encodes to a file that decodes to the same pixels (alpha aside, which 32-bit files keep).
#include "platform/win/image/BmpCodec.h"
#include "platform/win/image/ImageFile.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> input(data, size);
    const auto image = win::image::BmpCodec::Decode(input);
    if (image) {
        if (image->pixels.size() != static_cast<size_t>(image->width) * image->height) {
            std::abort();
        }
        const auto again = win::image::BmpCodec::Decode(win::image::BmpCodec::Encode(*image));
        if (!again || again->width != image->width || again->height != image->height) {
            std::abort();
        }
    }
    // The content sniffing in front of every reader sees the same bytes.
    (void)win::image::DecodeImageFile(input);
    return 0;
}
