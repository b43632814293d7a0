#include "platform/win/text/DrawTextLayout.h"

#include "platform/base/Utf8.h"
#include "platform/win/text/TextConstants.h"

#include <algorithm>

namespace win::text {

namespace {

constexpr char32_t kDot = U'.';
constexpr int kEllipsisDots = 3;

bool IsLineBreak(char32_t code) {
    return code == U'\r' || code == U'\n';
}

} // namespace

DrawTextLayout::DrawTextLayout(std::string_view text, Params params) : m_params(std::move(params)) {
    const UINT format = m_params.format;
    const Chars chars = ParsePrefixes(text, format);
    for (const Chars& paragraph : Paragraphs(chars)) {
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
            Wrap(paragraph);
        } else if ((format & DT_WORD_ELLIPSIS) && !(format & DT_CALCRECT)) {
            Emit(WordEllipses(paragraph));
        } else {
            TextLine line;
            for (const Char c : paragraph) {
                AppendChar(line, c);
            }
            Emit(std::move(line));
        }
    }
    if (!(format & DT_CALCRECT)) {
        VerticalRules();
    }
}

int DrawTextLayout::MaxWidth() const {
    int width = 0;
    for (const TextLine& line : m_lines) {
        width = std::max(width, line.width);
    }
    return width;
}

// "&x" underlines x, "&&" is a literal '&', a lone trailing '&' vanishes.
DrawTextLayout::Chars DrawTextLayout::ParsePrefixes(std::string_view text, UINT format) {
    Chars chars;
    const bool prefixes = !(format & DT_NOPREFIX);
    const bool underline = !(format & DT_HIDEPREFIX);
    bool pendingPrefix = false;
    for (size_t offset = 0; offset < text.size();) {
        const base::Utf8Step step = base::DecodeUtf8(text, offset);
        offset += step.length;
        if (prefixes && step.code == U'&' && !pendingPrefix) {
            pendingPrefix = true;
            continue;
        }
        const bool marked = pendingPrefix && step.code != U'&' && underline;
        chars.push_back({step.code, marked});
        pendingPrefix = false;
    }
    return chars;
}

std::vector<DrawTextLayout::Chars> DrawTextLayout::Paragraphs(const Chars& chars) const {
    std::vector<Chars> paragraphs(1);
    if (m_params.format & DT_SINGLELINE) {
        std::copy_if(chars.begin(), chars.end(), std::back_inserter(paragraphs.back()),
                     [](const Char& c) { return !IsLineBreak(c.code); });
        return paragraphs;
    }
    for (size_t i = 0; i < chars.size(); ++i) {
        if (!IsLineBreak(chars[i].code)) {
            paragraphs.back().push_back(chars[i]);
            continue;
        }
        if (chars[i].code == U'\r' && i + 1 < chars.size() && chars[i + 1].code == U'\n') {
            ++i;
        }
        // A break that ends the text opens no further line.
        if (i + 1 < chars.size()) {
            paragraphs.emplace_back();
        }
    }
    return paragraphs;
}

bool DrawTextLayout::IsBreakSpace(char32_t code) const {
    return code == U' ' || (code == U'\t' && (m_params.format & DT_EXPANDTABS));
}

int DrawTextLayout::Step(int width, char32_t code) const {
    if (code == U'\t' && (m_params.format & DT_EXPANDTABS) && m_params.tabWidth > 0) {
        return (width / m_params.tabWidth + 1) * m_params.tabWidth;
    }
    return width + m_params.advance(code);
}

void DrawTextLayout::AppendChar(TextLine& line, Char c) const {
    line.Append({c.code, Step(line.width, c.code) - line.width, c.underline});
}

TextLine DrawTextLayout::CutWithEllipsis(const TextLine& line) const {
    const int dotWidth = m_params.advance(kDot);
    const int room = m_params.width - kEllipsisDots * dotWidth;
    TextLine cut;
    for (const LineChar& c : line.chars) {
        if (cut.width + c.advance > room) {
            break;
        }
        cut.Append(c);
    }
    for (int i = 0; i < kEllipsisDots; ++i) {
        cut.Append({kDot, dotWidth, false});
    }
    return cut;
}

