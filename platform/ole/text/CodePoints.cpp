#include "platform/ole/text/CodePoints.h"

#include "platform/base/UnicodeCase.h"
#include "platform/base/Utf8.h"

#include <algorithm>

namespace ole {

namespace {

constexpr char32_t kMalformedBase = 0x110000;

} // namespace

CodePoints::CodePoints(std::string_view text, CompareMethod method) {
    m_codes.reserve(text.size());
    m_offsets.reserve(text.size() + 1);
    for (size_t offset = 0; offset < text.size();) {
        const base::Utf8Step step = base::DecodeUtf8(text, offset);
        char32_t code =
            step.valid ? step.code : kMalformedBase + static_cast<unsigned char>(text[offset]);
        if (step.valid && method == CompareMethod::Text) {
            code = base::SimpleFold(code);
        }
        m_codes.push_back(code);
        m_offsets.push_back(offset);
        offset += step.length;
    }
    m_offsets.push_back(text.size());
}

std::optional<size_t> CodePoints::Find(const CodePoints& needle, size_t from) const {
    if (from > m_codes.size()) {
        return std::nullopt;
    }
    const auto begin = m_codes.begin() + static_cast<std::ptrdiff_t>(from);
    const auto it = std::search(begin, m_codes.end(), needle.m_codes.begin(), needle.m_codes.end());
    if (it == m_codes.end() && !needle.m_codes.empty()) {
        return std::nullopt;
    }
    return static_cast<size_t>(it - m_codes.begin());
}

} // namespace ole
