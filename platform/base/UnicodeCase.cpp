#include "platform/base/UnicodeCase.h"

#include "platform/base/CaseTable.h"
#include "platform/base/Utf8.h"

#include <algorithm>

namespace base {

namespace {

const CaseEntry* Find(char32_t code) {
    const auto table = CaseTable();
    const auto it = std::lower_bound(table.begin(), table.end(), code,
                                     [](const CaseEntry& e, char32_t c) { return e.code < c; });
    return it != table.end() && it->code == code ? &*it : nullptr;
}

bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

template <typename Map>
std::string MapText(std::string_view text, Map map) {
    if (IsAscii(text)) {
        std::string out(text);
        for (char& c : out) {
            c = static_cast<char>(map(static_cast<char32_t>(c)));
        }
        return out;
    }
    std::string out;
    out.reserve(text.size());
    for (size_t offset = 0; offset < text.size();) {
        const Utf8Step step = DecodeUtf8(text, offset);
        if (step.valid) {
            AppendUtf8(out, map(step.code));
        } else {
            out += text[offset];
        }
        offset += step.length;
    }
    return out;
}

} // namespace

char32_t SimpleUpper(char32_t code) {
    if (code < 0x80) {
        return code >= 'a' && code <= 'z' ? code - 'a' + 'A' : code;
    }
    const CaseEntry* e = Find(code);
    return e ? e->upper : code;
}

char32_t SimpleLower(char32_t code) {
    if (code < 0x80) {
        return code >= 'A' && code <= 'Z' ? code - 'A' + 'a' : code;
    }
    const CaseEntry* e = Find(code);
    return e ? e->lower : code;
}

char32_t SimpleFold(char32_t code) {
    if (code < 0x80) {
        return SimpleLower(code);
    }
    const CaseEntry* e = Find(code);
    return e ? e->fold : code;
}

std::string UCase(std::string_view text) {
    return MapText(text, SimpleUpper);
}

std::string LCase(std::string_view text) {
    return MapText(text, SimpleLower);
}

std::string FoldCaseText(std::string_view text) {
    return MapText(text, SimpleFold);
}

int CompareFolded(std::string_view a, std::string_view b) {
    constexpr char32_t kMalformedBase = 0x110000;
    // ASCII folds to ASCII lower case, so a leading ASCII stretch compares byte by byte without
    // decoding; it ends on a code point boundary, where the full folding takes over.
    const size_t common = std::min(a.size(), b.size());
    size_t i = 0;
    for (; i < common; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if ((x | y) >= 0x80) {
            break;
        }
        const char32_t cx = SimpleLower(x);
        const char32_t cy = SimpleLower(y);
        if (cx != cy) {
            return cx < cy ? -1 : 1;
        }
    }
    size_t j = i;
    while (i < a.size() && j < b.size()) {
        const Utf8Step x = DecodeUtf8(a, i);
        const Utf8Step y = DecodeUtf8(b, j);
        const char32_t cx =
            x.valid ? SimpleFold(x.code) : kMalformedBase + static_cast<unsigned char>(a[i]);
        const char32_t cy =
            y.valid ? SimpleFold(y.code) : kMalformedBase + static_cast<unsigned char>(b[j]);
        if (cx != cy) {
            return cx < cy ? -1 : 1;
        }
        i += x.length;
        j += y.length;
    }
    if (i < a.size()) {
        return 1;
    }
    return j < b.size() ? -1 : 0;
}

} // namespace base
