#pragma once

#include "platform/ole/text/TextCompare.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace ole {

// Text decoded for searching and comparing by code point. Under CompareMethod::Text every code
// point is case-folded; folding is one-to-one on code points, so indexes stay those of the text.
// A malformed byte gets a value above U+10FFFF of its own, so it only matches the same byte.
class CodePoints {
public:
    CodePoints(std::string_view text, CompareMethod method);

    size_t Size() const { return m_codes.size(); }
    const std::vector<char32_t>& Codes() const { return m_codes; }
    // Byte offset where code point `index` starts; Size() maps to the text's length.
    size_t ByteOffset(size_t index) const { return m_offsets[index]; }

    // First occurrence of `needle` at or after code point `from`.
    std::optional<size_t> Find(const CodePoints& needle, size_t from) const;

private:
    std::vector<char32_t> m_codes;
    std::vector<size_t> m_offsets;
};

} // namespace ole
