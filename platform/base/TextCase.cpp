#include "platform/base/TextCase.h"

#include <algorithm>

namespace base {

// ASCII folding for now; non-ASCII bytes compare exactly until the Unicode table lands.
std::string FoldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return FoldCase(a) == FoldCase(b);
}

bool LessNoCase::operator()(std::string_view a, std::string_view b) const {
    return FoldCase(a) < FoldCase(b);
}

} // namespace base
