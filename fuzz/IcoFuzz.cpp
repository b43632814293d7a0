// Icon and cursor files: decoding either fails cleanly or yields an image of the size it claims,
// with a hotspot inside it for cursors; an icon handle made from it draws nowhere but its table.
#include "platform/win/icon/Icons.h"
#include "platform/win/image/IcoCodec.h"
#include "platform/win/image/ImageFile.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> input(data, size);
    const auto file = win::image::IcoCodec::DecodeFile(input);
    if (file) {
        const auto& image = file->image;
        if (image.IsEmpty() ||
            image.pixels.size() != static_cast<size_t>(image.width) * image.height ||
            file->hotspotX < 0 || file->hotspotY < 0 ||
            (file->isCursor && (file->hotspotX >= image.width || file->hotspotY >= image.height))) {
            std::abort();
        }
        const win::HICON icon = win::image::CreateIconFromImage(image, file->isCursor,
                                                                {file->hotspotX, file->hotspotY});
        if (!icon || !win::DestroyIcon(icon)) {
            std::abort();
        }
    }
    return 0;
}
