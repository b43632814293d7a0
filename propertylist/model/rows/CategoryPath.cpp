#include "propertylist/model/rows/CategoryPath.h"

#include "platform/base/TextCase.h"

namespace attrgrid {

namespace {

// Position of the next separator at or after `from`, or npos.
size_t FindSeparator(std::string_view text, std::string_view separator, size_t from) {
    if (separator.empty())
        return std::string_view::npos;
    for (size_t i = from; i + separator.size() <= text.size(); ++i) {
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
