#include "platform/forms/controls/textbox/TextBox.h"

#include "platform/base/Utf8.h"
#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/controls/common/StandardEvents.h"
#include "platform/ole/error/Error.h"
#include "platform/win/Win.h"

#include <algorithm>

namespace forms {

ole::Ptr<TextBox> TextBox::Create() {
    return ole::MakeObject<TextBox>();
}

TextBox::TextBox() : TextControl(kWindowBackground, kWindowText) {}

TextBox::~TextBox() = default;

const ole::ClassInfo& TextBox::Info() {
    static const ole::ClassInfo info = [] {
        ole::ClassBuilder<TextBox> b("TextBox");
        b.Library("VB")
            .ClassId("{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F11}")
            .Interface("ITextBox", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F12}", ole::TYPEFLAG_FDUAL)
            .EventInterface("TextBoxEvents", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F13}");
        using ole::Persisted;
        using ole::Variant;
        using T = TextBox;
        AddCommonMembers(b, CommonMembers::All);
        b.Property("Text", dispid::Text, &T::Text, &T::SetText, Persisted(Variant("")))
            .Property("SelStart", SelStart, &T::GetSelStart, &T::SetSelStart)
            .Property("SelLength", SelLength, &T::GetSelLength, &T::SetSelLength)
            .Property("SelText", SelText, &T::GetSelText, &T::SetSelText)
            .Property("Locked", Locked, &T::GetLocked, &T::SetLocked, Persisted(Variant(false)))
            .Property("MaxLength", MaxLength, &T::GetMaxLength, &T::SetMaxLength,
                      Persisted(Variant(int32_t{0})))
            .Property("BorderStyle", dispid::BorderStyle, &T::BorderStyle, &T::SetBorderStyle,
                      Persisted(Variant(int16_t{1})));
        AddTextMembers(b);
        b.Event("Change", eventid::Change);
        AddKeyEvents(b);
        AddClickEvents(b);
        AddMouseEvents(b);
        AddFocusEvents(b);
        return b.Build();
    }();
    return info;
}

std::string TextBox::Text() const {
    if (!IsAlive())
        return m_text;
    const win::HWND hwnd = Window();
    std::string text(static_cast<size_t>(win::GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(
        static_cast<size_t>(win::GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

void TextBox::SetText(const std::string& text) {
    if (text == Text())
        return;
    if (IsAlive()) {
        m_settingText = true;
        win::SetWindowTextA(Window(), text.c_str());
        m_settingText = false;
    } else {
        m_text = text;
        m_selection = {};
    }
    RaiseEvent(eventid::Change);
}

int32_t TextBox::GetSelStart() const {
    return GetSelection().start;
}

void TextBox::SetSelStart(int32_t start) {
    if (start < 0)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    const auto length = static_cast<int32_t>(base::CodePointCount(Text()));
    start = std::min(start, length);
    Select(start, start);
}

int32_t TextBox::GetSelLength() const {
    const Selection selection = GetSelection();
    return selection.end - selection.start;
}

void TextBox::SetSelLength(int32_t length) {
    if (length < 0)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    const Selection selection = GetSelection();
    const auto textLength = static_cast<int32_t>(base::CodePointCount(Text()));
    Select(selection.start, std::min(textLength, selection.start + std::min(length, textLength)));
}

std::string TextBox::GetSelText() const {
    const std::string text = Text();
    const Selection selection = GetSelection();
    const size_t from = base::ByteOffsetOfCodePoint(text, static_cast<size_t>(selection.start));
    const size_t to = base::ByteOffsetOfCodePoint(text, static_cast<size_t>(selection.end));
    return text.substr(from, to - from);
}

void TextBox::SetSelText(const std::string& text) {
    if (IsAlive()) {
        ReplaceSelection(text);
        return;
    }
    const Selection selection = GetSelection();
    const size_t from = base::ByteOffsetOfCodePoint(m_text, static_cast<size_t>(selection.start));
    const size_t to = base::ByteOffsetOfCodePoint(m_text, static_cast<size_t>(selection.end));
    const std::string before = m_text;
    m_text.replace(from, to - from, text);
    const int32_t caret = selection.start + static_cast<int32_t>(base::CodePointCount(text));
    m_selection = {caret, caret};
    if (m_text != before)
        RaiseEvent(eventid::Change);
}

void TextBox::SetLocked(bool locked) {
    m_locked = locked;
    ApplyLocked();
}

void TextBox::SetMaxLength(int32_t maxLength) {
    if (maxLength < 0)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_maxLength = maxLength;
    ApplyMaxLength();
}

void TextBox::SetBorderStyle(int16_t style) {
    if (style < 0 || style > 1)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    if (!IsAlive())
        return;
    const win::HWND hwnd = Window();
    const auto exStyle = static_cast<win::DWORD>(win::GetWindowLongA(hwnd, win::GWL_EXSTYLE));
    win::SetWindowLongA(
        hwnd, win::GWL_EXSTYLE,
        static_cast<win::LONG_PTR>((exStyle & ~win::WS_EX_CLIENTEDGE) | WindowExStyle()));
    win::SetWindowPos(hwnd, {}, 0, 0, 0, 0,
                      win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE |
                          win::SWP_FRAMECHANGED);
    Repaint();
}

win::DWORD TextBox::WindowExStyle() const {
    return m_borderStyle == 1 ? win::WS_EX_CLIENTEDGE : 0;
}

void TextBox::OnWindowCreated() {
    TextControl::OnWindowCreated();
    ApplyLocked();
    ApplyMaxLength();
    Select(m_selection.start, m_selection.end);
}

} // namespace forms
