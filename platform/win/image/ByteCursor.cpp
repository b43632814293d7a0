#include "platform/win/image/ByteCursor.h"

namespace win::image {

uint8_t ByteCursor::U8() {
    return Bytes(1)[0];
}

uint16_t ByteCursor::U16() {
    const auto b = Bytes(2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t ByteCursor::U32() {
    const auto b = Bytes(4);
    return uint32_t{b[0]} | (uint32_t{b[1]} << 8) | (uint32_t{b[2]} << 16) | (uint32_t{b[3]} << 24);
}

std::span<const uint8_t> ByteCursor::Bytes(size_t count) {
    if (count > m_bytes.size() - m_offset) {
        Fail("unexpected end of data");
    }
    const auto result = m_bytes.subspan(m_offset, count);
    m_offset += count;
    return result;
}

void ByteCursor::Seek(size_t offset) {
    if (offset > m_bytes.size()) {
        Fail("offset beyond the data");
    }
    m_offset = offset;
}

void ByteSink::U16(uint16_t v) {
    U8(static_cast<uint8_t>(v));
    U8(static_cast<uint8_t>(v >> 8));
}

void ByteSink::U32(uint32_t v) {
    U16(static_cast<uint16_t>(v));
    U16(static_cast<uint16_t>(v >> 16));
}

} // namespace win::image
