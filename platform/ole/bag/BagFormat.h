#pragma once

#include "platform/ole/bag/BagEntries.h"

#include <cstdint>
#include <span>
#include <vector>

namespace ole {

// The stored form of a property bag, little-endian:
//
//   "PBG1"  u16 version (1)  u32 entry count
//   per entry: u16 name length, name (UTF-8), u16 VT, payload
//
//   VT_EMPTY, VT_NULL   nothing            VT_BSTR        u32 length + UTF-8
//   VT_I2               2 bytes            VT_BOOL        u16 0 or 0xFFFF
//   VT_I4, VT_R4        4 bytes            VT_UI1         1 byte
//   VT_R8, VT_DATE      8 bytes            VT_ARRAY|VT_UI1  u32 length + bytes
//   VT_CY               int64 (value × 10 000)
//   VT_DISPATCH         u8 subtype, then
//     1 font:     BSTR name, CY size, u16 weight, u16 charset, u8 flags
//                 (bold 1, italic 2, underline 4, strikethrough 8)
//     2 picture:  u8 type (0, 1 bitmap, 2 metafile, 3 icon, 4 enhanced metafile), i32 width,
//                 i32 height (HIMETRIC), u32 length + bitmap or icon file bytes (0 for none)
//
// Nothing is written as a picture of type 0 and reads back as an empty picture. Metafile pictures
// are stored by size alone (length 0), since they hold no image.
//
// Parsing checks every length against the bytes that remain and accepts nothing the writer
// cannot produce: unknown version, VT, subtype, picture type or flag bits, a Boolean other than
// 0 or 0xFFFF, a font whose bold flag disagrees with its weight, picture sizes that disagree with
// the image, a metafile picture with image bytes or no size, a name, string or font name that is
// not UTF-8, a name stored twice, bytes after the last entry. Every such violation raises 458.
class BagFormat {
public:
    static std::vector<uint8_t> Serialize(const BagEntries& entries);
    static BagEntries Parse(std::span<const uint8_t> bytes);

    static constexpr uint16_t kVersion = 1;
    static constexpr uint8_t kFontSubtype = 1;
    static constexpr uint8_t kPictureSubtype = 2;
};

} // namespace ole
