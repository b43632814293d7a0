#include "platform/ole/convert/FormatLexer.h"

namespace ole {

std::vector<std::string_view> SplitFormatSections(std::string_view format) {
    std::vector<std::string_view> sections;
    size_t start = 0;
    bool quoted = false;
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '\\') {
            ++i;
        } else if (!quoted && c == ';') {
            sections.push_back(format.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(format.substr(start));
    return sections;
}

std::vector<FormatToken> LexFormatSection(std::string_view section) {
    std::vector<FormatToken> tokens;
    for (size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        if (c == '"') {
            const size_t end = section.find('"', i + 1);
            const size_t stop = end == std::string_view::npos ? section.size() : end;
            tokens.push_back({true, std::string(section.substr(i + 1, stop - i - 1))});
            i = stop;
        } else if (c == '\\') {
            if (i + 1 < section.size()) {
                // Keep a whole UTF-8 sequence together.
                size_t j = i + 2;
                while (j < section.size() &&
                       (static_cast<unsigned char>(section[j]) & 0xC0) == 0x80) {
                    ++j;
                }
                tokens.push_back({true, std::string(section.substr(i + 1, j - i - 1))});
                i = j - 1;
            }
        } else if (static_cast<unsigned char>(c) >= 0x80) {
            tokens.push_back({true, std::string(1, c)});
        } else {
            tokens.push_back({false, std::string(1, c)});
        }
    }
    return tokens;
}

} // namespace ole
