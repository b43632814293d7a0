#pragma once

#include "platform/ole/object/Ptr.h"
#include "platform/ole/picture/Picture.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace forms {

// A picture object from a file: "" gives an empty picture (Type 0); bitmaps (BMP, PNG, JPEG, GIF)
// are Type 1, icons and cursors Type 3, placeable metafiles Type 2 and enhanced metafiles Type 4
// (size only: they draw nothing and have Handle 0). Errors: 53 file not found, 76
// folder not found, 481 for anything that exists but cannot be read as a picture (unreadable,
// unsupported, malformed).
ole::Ptr<ole::Picture> LoadPicture(std::string_view path);

// The same from file bytes held in memory (embedded images); no bytes are no picture (481).
ole::Ptr<ole::Picture> LoadPictureFromMemory(std::span<const uint8_t> bytes);

} // namespace forms
