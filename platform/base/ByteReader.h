#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace base {

// Little-endian cursor over stored bytes (bags, layout files, pictures). Every read is checked
// against the bytes that remain and throws FormatError instead of reading past the end; each loader
// maps that to the run-time error its callers expect.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    int16_t I16() { return static_cast<int16_t>(U16()); }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    int64_t I64();
    float F32();
    double F64();

    // The next `count` bytes, without copying.
    std::span<const uint8_t> Bytes(size_t count);
    std::string Text(size_t byteCount);
    void Skip(size_t count) { Bytes(count); }

    // Moves to an absolute offset; the offset may equal the size (nothing left to read).
    void Seek(size_t offset);

    size_t Offset() const { return m_offset; }
    size_t Remaining() const { return m_bytes.size() - m_offset; }
    bool AtEnd() const { return m_offset == m_bytes.size(); }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_offset = 0;
};

} // namespace base
