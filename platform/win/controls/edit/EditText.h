#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace win::controls {

// The text of a single-line edit with its selection, in code points. The selection runs from the
// anchor to the caret (the end that moves); an empty selection is just the caret.
class EditText {
public:
    // The platform's default limit of a single-line edit.
    static constexpr size_t kDefaultLimit = 0x7FFFFFFE;

    std::string Utf8() const;
    // Replaces the whole text; the caret goes to the start, nothing is selected.
    void SetUtf8(std::string_view text);
    const std::u32string& Text() const { return m_text; }
    size_t Length() const { return m_text.size(); }

    size_t Caret() const { return m_caret; }
    size_t Anchor() const { return m_anchor; }
    size_t SelectionStart() const { return m_anchor < m_caret ? m_anchor : m_caret; }
    size_t SelectionEnd() const { return m_anchor < m_caret ? m_caret : m_anchor; }
    bool HasSelection() const { return m_anchor != m_caret; }

    // Positions past the end are clamped. extend keeps the anchor (Shift).
    void MoveCaret(size_t position, bool extend);
    void Select(size_t anchor, size_t caret);

    struct Edit {
        bool changed = false;
        bool truncated = false; // the limit cut the inserted text
    };
    // Replaces the selection with text, cut to the limit; the caret ends after the insertion.
    Edit ReplaceSelection(std::u32string_view text);
    // Backspace and Delete: the selection if any, else one code point before or after the caret.
    bool DeleteBackward();
    bool DeleteForward();

    void SetLimit(size_t limit) { m_limit = limit == 0 ? kDefaultLimit : limit; }
    size_t Limit() const { return m_limit; }

    // Start and end of the word around position (letters, digits and '_' form words).
    size_t WordStart(size_t position) const;
    size_t WordEnd(size_t position) const;

private:
    std::u32string m_text;
    size_t m_anchor = 0;
    size_t m_caret = 0;
    size_t m_limit = kDefaultLimit;
};

std::u32string DecodeText(std::string_view utf8);
std::string EncodeText(std::u32string_view text);

} // namespace win::controls
