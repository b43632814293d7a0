#include "platform/win/image/BmpCodec.h"

#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "platform/base/FormatError.h"
#include "platform/win/image/DibCodec.h"

namespace win::image {

namespace {
constexpr size_t kFileHeaderSize = 14;
}

bool BmpCodec::LooksLikeBmp(std::span<const uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

std::optional<Image> BmpCodec::Decode(std::span<const uint8_t> bytes) {
    if (!LooksLikeBmp(bytes)) {
        return std::nullopt;
    }
    try {
        base::ByteReader in(bytes);
        in.Skip(10); // tag, file size and reserved words: writers disagree on them
        const uint32_t pixelOffset = in.U32();
        return DibCodec::Decode(bytes, kFileHeaderSize, pixelOffset, false);
    } catch (const base::FormatError&) {
        return std::nullopt;
    }
}

std::vector<uint8_t> BmpCodec::Encode(const Image& image, int bitsPerPixel) {
    const size_t dibSize = DibCodec::EncodedSize(image, false, bitsPerPixel);
    base::ByteWriter out;
    out.Reserve(kFileHeaderSize + dibSize);
    out.U8('B');
    out.U8('M');
    out.U32(static_cast<uint32_t>(kFileHeaderSize + dibSize));
    out.U32(0);
    out.U32(static_cast<uint32_t>(kFileHeaderSize + DibCodec::kInfoHeaderSize));
    DibCodec::Encode(out, image, false, bitsPerPixel);
    return out.Take();
}

} // namespace win::image
