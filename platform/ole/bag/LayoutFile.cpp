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
// The element count behind a header; 458 for a foreign header or one cut short.
uint32_t ReadHeader(base::ByteReader& in) {
    try {
        if (in.U16() != kByteArrayTag || in.U16() != kOneDimension) {
            RaiseError(ERR_UNSUPPORTED_TYPE);
        }
        const uint32_t count = in.U32();
        in.U32(); // lower bound
        return count;
    } catch (const base::FormatError&) {
        RaiseError(ERR_UNSUPPORTED_TYPE);
    }
}

} // namespace

Variant LayoutFile::Parse(std::span<const uint8_t> file) {
    if (file.size() < 2) {
        return Variant::Empty();
    }
    base::ByteReader in(file);
    const uint32_t count = ReadHeader(in);
    if (in.Remaining() < count) {
        RaiseError(ERR_UNSUPPORTED_TYPE);
    }
    const auto bytes = in.Bytes(count);
    return Variant::FromBytes(std::vector<uint8_t>(bytes.begin(), bytes.end()));
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
    // The header is read alone and the count it claims checked against the file's size, so a
    // large foreign file is refused before any more of it is read.
    base::RegularFile file = BinaryFile::OpenForReading(path);
    const std::vector<uint8_t> header = BinaryFile::Read(file, kHeaderSize);
    if (header.size() < 2) {
        return Variant::Empty();
    }
    base::ByteReader in(header);
    const uint32_t count = ReadHeader(in);
    if (file.Size() < header.size() + uint64_t{count}) {
        RaiseError(ERR_UNSUPPORTED_TYPE);
    }
    std::vector<uint8_t> contents = BinaryFile::Read(file, count);
    if (contents.size() != count) {
        RaiseError(ERR_UNSUPPORTED_TYPE); // cut while being read
    }
    return Variant::FromBytes(std::move(contents));
}

void LayoutFile::Write(std::string_view path, const Variant& contents) {
    if (!contents.IsBytes()) {
        RaiseError(ERR_TYPE_MISMATCH);
    }
    BinaryFile::WriteAll(path, Build(contents.Deref().AsBytes()));
}

} // namespace ole
