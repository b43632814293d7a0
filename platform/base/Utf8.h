#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace base {

// One step through UTF-8 text. A malformed or truncated sequence counts as one code point of one
// byte (U+FFFD, valid false), so counting and slicing never lose or split bytes.
struct Utf8Step {
    char32_t code;
    size_t length;
    bool valid;
};

Utf8Step DecodeUtf8(std::string_view text, size_t offset);
void AppendUtf8(std::string& out, char32_t code);

size_t CodePointCount(std::string_view text);

// True when every sequence decodes: no stray continuation, truncated, overlong or surrogate form.
bool IsValidUtf8(std::string_view text);

// Byte offset of the code point at zero-based index; text.size() when index is past the end.
size_t ByteOffsetOfCodePoint(std::string_view text, size_t index);

// Length of the longest prefix of text within limit bytes that splits no UTF-8 sequence.
size_t Utf8PrefixLength(std::string_view text, size_t limit);

// Copies the longest whole-sequence prefix of text that fits capacity - 1 bytes, then a NUL;
// returns the bytes copied. A null buffer or zero capacity copies nothing.
size_t CopyUtf8ToBuffer(std::string_view text, char* buffer, size_t capacity);

} // namespace base
