#pragma once

#include "platform/base/ByteWriter.h"

#include <cstdint>
#include <vector>

namespace testsupport {

// A bitmap file as other writers make them: `rows` listed top row first, written in the requested
// order and padded to four bytes. `masks` follow a 40-byte header (bit fields) or sit inside a
// larger one (108, V4; 124, V5). Tests and fuzz seeds share it, header-only so that fuzz targets
// need not link the test library.
inline std::vector<uint8_t> BmpFile(int32_t width, uint16_t bits,
                                    std::vector<std::vector<uint8_t>> rows,
                                    std::vector<uint32_t> table = {}, bool topDown = false,
                                    uint32_t compression = 0, std::vector<uint32_t> masks = {},
                                    uint32_t headerSize = 40) {
    const auto height = static_cast<int32_t>(rows.size());
    const uint32_t stride = (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
    const uint32_t trailingMasks = headerSize == 40 ? static_cast<uint32_t>(masks.size()) * 4 : 0;
    const auto offset = static_cast<uint32_t>(14 + headerSize + trailingMasks + table.size() * 4);
    base::ByteWriter out;
    out.U8('B');
    out.U8('M');
    out.U32(offset + stride * static_cast<uint32_t>(height));
    out.U32(0);
    out.U32(offset);
    out.U32(headerSize);
    out.I32(width);
    out.I32(topDown ? -height : height);
    out.U16(1);
    out.U16(bits);
    out.U32(compression);
    out.U32(0);
    out.I32(0);
    out.I32(0);
    out.U32(static_cast<uint32_t>(table.size()));
    out.U32(0);
    if (headerSize > 40)
        masks.resize(4, 0);
    for (uint32_t mask : masks)
        out.U32(mask);
    // The colour-space fields of a larger header stay zero.
    for (uint32_t i = 56; i < headerSize; i += 4)
        out.U32(0);
    for (uint32_t color : table)
        out.U32(color);
    for (int32_t i = 0; i < height; ++i) {
        std::vector<uint8_t> row = rows[topDown ? i : height - 1 - i];
        row.resize(stride, 0);
        out.Bytes(row);
    }
    return out.Take();
}

// A bitmap file whose pixel bytes are a pattern, with a full colour table up to 8 bits and the
// usual masks for bit fields: for readers that care about the layout only.
inline std::vector<uint8_t> PatternBmpFile(int32_t width, int32_t height, uint16_t bits,
                                           uint32_t headerSize = 40, uint32_t compression = 0,
                                           bool topDown = false) {
    std::vector<uint32_t> table;
    for (uint32_t i = 0; bits <= 8 && i < (1u << bits); ++i)
        table.push_back(i * 0x010203u);
    std::vector<uint32_t> masks;
    if (compression == 3 && bits == 16)
        masks = {0xF800, 0x07E0, 0x001F};
    else if (compression == 3)
        masks = {0xFF0000, 0x00FF00, 0x0000FF};
    // A larger header has room for an alpha mask too.
    if (compression == 3 && bits == 32 && headerSize > 40)
        masks.push_back(0xFF000000u);
    const uint32_t stride = (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
    std::vector<std::vector<uint8_t>> rows(static_cast<size_t>(height));
    uint32_t n = 0;
    for (auto& row : rows) {
        for (uint32_t i = 0; i < stride; ++i)
            row.push_back(static_cast<uint8_t>(n++ * 37));
    }
    return BmpFile(width, bits, rows, table, topDown, compression, masks, headerSize);
}

} // namespace testsupport
