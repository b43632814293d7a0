#pragma once

#include "platform/ole/variant/Variant.h"

#include <string>
#include <string_view>

namespace ole {

// Format(value, format) with a documented subset of the language's formats:
//
// Named formats (any case):
//   "General Number"  standard text       "Currency"  $#,##0.00;($#,##0.00)
//   "Fixed"  0.00     "Standard"  #,##0.00     "Percent"  0.00%     "Scientific"  0.00E+00
//   "Yes/No", "True/False", "On/Off"   zero gives the second word, any other number the first
//   "General Date"  standard date text     "Long Date"  dddd, mmmm d, yyyy
//   "Medium Date"  dd-mmm-yy               "Short Date"  m/d/yyyy
//   "Long Time"  h:mm:ss AM/PM             "Medium Time"  hh:mm AM/PM    "Short Time"  hh:mm
// User formats: a format with a digit placeholder is a number format (FormatNumber.h, with a
// fourth section for Null); else one with a date part is a date format (FormatDate.h); else a
// text format (FormatString.h).
//
// Anything the subset cannot apply falls back to the standard text: an empty format, a value
// that does not convert (text that is not a number under a number format, a number outside the
// date range under a date format). Null gives "" unless a number format has a Null section.
// Objects are reduced to their default value first.
std::string Format(const Variant& value, std::string_view format = {});

} // namespace ole
