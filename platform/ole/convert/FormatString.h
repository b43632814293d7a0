#pragma once

#include <string>
#include <string_view>

namespace ole {

// A user text format:
//   @  a character, or a space when the text has run out     &  a character, or nothing
//   <  everything in lower case      >  everything in upper case
//   !  fill placeholders from the left (by default they fill from the right, so "@@@@" pads
//      "ab" to "  ab"); surplus characters go beside the first (last with "!") placeholder.
//   "text" and \c literals; any other character stands for itself. A second section formats
//   empty text. Without placeholders the text follows the literals.
std::string FormatString(std::string_view text, std::string_view format);

// True when the format holds a text placeholder or case marker (outside literals).
bool HasTextPlaceholder(std::string_view format);

} // namespace ole
