#pragma once

#include "platform/ole/variant/Variant.h"

#include <cstdint>
#include <string>

namespace ole {

// Plain values (by-reference variants followed, objects already reduced) read as C++ values under
// the rules of Conversions.h, raising 13, 6 or 94 as those say.

bool IsIntegerType(VARTYPE vt);

// Integers above 2^53 lose their last digits.
double ReadDouble(const Variant& value);
// A whole number in [min, max]: integers exactly, currency and the rest rounded half to even.
int64_t ReadWhole(const Variant& value, int64_t min, int64_t max);
uint64_t ReadUnsigned64(const Variant& value);
Currency ReadCurrency(const Variant& value);
float ReadSingle(const Variant& value);
bool ReadBool(const Variant& value);
double ReadDate(const Variant& value);
std::string ReadText(const Variant& value);

} // namespace ole
