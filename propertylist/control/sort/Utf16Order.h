#pragma once

#include <string_view>

namespace attrgrid {

// Orders UTF-8 texts as their UTF-16 code units, the binary order of the system's strings: a
// character above U+FFFF (a surrogate pair, 0xD800..0xDFFF) sorts before U+E000..U+FFFF, where
// byte order would put it after. Negative, zero or positive like std::string_view::compare.
int CompareUtf16Units(std::string_view first, std::string_view second);

} // namespace attrgrid
