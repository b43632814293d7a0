#include "platform/win/image/IcoCodec.h"

#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "platform/base/FormatError.h"
#include "platform/win/image/DibCodec.h"
#include "platform/win/image/PngCodec.h"

#include <cstdlib>

namespace win::image {

namespace {

constexpr uint16_t kIconResource = 1;
constexpr uint16_t kCursorResource = 2;
constexpr size_t kDirectorySize = 6;
constexpr size_t kEntrySize = 16;

struct DirectoryEntry {
    int distance = 0;
    uint16_t bitCount = 0;
    uint16_t hotspotX = 0; // planes and bit count in icon files
    uint16_t hotspotY = 0;
    uint32_t size = 0;
    uint32_t offset = 0;
};

bool HasType(std::span<const uint8_t> bytes, uint16_t type) {
    return bytes.size() >= 4 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == type && bytes[3] == 0;
}

} // namespace

bool IcoCodec::LooksLikeIco(std::span<const uint8_t> bytes) {
    return HasType(bytes, kIconResource);
}

bool IcoCodec::LooksLikeCur(std::span<const uint8_t> bytes) {
    return HasType(bytes, kCursorResource);
}

std::optional<IconFileImage> IcoCodec::DecodeFile(std::span<const uint8_t> bytes) {
    const bool cursor = LooksLikeCur(bytes);
    if (!cursor && !LooksLikeIco(bytes)) {
        return std::nullopt;
    }
    try {
        base::ByteReader in(bytes);
        in.Skip(4);
        const uint16_t count = in.U16();
        std::optional<DirectoryEntry> best;
        for (uint16_t i = 0; i < count; ++i) {
            DirectoryEntry entry;
            const int width = in.U8();
            const int height = in.U8();
            entry.distance = std::abs((width == 0 ? 256 : width) - 32) +
                             std::abs((height == 0 ? 256 : height) - 32);
            in.Skip(2); // colour count, reserved
            entry.hotspotX = in.U16();
            entry.hotspotY = in.U16();
            entry.bitCount = cursor ? 0 : entry.hotspotY;
            entry.size = in.U32();
            entry.offset = in.U32();
            if (entry.offset > bytes.size() || entry.size > bytes.size() - entry.offset) {
                return std::nullopt;
            }
            if (!best || entry.distance < best->distance ||
                (entry.distance == best->distance && entry.bitCount > best->bitCount)) {
                best = entry;
            }
        }
        if (!best) {
            return std::nullopt;
        }
        const auto data = bytes.subspan(best->offset, best->size);
        IconFileImage result;
        if (PngCodec::LooksLikePng(data)) {
            auto png = PngCodec::Decode(data);
            if (!png) {
                return std::nullopt;
            }
            result.image = std::move(*png);
        } else {
            result.image = DibCodec::Decode(data, 0, std::nullopt, true);
        }
        result.isCursor = cursor;
        if (cursor) {
            result.hotspotX = std::min<int32_t>(best->hotspotX, result.image.width - 1);
            result.hotspotY = std::min<int32_t>(best->hotspotY, result.image.height - 1);
        }
        return result;
    } catch (const base::FormatError&) {
        return std::nullopt;
    }
}

std::optional<Image> IcoCodec::Decode(std::span<const uint8_t> bytes) {
    auto file = DecodeFile(bytes);
    if (!file) {
        return std::nullopt;
    }
    return std::move(file->image);
}

std::vector<uint8_t> IcoCodec::Encode(const Image& image) {
    const size_t dibSize = DibCodec::EncodedSize(image, true);
    const auto sizeByte = [](int32_t pixels) {
        return static_cast<uint8_t>(pixels >= 256 ? 0 : pixels);
    };
    base::ByteWriter out;
    out.Reserve(kDirectorySize + kEntrySize + dibSize);
    out.U16(0);
    out.U16(kIconResource);
    out.U16(1);
    out.U8(sizeByte(image.width));
    out.U8(sizeByte(image.height));
    out.U8(0);
    out.U8(0);
    out.U16(1);
    out.U16(32);
    out.U32(static_cast<uint32_t>(dibSize));
    out.U32(static_cast<uint32_t>(kDirectorySize + kEntrySize));
    DibCodec::Encode(out, image, true);
    return out.Take();
}

} // namespace win::image
