#include "platform/forms/controls/label/Label.h"

#include "platform/forms/control/ControlContainer.h"
#include "platform/forms/control/ControlMembers.h"
#include "platform/forms/controls/common/ColorValue.h"
#include "platform/forms/controls/common/StandardEvents.h"
#include "platform/ole/error/Error.h"
#include "platform/win/paint/Paint.h"

namespace forms {

ole::Ptr<Label> Label::Create() {
    return ole::MakeObject<Label>();
}

Label::Label() : m_font([this] { Changed(); }) {}

const ole::ClassInfo& Label::Info() {
    static const ole::ClassInfo info = [] {
        using ole::Persisted;
        using ole::Typed;
        using ole::Variant;
        using L = Label;
        ole::ClassBuilder<Label> b("Label");
        b.Library("VB")
            .ClassId("{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F01}")
            .Interface("ILabel", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F02}", ole::TYPEFLAG_FDUAL)
            .EventInterface("LabelEvents", "{6C1B2E40-3A5D-4F71-9C2E-5B8D7A4E1F03}");
        AddCommonMembers(b,
                         CommonMembers::Geometry | CommonMembers::Pointer | CommonMembers::ZOrder);
        b.Property("Caption", dispid::Caption, &L::Caption, &L::SetCaption, Persisted(Variant("")))
            .Property("Alignment", Alignment, &L::GetAlignment, &L::SetAlignment,
                      Persisted(Variant(int16_t{0})))
            .Property("AutoSize", AutoSize, &L::GetAutoSize, &L::SetAutoSize,
                      Persisted(Variant(false)))
            .Property("WordWrap", WordWrap, &L::GetWordWrap, &L::SetWordWrap,
                      Persisted(Variant(false)))
            .Property("BackStyle", BackStyle, &L::GetBackStyle, &L::SetBackStyle,
                      Persisted(Variant(int16_t{1})))
            .Property("BorderStyle", dispid::BorderStyle, &L::BorderStyle, &L::SetBorderStyle,
                      Persisted(Variant(int16_t{0})))
            .Property("BackColor", dispid::BackColor, &L::BackColor, &L::SetBackColor,
                      Typed("OLE_COLOR") | Persisted(Variant(int32_t(kButtonFace))))
            .Property("ForeColor", dispid::ForeColor, &L::ForeColor, &L::SetForeColor,
                      Typed("OLE_COLOR") | Persisted(Variant(int32_t(kButtonText))))
            .Property("Font", dispid::Font, &L::Font, &L::SetFont, Typed("Font"));
        AddClickEvents(b);
        AddMouseEvents(b);
        return b.Build();
    }();
    return info;
}

void Label::SetCaption(const std::string& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    Changed();
}

void Label::SetAlignment(int16_t alignment) {
    if (alignment < 0 || alignment > 2)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_alignment = alignment;
    Changed();
}

void Label::SetAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    Changed();
}

void Label::SetWordWrap(bool wordWrap) {
    m_wordWrap = wordWrap;
    Changed();
}

void Label::SetBackStyle(int16_t style) {
    if (style < 0 || style > 1)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_backStyle = style;
    Changed();
}

void Label::SetBorderStyle(int16_t style) {
    if (style < 0 || style > 1)
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    m_borderStyle = style;
    Changed();
}

int32_t Label::BackColor() const {
    return ColorToLong(m_backColor);
}

void Label::SetBackColor(const ole::Variant& color) {
    m_backColor = ColorFromArgument(color);
    Changed();
}

int32_t Label::ForeColor() const {
    return ColorToLong(m_foreColor);
}

void Label::SetForeColor(const ole::Variant& color) {
    m_foreColor = ColorFromArgument(color);
    Changed();
}

ole::Ptr<ole::Font> Label::Font() {
    SettleFont();
    return m_font.Object();
}

void Label::SetFont(ole::Ptr<ole::Font> font) {
    SettleFont();
    m_font.Assign(font);
}

void Label::SettleFont() {
    if (ControlContainer* container = ContainerSite())
        m_font.AdoptAmbient(container->AmbientFont().Get());
}

void Label::Changed() {
    if (!IsAlive())
        return;
    if (m_autoSize)
        ApplyAutoSize();
    if (ControlContainer* container = ContainerSite()) {
        const win::RECT bounds = PixelBounds();
        win::InvalidateRect(container->ContainerWindow(), &bounds, win::TRUE);
    }
}

} // namespace forms
