#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace fuzz {

// Takes typed pieces off the front of a fuzzer's input; once it runs dry every piece is zero or
// empty, so a target never reads past what it was given.
class FuzzInput {
public:
    explicit FuzzInput(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    uint8_t Byte() {
        if (m_bytes.empty()) {
            return 0;
        }
        const uint8_t value = m_bytes.front();
        m_bytes = m_bytes.subspan(1);
        return value;
    }
    template <class T>
    T Value() {
        T value{};
        const size_t count = std::min(sizeof value, m_bytes.size());
        if (count == 0) {
            return value; // a dry input may hold no buffer at all, and memcpy refuses null
        }
        std::memcpy(&value, m_bytes.data(), count);
        m_bytes = m_bytes.subspan(count);
        return value;
    }
    // Text up to the next NUL (which is dropped), or the rest.
    std::string Text() {
        const std::string_view rest = Rest();
        const size_t end = rest.find('\0');
        const std::string text(rest.substr(0, end));
        m_bytes = m_bytes.subspan(end == std::string_view::npos ? rest.size() : end + 1);
        return text;
    }
    std::string_view Rest() const {
        return {reinterpret_cast<const char*>(m_bytes.data()), m_bytes.size()};
    }

private:
    std::span<const uint8_t> m_bytes;
};

} // namespace fuzz
