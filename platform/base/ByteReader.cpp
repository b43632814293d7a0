#include "platform/base/ByteReader.h"

#include "platform/base/FormatError.h"

#include <bit>
#include <cstring>

namespace base {

std::span<const uint8_t> ByteReader::Bytes(size_t count) {
    if (count > Remaining()) {
        throw FormatError("stored bytes end early");
    }
    const auto part = m_bytes.subspan(m_offset, count);
    m_offset += count;
    return part;
}

uint8_t ByteReader::U8() {
    return Bytes(1)[0];
}

uint16_t ByteReader::U16() {
    const auto b = Bytes(2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t ByteReader::U32() {
    const auto b = Bytes(4);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
           (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

int64_t ByteReader::I64() {
    const uint64_t low = U32();
    const uint64_t high = U32();
    return static_cast<int64_t>(low | (high << 32));
}

float ByteReader::F32() {
    return std::bit_cast<float>(U32());
}

double ByteReader::F64() {
    return std::bit_cast<double>(static_cast<uint64_t>(I64()));
}

std::string ByteReader::Text(size_t byteCount) {
    const auto b = Bytes(byteCount);
    return std::string(reinterpret_cast<const char*>(b.data()), b.size());
}

void ByteReader::Seek(size_t offset) {
    if (offset > m_bytes.size()) {
        throw FormatError("offset past the stored bytes");
    }
    m_offset = offset;
}

} // namespace base