// Greedy wrapping at spaces; the space at a break is dropped. A word wider than the rectangle
// gets a line of its own: cut with "..." (DT_WORD_ELLIPSIS), broken between characters
// (DT_EDITCONTROL), or left whole to be clipped.
void DrawTextLayout::Wrap(const Chars& paragraph) {
    const UINT format = m_params.format;
    const bool calc = format & DT_CALCRECT;
    const int width = m_params.width;
    size_t i = 0;
    const auto take = [&](bool spaces) {
        Chars run;
        while (i < paragraph.size() && IsBreakSpace(paragraph[i].code) == spaces) {
            run.push_back(paragraph[i++]);
        }
        return run;
    };
    const auto extend = [&](TextLine line, const Chars& more) {
        for (const Char c : more) {
            AppendChar(line, c);
        }
        return line;
    };

    const size_t linesBefore = m_lines.size();
    TextLine line;
    bool lineHasWord = false;
    // Leading spaces of the paragraph belong to its first line.
    Chars spaces = take(true);
    Chars word = take(false);
    while (!word.empty()) {
        TextLine candidate = extend(extend(line, spaces), word);
        if (candidate.width <= width) {
            line = std::move(candidate);
            lineHasWord = true;
            spaces = take(true);
            word = take(false);
            continue;
        }
        if (lineHasWord) {
            // Break before the word; the spaces at the break are dropped.
            Emit(std::move(line));
            line = {};
            lineHasWord = false;
            spaces.clear();
            continue;
        }
        if ((format & DT_WORD_ELLIPSIS) && !calc) {
            Emit(CutWithEllipsis(candidate));
        } else if (format & DT_EDITCONTROL) {
            TextLine head = extend(line, spaces);
            size_t taken = 0;
            while (taken < word.size()) {
                TextLine next = head;
                AppendChar(next, word[taken]);
                if (next.width > width && taken > 0) {
                    break;
                }
                head = std::move(next);
                ++taken;
            }
            Emit(std::move(head));
            line = {};
            spaces.clear();
            word.erase(word.begin(), word.begin() + static_cast<ptrdiff_t>(taken));
            if (!word.empty()) {
                continue;
            }
        } else {
            Emit(std::move(candidate));
        }
        line = {};
        take(true);
        spaces.clear();
        word = take(false);
    }
    // Spaces that end the paragraph stay when they fit.
    if (TextLine withSpaces = extend(line, spaces); withSpaces.width <= width || !lineHasWord) {
        line = std::move(withSpaces);
    }
    if (lineHasWord || m_lines.size() == linesBefore) {
        Emit(std::move(line));
    }
}

// Without wrapping, every word wider than the rectangle is cut on its own.
TextLine DrawTextLayout::WordEllipses(const Chars& paragraph) const {
    TextLine line;
    size_t i = 0;
    while (i < paragraph.size()) {
        if (IsBreakSpace(paragraph[i].code)) {
            AppendChar(line, paragraph[i++]);
            continue;
        }
        TextLine word;
        size_t end = i;
        while (end < paragraph.size() && !IsBreakSpace(paragraph[end].code)) {
            AppendChar(word, paragraph[end++]);
        }
        if (word.width > m_params.width) {
            for (const LineChar& c : CutWithEllipsis(word).chars) {
                line.Append(c);
            }
        } else {
            for (size_t k = i; k < end; ++k) {
                AppendChar(line, paragraph[k]);
            }
        }
        i = end;
    }
    return line;
}

void DrawTextLayout::Emit(TextLine line) {
    const UINT format = m_params.format;
    if ((format & DT_END_ELLIPSIS) && !(format & DT_CALCRECT) && line.width > m_params.width) {
        line = CutWithEllipsis(line);
    }
    m_lines.push_back(std::move(line));
}

void DrawTextLayout::VerticalRules() {
    const UINT format = m_params.format;
    if (format & DT_SINGLELINE) {
        return;
    }
    const size_t fullyVisible =
        m_params.lineHeight > 0
            ? static_cast<size_t>(std::max(0, m_params.height) / m_params.lineHeight)
            : m_lines.size();
    if ((format & DT_END_ELLIPSIS) && m_lines.size() > fullyVisible) {
        m_lines.resize(std::max<size_t>(fullyVisible, 1));
        TextLine& last = m_lines.back();
        // The text goes on beyond this line, so it ends in "..." even when it would fit.
        TextLine full = last;
        full.width = m_params.width + 1;
        last = CutWithEllipsis(full);
    }
    if ((format & DT_EDITCONTROL) && m_lines.size() > fullyVisible) {
        m_lines.resize(fullyVisible);
    }
}

} // namespace win::text
