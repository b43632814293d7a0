#pragma once

#include <vector>

namespace win::text {

// One character of a laid-out line: its advance is final (tabs already expanded).
struct LineChar {
    char32_t code = 0;
    int advance = 0;
    bool underline = false;
};

struct TextLine {
    std::vector<LineChar> chars;
    int width = 0;

    void Append(LineChar c) {
        chars.push_back(c);
        width += c.advance;
    }
};

} // namespace win::text
