#include "platform/ole/font/Font.h"

#include "platform/ole/error/Error.h"

#include <algorithm>

namespace ole {

Ptr<Font> Font::Create() {
    return MakeObject<Font>();
}

const ClassInfo& Font::Info() {
    static const ClassInfo info =
        ClassBuilder<Font>("Font")
            .Library("StdTypes")
            .ClassId("{CFF10897-3984-4242-A847-22124CD0376D}")
            .Interface("Font", "{9E19E1A5-F101-44B5-80DA-1B7008C14650}")
            .EventInterface("FontEvents", "{699DA308-F11E-45A4-B41E-F59A4A611AC6}")
            .Property("Name", DISPID_VALUE, &Font::Name, &Font::SetName)
            .Property("Size", 2, &Font::Size, &Font::SetSize)
            .Property("Bold", 3, &Font::Bold, &Font::SetBold)
            .Property("Italic", 4, &Font::Italic, &Font::SetItalic)
            .Property("Underline", 5, &Font::Underline, &Font::SetUnderline)
            .Property("Strikethrough", 6, &Font::Strikethrough, &Font::SetStrikethrough)
            .Property("Weight", 7, &Font::Weight, &Font::SetWeight)
            .Property("Charset", 8, &Font::Charset, &Font::SetCharset)
            .Event("FontChanged", DISPID_FONTCHANGED, {{"PropertyName", VT_BSTR, false, {}}})
            .Build();
    return info;
}

template <class T>
void Font::Assign(T& attribute, T value, std::string_view propertyName) {
    if (attribute == value) {
        return;
    }
    attribute = std::move(value);
    RaiseFontChanged(propertyName);
}

void Font::SetName(std::string name) {
    Assign(m_attributes.name, std::move(name), "Name");
}

Currency Font::ClampedSize(Currency size) {
    return std::clamp(size, Currency{0}, kMaxSize);
}

void Font::SetSize(Currency size) {
    if (ClampedSize(size) != size) {
        RaiseError(ERR_INVALID_PROPERTY_VALUE);
    }
    Assign(m_attributes.size, size, "Size");
}

void Font::SetBold(bool bold) {
    Assign(m_attributes.weight, bold ? kBoldWeight : kNormalWeight, "Bold");
}

void Font::SetItalic(bool italic) {
    Assign(m_attributes.italic, italic, "Italic");
}

void Font::SetUnderline(bool underline) {
    Assign(m_attributes.underline, underline, "Underline");
}

void Font::SetStrikethrough(bool strikethrough) {
    Assign(m_attributes.strikethrough, strikethrough, "Strikethrough");
}

void Font::SetWeight(int16_t weight) {
    Assign(m_attributes.weight, weight, "Weight");
}

void Font::SetCharset(int16_t charset) {
    Assign(m_attributes.charset, charset, "Charset");
}

Ptr<Font> Font::Clone() const {
    Ptr<Font> copy = Create();
    copy->m_attributes = m_attributes;
    return copy;
}

void Font::CopyAttributesFrom(const Font& other) {
    // A copy first: `other` may be this font, or be changed by a FontChanged handler meanwhile.
    const Attributes source = other.m_attributes;
    SetName(source.name);
    SetSize(source.size);
    SetWeight(source.weight);
    SetItalic(source.italic);
    SetUnderline(source.underline);
    SetStrikethrough(source.strikethrough);
    SetCharset(source.charset);
}

bool Font::SameAttributes(const Font& other) const {
    return m_attributes == other.m_attributes;
}

void Font::RaiseFontChanged(std::string_view propertyName) {
    Variant name(propertyName);
    m_events.Raise(DISPID_FONTCHANGED, std::span(&name, 1));
}

} // namespace ole
