#include "platform/ole/picture/IcoCodec.h"

#include "platform/ole/file/ByteReader.h"
#include "platform/ole/file/ByteWriter.h"
#include "platform/ole/file/FormatError.h"
#include "platform/ole/picture/DibCodec.h"

#include <algorithm>

namespace ole {

namespace {

constexpr uint16_t kIconResource = 1;
constexpr size_t kDirectorySize = 6;
constexpr size_t kEntrySize = 16;

struct DirectoryEntry {
    int64_t area = 0;
    uint16_t bitCount = 0;
    uint32_t size = 0;
    uint32_t offset = 0;
};

bool IsCompressedImage(std::span<const uint8_t> image) {
    static constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G'};
    return image.size() >= 4 &&
           std::equal(std::begin(kSignature), std::end(kSignature), image.begin());
}

} // namespace

bool IcoCodec::LooksLikeIco(std::span<const uint8_t> bytes) {
    return bytes.size() >= 4 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == kIconResource &&
           bytes[3] == 0;
}

std::optional<Image> IcoCodec::Decode(std::span<const uint8_t> bytes) {
    if (!LooksLikeIco(bytes)) {
        return std::nullopt;
    }
    try {
        ByteReader in(bytes);
        in.Skip(4);
        const uint16_t count = in.U16();
        std::optional<DirectoryEntry> best;
        for (uint16_t i = 0; i < count; ++i) {
            DirectoryEntry entry;
            const int width = in.U8();
            const int height = in.U8();
            entry.area = int64_t{width == 0 ? 256 : width} * (height == 0 ? 256 : height);
            in.Skip(4); // colour count, reserved, planes
            entry.bitCount = in.U16();
            entry.size = in.U32();
            entry.offset = in.U32();
            if (entry.offset > bytes.size() || entry.size > bytes.size() - entry.offset) {
                return std::nullopt;
            }
            if (IsCompressedImage(bytes.subspan(entry.offset, entry.size))) {
                continue;
            }
            if (!best || entry.area > best->area ||
                (entry.area == best->area && entry.bitCount > best->bitCount)) {
                best = entry;
            }
        }
        if (!best) {
            return std::nullopt;
        }
        return DibCodec::Decode(bytes.subspan(best->offset, best->size), 0, std::nullopt, true);
    } catch (const FormatError&) {
        return std::nullopt;
    }
}

std::vector<uint8_t> IcoCodec::Encode(const Image& image) {
    const size_t dibSize = DibCodec::EncodedSize(image, true);
    const auto sizeByte = [](int32_t pixels) {
        return static_cast<uint8_t>(pixels >= 256 ? 0 : pixels);
    };
    ByteWriter out;
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

} // namespace ole
