#include "platform/win/controls/edit/EditText.h"

#include "platform/base/Utf8.h"

#include <algorithm>

namespace win::controls {

std::u32string DecodeText(std::string_view utf8) {
    std::u32string out;
    for (size_t offset = 0; offset < utf8.size();) {
        const base::Utf8Step step = base::DecodeUtf8(utf8, offset);
        out.push_back(step.code);
        offset += step.length;
    }
    return out;
}

std::string EncodeText(std::u32string_view text) {
    std::string out;
    for (char32_t c : text) {
        base::AppendUtf8(out, c);
    }
    return out;
}

std::string EditText::Utf8() const {
    return EncodeText(m_text);
}

void EditText::SetUtf8(std::string_view text) {
    m_text = DecodeText(text);
    m_anchor = m_caret = 0;
}

void EditText::MoveCaret(size_t position, bool extend) {
    m_caret = std::min(position, m_text.size());
    if (!extend) {
        m_anchor = m_caret;
    }
}

void EditText::Select(size_t anchor, size_t caret) {
    m_anchor = std::min(anchor, m_text.size());
    m_caret = std::min(caret, m_text.size());
}

EditText::Edit EditText::ReplaceSelection(std::u32string_view text) {
    const size_t start = SelectionStart();
    const size_t end = SelectionEnd();
    const size_t kept = m_text.size() - (end - start);
    const size_t room = m_limit > kept ? m_limit - kept : 0;
    Edit result;
    if (text.size() > room) {
        text = text.substr(0, room);
        result.truncated = true;
    }
    result.changed = end > start || !text.empty();
    m_text.replace(start, end - start, text);
    m_anchor = m_caret = start + text.size();
    return result;
}

bool EditText::DeleteBackward() {
    if (!HasSelection()) {
        if (m_caret == 0) {
            return false;
        }
        m_anchor = m_caret - 1;
    }
    return ReplaceSelection({}).changed;
}

bool EditText::DeleteForward() {
    if (!HasSelection()) {
        if (m_caret >= m_text.size()) {
            return false;
        }
        m_anchor = m_caret + 1;
    }
    return ReplaceSelection({}).changed;
}

namespace {
bool IsWordChar(char32_t c) {
    return c == U'_' || (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') ||
           (c >= U'a' && c <= U'z') || c >= 0x80;
}
} // namespace

size_t EditText::WordStart(size_t position) const {
    position = std::min(position, m_text.size());
    while (position > 0 && IsWordChar(m_text[position - 1])) {
        --position;
    }
    return position;
}

size_t EditText::WordEnd(size_t position) const {
    position = std::min(position, m_text.size());
    while (position < m_text.size() && IsWordChar(m_text[position])) {
        ++position;
    }
    return position;
}

} // namespace win::controls
