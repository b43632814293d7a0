#pragma once

#include <cstdint>
#include <span>

namespace forms {

// What picture files look like from their first bytes.
enum class PictureFormat {
    Unknown,
    Bitmap,      // "BM"
    Icon,        // icon resource directory, type 1
    Cursor,      // the same directory with type 2
    Metafile,    // placeable metafile (key 0x9AC6CDD7)
    EnhMetafile, // header record 1 with " EMF" at offset 40
    Png,
    Jpeg,
    Gif,
};

PictureFormat DetectPictureFormat(std::span<const uint8_t> bytes);

} // namespace forms
