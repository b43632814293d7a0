#include "propertylist/model/rows/CategoryPath.h"

#include "platform/base/TextCase.h"

namespace attrgrid {

namespace {

constexpr unsigned char AsciiLower(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

// Position of the next separator at or after `from`, or npos.
size_t FindSeparator(std::string_view text, std::string_view separator, size_t from) {
    if (separator.empty())
        return std::string_view::npos;
    // Two ASCII bytes that differ without case rule a place out before any folded comparison;
    // other bytes may fold to ASCII and are compared in full.
    const auto first = static_cast<unsigned char>(separator.front());
    for (size_t i = from; i + separator.size() <= text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c | first) < 0x80 && AsciiLower(c) != AsciiLower(first))
            continue;
        if (base::EqualsNoCase(text.substr(i, separator.size()), separator))
            return i;
    }
    return std::string_view::npos;
}

std::string_view TrimSpaces(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::vector<std::string> SplitCategoryPath(std::string_view category, std::string_view separator) {
    std::vector<std::string> pieces;
    size_t from = 0;
    for (auto piece = NextCategoryPiece(category, separator, from); !piece.empty();
         piece = NextCategoryPiece(category, separator, from))
        pieces.emplace_back(piece);
    return pieces;
}

std::string_view NextCategoryPiece(std::string_view category, std::string_view separator,
                                   size_t& from) {
    while (from <= category.size()) {
        const size_t end = FindSeparator(category, separator, from);
        const auto piece = TrimSpaces(category.substr(from, end - from));
        from = end == std::string_view::npos ? category.size() + 1 : end + separator.size();
        if (!piece.empty())
            return piece;
    }
    return {};
}

bool IsBlankCategory(std::string_view category, std::string_view separator) {
    size_t start = 0;
    while (true) {
        const size_t end = FindSeparator(category, separator, start);
        if (!category.substr(start, end - start).empty())
            return false;
        if (end == std::string_view::npos)
            return true;
        start = end + separator.size();
    }
}

} // namespace attrgrid
