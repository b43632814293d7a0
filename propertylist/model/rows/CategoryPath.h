#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace attrgrid {

// The category rows a property goes under: its category split at the separator (matched without
// regard to case), each piece trimmed of spaces, empty pieces dropped. An empty separator does not
// split.
std::vector<std::string> SplitCategoryPath(std::string_view category, std::string_view separator);

// True when the category is empty or made of separators only.
bool IsBlankCategory(std::string_view category, std::string_view separator);

} // namespace attrgrid
