#include "platform/base/TextCase.h"

#include "platform/base/UnicodeCase.h"

namespace base {

// The fold table lives with the automation text functions so UCase, LCase and key comparison
// read one table.
std::string FoldCase(std::string_view text) {
    return base::FoldCaseText(text);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a == b || base::CompareFolded(a, b) == 0;
}

bool LessNoCase::operator()(std::string_view a, std::string_view b) const {
    return base::CompareFolded(a, b) < 0;
}

} // namespace base
