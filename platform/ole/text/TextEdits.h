#pragma once

#include "platform/ole/text/TextCompare.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ole {

// Trimming removes spaces (U+0020) only; tabs and line breaks are text.
std::string_view LTrim(std::string_view text);
std::string_view RTrim(std::string_view text);
std::string_view Trim(std::string_view text);

// Replaces up to `count` occurrences (-1: all) of `find`, searching from code point `start`. As in
// the language, the result is the text from `start` on: the part before it is dropped. An empty
// `find` changes nothing; start below 1 or count below -1 raise 5.
std::string Replace(std::string_view text, std::string_view find, std::string_view with,
                    int64_t start = 1, int64_t count = -1,
                    CompareMethod method = CompareMethod::Binary);

// Splits at each `delimiter`, at most `limit` pieces (-1: no limit; the last piece keeps the rest).
// Empty text gives no pieces; an empty delimiter gives the whole text as one piece.
std::vector<std::string> Split(std::string_view text, std::string_view delimiter = " ",
                               int64_t limit = -1, CompareMethod method = CompareMethod::Binary);

std::string Join(std::span<const std::string> pieces, std::string_view delimiter = " ");

} // namespace ole
