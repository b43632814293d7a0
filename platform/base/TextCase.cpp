#include "platform/base/TextCase.h"

#include "platform/base/UnicodeCase.h"

#include <algorithm>

namespace base {

namespace {

unsigned char AsciiLower(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

} // namespace

// The fold table lives with the automation text functions so UCase, LCase and key comparison
// read one table.
std::string FoldCase(std::string_view text) {
    return base::FoldCaseText(text);
}

// ASCII letters fold among themselves, so an ASCII stretch is compared byte by byte; from the
// first byte beyond ASCII the rest goes through the full folding. Both stretches end on a code
// point boundary, so the rest compares the same as the whole would.
bool EqualsNoCase(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if ((x | y) >= 0x80)
            return base::CompareFolded(a.substr(i), b.substr(i)) == 0;
        if (x != y && AsciiLower(x) != AsciiLower(y))
            return false;
    }
    return a.size() == b.size();
}

bool LessNoCase::operator()(std::string_view a, std::string_view b) const {
    return base::CompareFolded(a, b) < 0;
}

} // namespace base
