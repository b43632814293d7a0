#pragma once

#include "platform/ole/text/TextCompare.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ole {

// Positions and lengths count code points, positions from 1. A negative length or a start below 1
// raises 5 (invalid procedure call); ranges past the end are clipped.

// The text up to its first NUL, for text that comes out of fixed-size buffers.
std::string_view CutAtNul(std::string_view text);

int32_t Len(std::string_view text);
std::string Left(std::string_view text, int64_t length);
std::string Right(std::string_view text, int64_t length);
// Without a length: to the end.
std::string Mid(std::string_view text, int64_t start, std::optional<int64_t> length = {});

// Position of the first `find` at or after `start`; 0 when absent or when start is past the end
// of the text; an empty `find` gives `start`.
int32_t InStr(int64_t start, std::string_view text, std::string_view find,
              CompareMethod method = CompareMethod::Binary);
inline int32_t InStr(std::string_view text, std::string_view find,
                     CompareMethod method = CompareMethod::Binary) {
    return InStr(1, text, find, method);
}

} // namespace ole
