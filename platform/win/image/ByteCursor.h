#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace win::image {

// Thrown inside the decoders when bytes are cut short or malformed; the public decoders turn it
// into an empty result.
class DecodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Little-endian reads over file bytes; every read is checked against what remains.
class ByteCursor {
public:
    explicit ByteCursor(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    int32_t I32() { return static_cast<int32_t>(U32()); }
    std::span<const uint8_t> Bytes(size_t count);
    void Skip(size_t count) { Bytes(count); }
    // The offset may equal the size.
    void Seek(size_t offset);
    size_t Offset() const { return m_offset; }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_offset = 0;
};

// Little-endian appends.
class ByteSink {
public:
    void U8(uint8_t v) { m_bytes.push_back(v); }
    void U16(uint16_t v);
    void U32(uint32_t v);
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void Bytes(std::span<const uint8_t> bytes) {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    }
    void Reserve(size_t size) { m_bytes.reserve(size); }
    std::vector<uint8_t> Take() { return std::move(m_bytes); }

private:
    std::vector<uint8_t> m_bytes;
};

[[noreturn]] inline void Fail(const char* why) {
    throw DecodeError(why);
}

} // namespace win::image
