#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/text/TextLine.h"

#include <functional>
#include <string_view>
#include <vector>

namespace win::text {

// Breaks DrawTextA's text into the lines it draws: prefixes, line breaks, word wrapping, tabs,
// word and end ellipses and the edit-control rule. Pure layout: nothing is drawn here.
class DrawTextLayout {
public:
    struct Params {
        UINT format = 0;
        int width = 0;
        int height = 0;
        int lineHeight = 1;
        // Distance between tab stops; used with DT_EXPANDTABS.
        int tabWidth = 8;
        std::function<int(char32_t)> advance;
    };

    DrawTextLayout(std::string_view text, Params params);

    const std::vector<TextLine>& Lines() const { return m_lines; }
    int MaxWidth() const;

private:
    struct Char {
        char32_t code;
        bool underline;
    };
    using Chars = std::vector<Char>;

    static Chars ParsePrefixes(std::string_view text, UINT format);
    std::vector<Chars> Paragraphs(const Chars& chars) const;
    void Wrap(const Chars& paragraph);
    TextLine WordEllipses(const Chars& paragraph) const;
    void VerticalRules();

    bool IsBreakSpace(char32_t code) const;
    int Step(int width, char32_t code) const;
    void AppendChar(TextLine& line, Char c) const;
    // The longest prefix of line (from its start) that leaves room for "...", then "...".
    TextLine CutWithEllipsis(const TextLine& line) const;
    void Emit(TextLine line);

    Params m_params;
    std::vector<TextLine> m_lines;
};

} // namespace win::text
