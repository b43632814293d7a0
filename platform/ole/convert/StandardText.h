#pragma once

#include "platform/ole/variant/Currency.h"

#include <cstdint>
#include <string>

namespace ole {

// The standard text forms (CStr) in the fixed invariant locale.

std::string BoolText(bool value); // "True" / "False"
std::string IntegerText(int64_t value);
std::string UnsignedText(uint64_t value);

// Up to 15 significant digits, "." as decimal point, trailing zeros dropped; the exponent form
// ("1E+20", "1.5E-07") when the rounded value lies outside 1E-5 <= |x| < 1E15.
std::string DoubleText(double value);

// Up to 7 significant digits; the exponent form below 1E-5 and from 1E7 on, where seven digits
// can no longer show the whole number ("1.234568E+08" rather than a made-up "123456800").
std::string SingleText(float value);

// Up to 4 decimals, trailing zeros dropped, never an exponent.
std::string CurrencyText(Currency value);

// "m/d/yyyy h:mm:ss AM/PM"; the date alone when the time is midnight, the time alone on
// 1899-12-30 (so 0 is "12:00:00 AM").
std::string DateText(double date);

// Upper-case hexadecimal and octal digits without padding; negative values as 32-bit two's
// complement (Hex(-1) is "FFFFFFFF").
std::string HexText(int32_t value);
std::string OctText(int32_t value);

} // namespace ole
