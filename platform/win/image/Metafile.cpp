#include "platform/win/image/Metafile.h"

#include "platform/base/ByteReader.h"
#include "platform/base/FormatError.h"
#include "platform/base/Rounding.h"

namespace win::image {

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7u;
constexpr uint32_t kEmfHeaderRecord = 1;
constexpr uint32_t kEmfSignature = 0x464D4520u;
constexpr int64_t kMaxExtent = 1 << 20;

int32_t Scale(int64_t value, double factor) {
    return base::RoundHalfEvenToInt32(static_cast<double>(value) * factor);
}

MetafileInfo Placeable(base::ByteReader& in) {
    in.Skip(2); // handle
    const auto left = static_cast<int16_t>(in.U16());
    const auto top = static_cast<int16_t>(in.U16());
    const auto right = static_cast<int16_t>(in.U16());
    const auto bottom = static_cast<int16_t>(in.U16());
    const uint16_t inch = in.U16();
    in.Skip(6); // reserved, checksum
    const int64_t w = int64_t{right} - left;
    const int64_t h = int64_t{bottom} - top;
    if (inch == 0 || w <= 0 || h <= 0) {
        throw base::FormatError("empty metafile box");
    }
    MetafileInfo info;
    info.kind = MetafileKind::Placeable;
    info.width = Scale(w, 96.0 / inch);
    info.height = Scale(h, 96.0 / inch);
    info.himetricWidth = Scale(w, 2540.0 / inch);
    info.himetricHeight = Scale(h, 2540.0 / inch);
    return info;
}

MetafileInfo Enhanced(base::ByteReader& in) {
    in.Skip(4 + 16); // record size, bounds in device pixels
    const int64_t left = in.I32();
    const int64_t top = in.I32();
    const int64_t right = in.I32();
    const int64_t bottom = in.I32();
    if (in.U32() != kEmfSignature) {
        throw base::FormatError("no enhanced metafile signature");
    }
    const int64_t w = right - left;
    const int64_t h = bottom - top;
    if (w <= 0 || h <= 0 || w > kMaxExtent * 100 || h > kMaxExtent * 100) {
        throw base::FormatError("empty metafile frame");
    }
    MetafileInfo info;
    info.kind = MetafileKind::Enhanced;
    info.himetricWidth = static_cast<int32_t>(w);
    info.himetricHeight = static_cast<int32_t>(h);
    info.width = Scale(w, 96.0 / 2540.0);
    info.height = Scale(h, 96.0 / 2540.0);
    return info;
}

} // namespace

std::optional<MetafileInfo> ReadMetafileHeader(std::span<const uint8_t> bytes) {
    try {
        base::ByteReader in(bytes);
        const uint32_t first = in.U32();
        if (first == kPlaceableKey) {
            return Placeable(in);
        }
        if (first == kEmfHeaderRecord) {
            return Enhanced(in);
        }
    } catch (const base::FormatError&) {
    }
    return std::nullopt;
}

} // namespace win::image
