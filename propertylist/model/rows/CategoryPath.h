#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace attrgrid {

// The category rows a property goes under: its category split at the separator (matched without
// regard to case), each piece trimmed of spaces, empty pieces dropped. An empty separator does not
// split.
std::vector<std::string> SplitCategoryPath(std::string_view category, std::string_view separator);
// The same pieces one at a time, without copies: the next piece at or after `from`, which moves
// past it, or an empty view once none is left.
std::string_view NextCategoryPiece(std::string_view category, std::string_view separator,
                                   size_t& from);

// True when the category is empty or made of separators only.
bool IsBlankCategory(std::string_view category, std::string_view separator);

} // namespace attrgrid
