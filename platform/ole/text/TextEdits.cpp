#include "platform/ole/text/TextEdits.h"

#include "platform/ole/error/Error.h"
#include "platform/ole/text/CodePoints.h"

namespace ole {

std::string_view LTrim(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view RTrim(std::string_view text) {
    const size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

std::string_view Trim(std::string_view text) {
    return RTrim(LTrim(text));
}

std::string Replace(std::string_view text, std::string_view find, std::string_view with,
                    int64_t start, int64_t count, CompareMethod method) {
    if (start < 1 || count < -1) {
        RaiseError(ERR_INVALID_CALL);
    }
    const CodePoints haystack(text, method);
    if (static_cast<size_t>(start) > haystack.Size()) {
        return {};
    }
    const CodePoints needle(find, method);
    size_t index = static_cast<size_t>(start - 1);
    const size_t begin = haystack.ByteOffset(index);
    std::string out;
    size_t copied = begin;
    for (int64_t done = 0; !find.empty() && (count < 0 || done < count); ++done) {
        const auto found = haystack.Find(needle, index);
        if (!found) {
            break;
        }
        out.append(text.substr(copied, haystack.ByteOffset(*found) - copied));
        out.append(with);
        index = *found + needle.Size();
        copied = haystack.ByteOffset(index);
    }
    out.append(text.substr(copied));
    return out;
}

std::vector<std::string> Split(std::string_view text, std::string_view delimiter, int64_t limit,
                               CompareMethod method) {
    if (limit < -1) {
        RaiseError(ERR_INVALID_CALL);
    }
    std::vector<std::string> pieces;
    if (text.empty() || limit == 0) {
        return pieces;
    }
    const CodePoints haystack(text, method);
    const CodePoints needle(delimiter, method);
    size_t index = 0;
    while (!delimiter.empty() && (limit < 0 || static_cast<int64_t>(pieces.size()) < limit - 1)) {
        const auto found = haystack.Find(needle, index);
        if (!found) {
            break;
        }
        const size_t from = haystack.ByteOffset(index);
        pieces.emplace_back(text.substr(from, haystack.ByteOffset(*found) - from));
        index = *found + needle.Size();
    }
    pieces.emplace_back(text.substr(haystack.ByteOffset(index)));
    return pieces;
}

std::string Join(std::span<const std::string> pieces, std::string_view delimiter) {
    std::string out;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            out.append(delimiter);
        }
        out.append(pieces[i]);
    }
    return out;
}

} // namespace ole
