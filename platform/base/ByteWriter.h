#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace base {

// Little-endian builder of stored bytes; the counterpart of ByteReader.
class ByteWriter {
public:
    void U8(uint8_t value) { m_bytes.push_back(value); }
    void U16(uint16_t value);
    void U32(uint32_t value);
    void I16(int16_t value) { U16(static_cast<uint16_t>(value)); }
    void I32(int32_t value) { U32(static_cast<uint32_t>(value)); }
    void I64(int64_t value);
    void F32(float value);
    void F64(double value);
    void Bytes(std::span<const uint8_t> bytes);
    void Text(std::string_view text);

    size_t Size() const { return m_bytes.size(); }
    void Reserve(size_t size) { m_bytes.reserve(size); }
    std::vector<uint8_t> Take() { return std::move(m_bytes); }

private:
    std::vector<uint8_t> m_bytes;
};

} // namespace base
