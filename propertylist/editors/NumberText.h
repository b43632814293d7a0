#pragma once

// The number editor's text: one strict grammar for what may be committed, and the reading of it.
// Locale-free: "." is the decimal point, and nothing else (no grouping, currency, exponent or
// "&H" forms) counts, so pasted text commits only when the key filter would have let it through.

#include <string_view>

namespace attrgrid {

// After trimming blanks: an optional "-" (only when negatives are allowed), digits with at most
// one "." (only when fractions are allowed), at least one digit, and a finite value.
bool IsValidNumberText(std::string_view text, bool allowFloatingPoint, bool allowNegative);

// The value of the trimmed text read with "." as the decimal point; "" (and text that does not
// start a number) gives 0.
double NumberTextValue(std::string_view text);

} // namespace attrgrid
