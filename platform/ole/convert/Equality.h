#pragma once

#include "platform/ole/variant/Variant.h"

namespace ole {

// The language's `=` on two values, total (it never raises and never converts text):
//   numbers, Booleans (True = -1), dates and currency compare numerically across types;
//   text compares byte for byte (case-sensitive); a number never equals text;
//   Empty equals 0, False, "" and Empty; Null equals nothing, not even Null;
//   an object (or Nothing) equals only the same object (or Nothing), never a plain value;
//   byte arrays compare by content, error values by their code.
bool VariantEquals(const Variant& a, const Variant& b);

} // namespace ole
