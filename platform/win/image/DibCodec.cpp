#include "platform/win/image/DibCodec.h"

#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "platform/base/FormatError.h"

#include <array>
#include <bit>
#include <vector>

namespace win::image {

namespace {

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_BITFIELDS = 3;

size_t RowStride(int64_t width, int bitsPerPixel) {
    return static_cast<size_t>((width * bitsPerPixel + 31) / 32 * 4);
}

// One colour mask of a 16- or 32-bit bitmap, scaled to eight bits on read.
class MaskChannel {
public:
    MaskChannel() = default;
    explicit MaskChannel(uint32_t mask) : m_mask(mask) {
        if (mask == 0) {
            return;
        }
        m_shift = std::countr_zero(mask);
        const uint32_t bits = mask >> m_shift;
        if ((bits & (bits + 1)) != 0) {
            throw base::FormatError("colour mask is not contiguous");
        }
        m_max = bits;
    }

    bool IsPresent() const { return m_mask != 0; }

    uint32_t Read(uint32_t value) const {
        if (m_mask == 0) {
            return 0;
        }
        const uint64_t raw = (value & m_mask) >> m_shift;
        return static_cast<uint32_t>((raw * 255 + m_max / 2) / m_max);
    }

private:
    uint32_t m_mask = 0;
    int m_shift = 0;
    uint32_t m_max = 1;
};

struct DibHeader {
    int64_t width = 0;
    int64_t height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    uint32_t compression = BI_RGB;
    uint32_t colorsUsed = 0;
    bool core = false;
    std::array<uint32_t, 4> masks{}; // red, green, blue, alpha
};

DibHeader ReadHeader(base::ByteReader& in, size_t headerOffset) {
    DibHeader h;
    const uint32_t size = in.U32();
    if (size == kCoreHeaderSize) {
        h.core = true;
        h.width = in.U16();
        h.height = in.U16();
        in.U16(); // planes
        h.bitsPerPixel = in.U16();
        return h;
    }
    if (size < DibCodec::kInfoHeaderSize) {
        throw base::FormatError("unknown bitmap header");
    }
    h.width = in.I32();
    h.height = in.I32();
    if (in.U16() != 1) {
        throw base::FormatError("bitmap planes must be 1");
    }
    h.bitsPerPixel = in.U16();
    h.compression = in.U32();
    in.Skip(12); // image size, resolution
    h.colorsUsed = in.U32();
    in.U32(); // colours important
    if (size >= 52) {
        for (int i = 0; i < 3; ++i) {
            h.masks[i] = in.U32();
        }
    }
    if (size >= 56) {
        h.masks[3] = in.U32();
    }
    in.Seek(headerOffset + size);
    if (size == DibCodec::kInfoHeaderSize && h.compression == BI_BITFIELDS) {
        for (int i = 0; i < 3; ++i) {
            h.masks[i] = in.U32();
        }
    }
    return h;
}

void CheckHeader(DibHeader& h, bool iconImage) {
    if (h.height < 0) {
        if (iconImage) {
            throw base::FormatError("icon image rows must be bottom-up");
        }
        h.topDown = true;
        h.height = -h.height;
    }
    if (iconImage) {
        if (h.height % 2 != 0) {
            throw base::FormatError("icon image height must cover colour and mask");
        }
        h.height /= 2;
    }
    if (h.width <= 0 || h.height <= 0 || h.width * h.height > kMaxImagePixels) {
        throw base::FormatError("bitmap size out of range");
    }
    switch (h.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 24:
        if (h.compression != BI_RGB) {
            throw base::FormatError("compressed bitmaps are not supported");
        }
        break;
    case 16:
    case 32:
        if (h.compression != BI_RGB && h.compression != BI_BITFIELDS) {
            throw base::FormatError("compressed bitmaps are not supported");
        }
        break;
    default:
        throw base::FormatError("unsupported bits per pixel");
    }
}

std::vector<uint32_t> ReadColorTable(base::ByteReader& in, const DibHeader& h) {
    std::vector<uint32_t> table;
    if (h.bitsPerPixel > 8) {
        return table;
    }
    const uint32_t count = h.colorsUsed != 0 ? h.colorsUsed : (1u << h.bitsPerPixel);
    if (count > 256) {
        throw base::FormatError("colour table too large");
    }
    table.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t b = in.U8();
        const uint32_t g = in.U8();
        const uint32_t r = in.U8();
        if (!h.core) {
            in.U8();
        }
        table.push_back(kOpaque | (r << 16) | (g << 8) | b);
    }
    return table;
}

// Decodes one row of colour pixels; returns whether any fourth byte was non-zero.
bool ReadRow(std::span<const uint8_t> row, const DibHeader& h, std::span<const uint32_t> table,
             std::span<const MaskChannel, 4> channels, std::span<uint32_t> out) {
    bool anyAlpha = false;
    const auto paletteColor = [&](uint32_t index) {
        return index < table.size() ? table[index] : kOpaque;
    };
    for (size_t x = 0; x < out.size(); ++x) {
        uint32_t pixel = 0;
        switch (h.bitsPerPixel) {
        case 1:
            pixel = paletteColor((row[x / 8] >> (7 - x % 8)) & 1);
            break;
        case 4:
            pixel = paletteColor((row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF);
            break;
        case 8:
            pixel = paletteColor(row[x]);
            break;
        case 24:
            pixel = kOpaque | (uint32_t{row[x * 3 + 2]} << 16) | (uint32_t{row[x * 3 + 1]} << 8) |
                    row[x * 3];
            break;
        case 16: {
            const uint32_t v = row[x * 2] | (uint32_t{row[x * 2 + 1]} << 8);
            pixel = (channels[3].IsPresent() ? channels[3].Read(v) << 24 : kOpaque) |
                    (channels[0].Read(v) << 16) | (channels[1].Read(v) << 8) | channels[2].Read(v);
            break;
        }
        case 32: {
            const uint32_t v = row[x * 4] | (uint32_t{row[x * 4 + 1]} << 8) |
                               (uint32_t{row[x * 4 + 2]} << 16) | (uint32_t{row[x * 4 + 3]} << 24);
            if (h.compression == BI_RGB) {
                pixel = v;
                anyAlpha = anyAlpha || (v >> 24) != 0;
            } else {
                pixel = (channels[3].IsPresent() ? channels[3].Read(v) << 24 : kOpaque) |
                        (channels[0].Read(v) << 16) | (channels[1].Read(v) << 8) |
                        channels[2].Read(v);
            }
            break;
        }
        }
        out[x] = pixel;
    }
    return anyAlpha;
}

} // namespace

Image DibCodec::Decode(std::span<const uint8_t> bytes, size_t headerOffset,
                       std::optional<size_t> pixelOffset, bool iconImage) {
    base::ByteReader in(bytes);
    in.Seek(headerOffset);
    DibHeader h = ReadHeader(in, headerOffset);
    CheckHeader(h, iconImage);

    std::array<MaskChannel, 4> channels;
    if (h.compression == BI_BITFIELDS) {
        for (size_t i = 0; i < 4; ++i) {
            channels[i] = MaskChannel(h.masks[i]);
        }
    } else if (h.bitsPerPixel == 16) {
        channels = {MaskChannel(0x7C00), MaskChannel(0x03E0), MaskChannel(0x001F), MaskChannel()};
    }
    const std::vector<uint32_t> table = ReadColorTable(in, h);
    if (pixelOffset) {
        in.Seek(*pixelOffset);
    } else if (h.bitsPerPixel > 8) {
        // The optional table some writers put before true-colour rows; only its length matters.
        in.Skip(static_cast<size_t>(h.colorsUsed) * 4);
    }

    // Every byte the image needs is checked before its pixels are allocated.
    const size_t stride = RowStride(h.width, h.bitsPerPixel);
    const auto rows = in.Bytes(stride * static_cast<size_t>(h.height));
    const size_t maskStride = RowStride(h.width, 1);
    const auto mask = iconImage ? in.Bytes(maskStride * static_cast<size_t>(h.height))
                                : std::span<const uint8_t>();

    Image image;
    image.width = static_cast<int32_t>(h.width);
    image.height = static_cast<int32_t>(h.height);
    image.pixels.resize(static_cast<size_t>(h.width * h.height));
    bool anyAlpha = false;
    for (int64_t y = 0; y < h.height; ++y) {
        const int64_t target = h.topDown ? y : h.height - 1 - y;
        const auto out =
            std::span(image.pixels)
                .subspan(static_cast<size_t>(target * h.width), static_cast<size_t>(h.width));
        anyAlpha = ReadRow(rows.subspan(static_cast<size_t>(y) * stride, stride), h, table,
                           channels, out) ||
                   anyAlpha;
    }
    const bool alphaFromPixels = h.bitsPerPixel == 32 && h.compression == BI_RGB && anyAlpha;

    if (iconImage) {
        if (!alphaFromPixels) {
            for (int64_t y = 0; y < h.height; ++y) {
                const auto maskRow =
                    mask.subspan(static_cast<size_t>(h.height - 1 - y) * maskStride);
                for (int64_t x = 0; x < h.width; ++x) {
                    uint32_t& pixel = image.pixels[static_cast<size_t>(y * h.width + x)];
                    const bool transparent = (maskRow[x / 8] >> (7 - x % 8)) & 1;
                    pixel = (pixel & 0x00FFFFFFu) | (transparent ? 0u : kOpaque);
                }
            }
        }
    } else if (h.bitsPerPixel == 32 && h.compression == BI_RGB && !anyAlpha) {
        for (uint32_t& pixel : image.pixels) {
            pixel |= kOpaque;
        }
    }
    return image;
}

size_t DibCodec::EncodedSize(const Image& image, bool iconImage, int bitsPerPixel) {
    const auto height = static_cast<size_t>(image.height);
    size_t size = kInfoHeaderSize + RowStride(image.width, bitsPerPixel) * height;
    if (iconImage) {
        size += RowStride(image.width, 1) * height;
    }
    return size;
}

void DibCodec::Encode(base::ByteWriter& out, const Image& image, bool iconImage, int bitsPerPixel) {
    const size_t stride = RowStride(image.width, bitsPerPixel);
    const size_t colorBytes = stride * static_cast<size_t>(image.height);
    const size_t maskStride = RowStride(image.width, 1);
    const size_t maskBytes = iconImage ? maskStride * static_cast<size_t>(image.height) : 0;
    constexpr int32_t kPixelsPerMetre = 3780; // 96 dpi

    out.U32(kInfoHeaderSize);
    out.I32(image.width);
    out.I32(iconImage ? image.height * 2 : image.height);
    out.U16(1);
    out.U16(static_cast<uint16_t>(bitsPerPixel));
    out.U32(BI_RGB);
    out.U32(static_cast<uint32_t>(colorBytes + maskBytes));
    out.I32(kPixelsPerMetre);
    out.I32(kPixelsPerMetre);
    out.U32(0);
    out.U32(0);
    for (int32_t y = image.height - 1; y >= 0; --y) {
        if (bitsPerPixel == 32) {
            for (int32_t x = 0; x < image.width; ++x) {
                out.U32(image.At(x, y));
            }
            continue;
        }
        // B, G, R, then the row padded to four bytes.
        for (int32_t x = 0; x < image.width; ++x) {
            const uint32_t pixel = image.At(x, y);
            out.U8(static_cast<uint8_t>(pixel));
            out.U8(static_cast<uint8_t>(pixel >> 8));
            out.U8(static_cast<uint8_t>(pixel >> 16));
        }
        for (size_t pad = static_cast<size_t>(image.width) * 3; pad < stride; ++pad) {
            out.U8(0);
        }
    }
    if (!iconImage) {
        return;
    }
    std::vector<uint8_t> maskRow(maskStride);
    for (int32_t y = image.height - 1; y >= 0; --y) {
        std::fill(maskRow.begin(), maskRow.end(), uint8_t{0});
        for (int32_t x = 0; x < image.width; ++x) {
            if ((image.At(x, y) >> 24) == 0) {
                maskRow[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
        out.Bytes(maskRow);
    }
}

} // namespace win::image
