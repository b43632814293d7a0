#pragma once

#include <string>
#include <string_view>

namespace base {

// Case-insensitive key comparison used everywhere keys are compared (class names, collection keys,
// property-bag names, member names). Locale-independent simple case folding over UTF-8.
std::string FoldCase(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

// Orders keys case-insensitively, for ordered maps keyed by name.
struct LessNoCase {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

} // namespace base
