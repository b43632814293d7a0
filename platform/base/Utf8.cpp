#include "platform/base/Utf8.h"

#include <cstring>

namespace base {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

Utf8Step DecodeUtf8(std::string_view text, size_t offset) {
    const Utf8Step invalid{kReplacement, 1, false};
    const auto lead = static_cast<unsigned char>(text[offset]);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    size_t length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        return invalid;
    }
    if (offset + length > text.size()) {
        return invalid;
    }
    for (size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[offset + i]);
        if (!IsContinuation(byte)) {
            return invalid;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not text.
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return invalid;
    }
    return {code, length, true};
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

size_t CodePointCount(std::string_view text) {
    size_t count = 0;
    for (size_t offset = 0; offset < text.size(); offset += DecodeUtf8(text, offset).length) {
        ++count;
    }
    return count;
}

bool IsValidUtf8(std::string_view text) {
    for (size_t offset = 0; offset < text.size();) {
        const Utf8Step step = DecodeUtf8(text, offset);
        if (!step.valid) {
            return false;
        }
        offset += step.length;
    }
    return true;
}

size_t ByteOffsetOfCodePoint(std::string_view text, size_t index) {
    size_t offset = 0;
    for (size_t i = 0; i < index && offset < text.size(); ++i) {
        offset += DecodeUtf8(text, offset).length;
    }
    return offset;
}

size_t Utf8PrefixLength(std::string_view text, size_t limit) {
    if (text.size() <= limit) {
        return text.size();
    }
    size_t end = limit;
    while (end > 0 && IsContinuation(static_cast<unsigned char>(text[end]))) {
        --end;
    }
    return end;
}

size_t CopyUtf8ToBuffer(std::string_view text, char* buffer, size_t capacity) {
    if (!buffer || capacity == 0) {
        return 0;
    }
    const size_t count = Utf8PrefixLength(text, capacity - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return count;
}

} // namespace base
