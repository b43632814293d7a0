#pragma once

#include "platform/ole/variant/Variant.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace ole {

// A layout file holds one variant, a byte array (a bag's Contents), behind a 12-byte header:
//   0  u16 0x2011 (VT_ARRAY|VT_UI1)   2  u16 1 (dimensions)
//   4  u32 N (element count)          8  u32 lower bound (0 when writing)
//  12  N bytes
class LayoutFile {
public:
    static constexpr size_t kHeaderSize = 12;

    // A file shorter than 2 bytes holds Empty (handing that to Contents raises 13). A foreign tag,
    // a dimension count other than 1, a header cut short or N beyond the file raise 458. Any lower
    // bound is accepted and bytes after the N are ignored.
    static Variant Parse(std::span<const uint8_t> file);
    static std::vector<uint8_t> Build(std::span<const uint8_t> contents);

    // Parse over the file's bytes; file errors as BinaryFile raises them.
    static Variant Read(std::string_view path);
    // `contents` must be a byte array (13 otherwise). The whole image is built before the file is
    // created or truncated, so a failure never leaves a stale tail.
    static void Write(std::string_view path, const Variant& contents);
};

} // namespace ole
