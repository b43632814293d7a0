#include "platform/base/ByteWriter.h"

#include <bit>

namespace base {

void ByteWriter::U16(uint16_t value) {
    m_bytes.push_back(static_cast<uint8_t>(value));
    m_bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void ByteWriter::U32(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        m_bytes.push_back(static_cast<uint8_t>(value >> shift));
    }
}

void ByteWriter::I64(int64_t value) {
    const auto bits = static_cast<uint64_t>(value);
    U32(static_cast<uint32_t>(bits));
    U32(static_cast<uint32_t>(bits >> 32));
}

void ByteWriter::F32(float value) {
    U32(std::bit_cast<uint32_t>(value));
}

void ByteWriter::F64(double value) {
    I64(std::bit_cast<int64_t>(value));
}

void ByteWriter::Bytes(std::span<const uint8_t> bytes) {
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}

void ByteWriter::Text(std::string_view text) {
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
}

} // namespace base
