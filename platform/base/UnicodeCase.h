#pragma once

#include <string>
#include <string_view>

namespace base {

// Simple Unicode case mapping: one code point to one code point, independent of any locale, so
// "ß" stays "ß" in upper case and the length in code points never changes. Bytes that are not
// valid UTF-8 pass through unchanged.
char32_t SimpleUpper(char32_t code);
char32_t SimpleLower(char32_t code);

// Simple case folding, the key form of case-insensitive comparison ("Σ", "σ" and "ς" agree).
char32_t SimpleFold(char32_t code);

std::string UCase(std::string_view text);
std::string LCase(std::string_view text);
std::string FoldCaseText(std::string_view text);

// Orders two texts by their folded code points without building the folded copies: negative, 0
// or positive as a sorts before, equal to or after b. A malformed byte sorts after every code
// point and equals only the same byte.
int CompareFolded(std::string_view a, std::string_view b);

} // namespace base
