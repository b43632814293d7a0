#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ole {

// One piece of a user format: a character that may carry meaning, or literal text from quotes
// ("..."), a backslash escape or a non-ASCII character.
struct FormatToken {
    bool literal = false;
    std::string text; // one character unless literal
};

// The ";"-separated sections of a format; separators inside quotes or after "\" don't count.
std::vector<std::string_view> SplitFormatSections(std::string_view format);

std::vector<FormatToken> LexFormatSection(std::string_view section);

} // namespace ole
