#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/image/Image.h"
#include "platform/win/image/Metafile.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace win::image {

enum class ImageFileKind { Bitmap, Icon, Cursor, Metafile, EnhancedMetafile };

// A picture file as the platform understands it: pixels for bitmaps (BMP, PNG, JPEG, GIF), icons
// and cursors; only the header for metafiles.
struct ImageFile {
    ImageFileKind kind = ImageFileKind::Bitmap;
    Image image;   // empty for metafiles
    POINT hotspot; // cursors
    MetafileInfo metafile;

    int32_t Width() const { return image.IsEmpty() ? metafile.width : image.width; }
    int32_t Height() const { return image.IsEmpty() ? metafile.height : image.height; }
};

// Recognised by content, never by name. Nullopt for anything unsupported, cut short or corrupt.
std::optional<ImageFile> DecodeImageFile(std::span<const uint8_t> bytes);
// Nullopt also when the path names no regular file, the file cannot be read, or it is larger than
// kMaxImageFileBytes (refused before it is read).
std::optional<ImageFile> LoadImageFile(const std::string& path);

// A 32-bit bitmap or an icon/cursor handle for decoded pixels; null for an empty image.
HBITMAP CreateBitmapFromImage(const Image& image);
HICON CreateIconFromImage(const Image& image, bool isCursor, POINT hotspot = {});

} // namespace win::image
