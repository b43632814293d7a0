#pragma once

#include <string_view>

namespace ole {

// Binary compares bytes, which for UTF-8 is code-point order; Text ignores case through the
// simple case folding shared with every key comparison of the platform.
enum class CompareMethod { Binary = 0, Text = 1 };

// -1, 0 or 1 as a sorts before, equal to or after b.
int StrComp(std::string_view a, std::string_view b, CompareMethod method = CompareMethod::Binary);

} // namespace ole
