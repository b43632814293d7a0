#pragma once

#include "platform/ole/convert/NumericGrammar.h"
#include "platform/ole/convert/ValueQueries.h"
#include "platform/ole/variant/Variant.h"

#include <cstdint>
#include <string>

namespace ole {

// Conversions between automation values in the fixed invariant locale. Objects are first reduced
// to their default member's value (438 when they have none, 91 for Nothing). Common rules:
//   Empty reads as 0, "" or False; Null raises 94; Boolean True is -1;
//   text converts through the numeric grammar (NumericGrammar.h) or the date grammar
//   (DateGrammar.h): text that does not read raises 13;
//   fractions round half to even; a value outside the target's range raises 6.

// The one coercion to a variant type, used for dispatch arguments and bag values. VT_VARIANT
// returns the value itself; VT_EMPTY gives Empty; VT_DISPATCH/VT_UNKNOWN accept objects, Nothing
// and Empty (as Nothing); VT_ARRAY|VT_UI1 accepts byte arrays and text (its UTF-8 bytes), and
// VT_BSTR accepts a byte array as UTF-8 text. Anything else raises 13.
Variant ChangeType(const Variant& value, VARTYPE target);

// The standard text form (StandardText.h): "True", "1.5", "1E+20", "12/31/2020 3:04:05 PM". An
// error value reads "Error n", except Missing, which raises 13 like every conversion of it.
std::string CStr(const Variant& value);

uint8_t CByte(const Variant& value); // 0 .. 255
int16_t CInt(const Variant& value);  // -32768 .. 32767
int32_t CLng(const Variant& value);
float CSng(const Variant& value);
double CDbl(const Variant& value);
Currency CCur(const Variant& value); // ±922337203685477.5807
// Non-zero numbers and numeric text are True; "True"/"False" in any case (spaces trimmed).
bool CBool(const Variant& value);
// Dates, numbers in the date range (else 6) and text in the date grammar; numeric text is not a
// date (13).
double CDate(const Variant& value);

// Val of the value's text; Null raises 94, never anything else.
double Val(const Variant& value);

// True for numeric types, Boolean and Empty, and for text in the numeric grammar; False for Null,
// dates, objects, errors and byte arrays.
bool IsNumeric(const Variant& value);
// True for dates and for text in the date grammar.
bool IsDate(const Variant& value);

// Hex and Oct of the value rounded to a whole number from -2^31 to 2^32-1 (else 6), negatives as
// 32-bit two's complement (StandardText.h); Null raises 94.
std::string Hex(const Variant& value);
std::string Oct(const Variant& value);

} // namespace ole
