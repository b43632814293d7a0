#include "platform/ole/convert/FormatString.h"

#include "platform/base/Utf8.h"
#include "platform/ole/convert/FormatLexer.h"
#include "platform/ole/text/CaseMapping.h"

#include <vector>

namespace ole {

namespace {

bool IsPlaceholder(const FormatToken& t) {
    return !t.literal && (t.text == "@" || t.text == "&");
}

} // namespace

bool HasTextPlaceholder(std::string_view format) {
    for (const FormatToken& t : LexFormatSection(format)) {
        if (!t.literal &&
            (t.text == "@" || t.text == "&" || t.text == "<" || t.text == ">" || t.text == "!")) {
            return true;
        }
    }
    return false;
}

std::string FormatString(std::string_view text, std::string_view format) {
    const std::vector<std::string_view> sections = SplitFormatSections(format);
    const std::string_view section =
        text.empty() && sections.size() >= 2 ? sections[1] : sections[0];
    const std::vector<FormatToken> tokens = LexFormatSection(section);

    bool leftToRight = false;
    int caseMode = 0; // -1 lower, 1 upper
    size_t placeholders = 0;
    for (const FormatToken& t : tokens) {
        if (t.literal) {
            continue;
        }
        placeholders += IsPlaceholder(t) ? 1 : 0;
        leftToRight = leftToRight || t.text == "!";
        caseMode = t.text == "<" ? -1 : t.text == ">" ? 1 : caseMode;
    }
    const std::string cased = caseMode < 0   ? LCase(text)
                              : caseMode > 0 ? UCase(text)
                                             : std::string(text);
    // The text as code points, each kept as its bytes.
    std::vector<std::string> chars;
    for (size_t offset = 0; offset < cased.size();) {
        const size_t length = base::DecodeUtf8(cased, offset).length;
        chars.emplace_back(cased.substr(offset, length));
        offset += length;
    }
    const size_t count = chars.size();
    const size_t surplus = count > placeholders ? count - placeholders : 0;

    std::string out;
    size_t index = 0; // placeholder index, left to right
    for (const FormatToken& t : tokens) {
        if (!IsPlaceholder(t)) {
            if (t.literal || (t.text != "<" && t.text != ">" && t.text != "!")) {
                out += t.text;
            }
            continue;
        }
        // The character index this placeholder shows; surplus characters join at the edge.
        std::string piece;
        if (leftToRight) {
            if (index < count) {
                piece = chars[index];
            }
            if (index + 1 == placeholders) {
                for (size_t k = placeholders; k < count; ++k) {
                    piece += chars[k];
                }
            }
        } else {
            if (index == 0) {
                for (size_t k = 0; k < surplus; ++k) {
                    piece += chars[k];
                }
            }
            const size_t fromRight = placeholders - index;
            if (count >= fromRight) {
                piece += chars[count - fromRight];
            }
        }
        if (!piece.empty()) {
            out += piece;
        } else if (t.text == "@") {
            out += ' ';
        }
        ++index;
    }
    if (placeholders == 0) {
        out += cased;
    }
    return out;
}

} // namespace ole
