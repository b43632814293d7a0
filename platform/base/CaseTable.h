#pragma once

#include <span>

namespace base {

// One row per code point that has a simple upper, lower or folded form other than itself.
struct CaseEntry {
    char32_t code;
    char32_t upper;
    char32_t lower;
    char32_t fold;
};

// Sorted by code; generated from the Unicode character database by GenerateCaseTable.py.
std::span<const CaseEntry> CaseTable();

} // namespace base
