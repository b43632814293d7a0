#pragma once

#include <string_view>

namespace win {

// The access key of a caption: the character after the first single '&', upper-cased when it is a
// letter; 0 when there is none ("&&" is a literal '&').
char AccessKeyOf(std::string_view caption);

} // namespace win
