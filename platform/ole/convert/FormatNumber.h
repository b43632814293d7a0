#pragma once

#include <string>
#include <string_view>

namespace ole {

// A user number format: up to three ";"-separated sections (positive; negative; zero) of
//   0   a digit, shown as 0 when absent         #   a digit, shown only when significant
//   .   the decimal point                       ,   thousands separator between digit
//                                                   placeholders; before "." or at the end of
//                                                   the digits it divides by 1000 instead
//   %   multiplies by 100 and shows "%"         E+ E- e+ e-   scientific form with one integer
//                                                   digit; "+" also shows the exponent's plus
//   "text" and \c literals; any other character stands for itself.
// A negative value uses the negative section without a sign (or the first section with "-");
// zero uses the zero section. An empty section stands for the first. Digits round half to even
// on the value's exact binary representation. A "." in the format is always shown: "#.##" gives
// "5." for 5.
std::string FormatNumber(double value, std::string_view format);

// True when a section of the format has a digit placeholder (0 or #), so it reads as a number
// format rather than a date or text format.
bool HasDigitPlaceholder(std::string_view format);

} // namespace ole
