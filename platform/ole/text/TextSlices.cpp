#include "platform/ole/text/TextSlices.h"

#include "platform/base/Utf8.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/text/CodePoints.h"

#include <algorithm>

namespace ole {

namespace {

void RequireNonNegative(int64_t value) {
    if (value < 0) {
        RaiseError(ERR_INVALID_CALL);
    }
}

void RequirePosition(int64_t start) {
    if (start < 1) {
        RaiseError(ERR_INVALID_CALL);
    }
}

size_t Clip(int64_t value) {
    return static_cast<size_t>(std::max<int64_t>(value, 0));
}

} // namespace

std::string_view CutAtNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

int32_t Len(std::string_view text) {
    return static_cast<int32_t>(base::CodePointCount(text));
}

std::string Left(std::string_view text, int64_t length) {
    RequireNonNegative(length);
    return std::string(text.substr(0, base::ByteOffsetOfCodePoint(text, Clip(length))));
}

std::string Right(std::string_view text, int64_t length) {
    RequireNonNegative(length);
    const size_t count = base::CodePointCount(text);
    const size_t keep = std::min(count, Clip(length));
    return std::string(text.substr(base::ByteOffsetOfCodePoint(text, count - keep)));
}

std::string Mid(std::string_view text, int64_t start, std::optional<int64_t> length) {
    RequirePosition(start);
    if (length) {
        RequireNonNegative(*length);
    }
    const size_t from = base::ByteOffsetOfCodePoint(text, Clip(start - 1));
    const std::string_view rest = text.substr(from);
    if (!length) {
        return std::string(rest);
    }
    return std::string(rest.substr(0, base::ByteOffsetOfCodePoint(rest, Clip(*length))));
}

int32_t InStr(int64_t start, std::string_view text, std::string_view find, CompareMethod method) {
    RequirePosition(start);
    const CodePoints haystack(text, method);
    if (static_cast<size_t>(start) > haystack.Size()) {
        return 0;
    }
    const auto found = haystack.Find(CodePoints(find, method), static_cast<size_t>(start - 1));
    return found ? static_cast<int32_t>(*found + 1) : 0;
}

} // namespace ole
