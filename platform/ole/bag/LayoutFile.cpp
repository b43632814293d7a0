#include "platform/ole/bag/LayoutFile.h"

#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "platform/base/FormatError.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/file/BinaryFile.h"

namespace ole {

namespace {
constexpr uint16_t kByteArrayTag = VT_ARRAY | VT_UI1;
constexpr uint16_t kOneDimension = 1;
} // namespace

Variant LayoutFile::Parse(std::span<const uint8_t> file) {
    if (file.size() < 2) {
        return Variant::Empty();
    }
    try {
        base::ByteReader in(file);
        if (in.U16() != kByteArrayTag || in.U16() != kOneDimension) {
            RaiseError(ERR_UNSUPPORTED_TYPE);
        }
        const uint32_t count = in.U32();
        in.U32(); // lower bound
        const auto bytes = in.Bytes(count);
        return Variant::FromBytes(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    } catch (const base::FormatError&) {
        RaiseError(ERR_UNSUPPORTED_TYPE);
    }
}

std::vector<uint8_t> LayoutFile::Build(std::span<const uint8_t> contents) {
    base::ByteWriter out;
    out.Reserve(kHeaderSize + contents.size());
    out.U16(kByteArrayTag);
    out.U16(kOneDimension);
    out.U32(static_cast<uint32_t>(contents.size()));
    out.U32(0);
    out.Bytes(contents);
    return out.Take();
}

Variant LayoutFile::Read(std::string_view path) {
    return Parse(BinaryFile::ReadAll(path));
}

void LayoutFile::Write(std::string_view path, const Variant& contents) {
    if (!contents.IsBytes()) {
        RaiseError(ERR_TYPE_MISMATCH);
    }
    BinaryFile::WriteAll(path, Build(contents.Deref().AsBytes()));
}

} // namespace ole
