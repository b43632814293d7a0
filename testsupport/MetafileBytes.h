#pragma once

#include "platform/base/ByteWriter.h"

#include <cstdint>
#include <vector>

namespace testsupport {

// A placeable metafile header (no records follow: only the header is ever read) whose bounding
// box is `width` × `height` units at `unitsPerInch`.
inline std::vector<uint8_t> PlaceableMetafile(int16_t width, int16_t height,
                                              uint16_t unitsPerInch) {
    base::ByteWriter out;
    out.U32(0x9AC6CDD7u);
    out.U16(0);  // handle
    out.I16(10); // box, away from the origin so the size is right - left
    out.I16(20);
    out.I16(static_cast<int16_t>(10 + width));
    out.I16(static_cast<int16_t>(20 + height));
    out.U16(unitsPerInch);
    out.U32(0); // reserved
    out.U16(0); // checksum
    return out.Take();
}

// An enhanced metafile's header record whose frame is `width` × `height` in 0.01 mm.
inline std::vector<uint8_t> EnhancedMetafile(int32_t width, int32_t height) {
    base::ByteWriter out;
    out.U32(1);  // header record
    out.U32(88); // record size
    for (int32_t bound : {0, 0, 10, 10}) {
        out.I32(bound);
    }
    for (int32_t frame : {-100, 50, width - 100, height + 50}) {
        out.I32(frame);
    }
    out.U32(0x464D4520u); // " EMF"
    out.Bytes(std::vector<uint8_t>(88 - 44, 0));
    return out.Take();
}

} // namespace testsupport
