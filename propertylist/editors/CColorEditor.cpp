#include "propertylist/editors/CColorEditor.h"

#include "propertylist/model/property/CProperty.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/ResumeNext.h"

namespace attrgrid {

namespace {

namespace id {
constexpr ole::DISPID SelectedColor = 0x68030008;
constexpr ole::DISPID BackColor = 0x68030010;
constexpr ole::DISPID ForeColor = 0x6803000d;
constexpr ole::DISPID hwnd = 0x68030003;
constexpr ole::DISPID ScaleMode = 0x68030002;
} // namespace id

} // namespace

CColorEditor::CColorEditor() : HostedControlEditor({id::ScaleMode, id::hwnd}, false) {}

ole::Ptr<CColorEditor> CColorEditor::Create() {
    return ole::MakeObject<CColorEditor>();
}

ole::Variant CColorEditor::GetValue() {
    const ole::Variant color = Get(id::SelectedColor);
    return color.IsEmpty() ? ole::Variant() : ole::Variant(ole::CLng(color));
}

void CColorEditor::ShowValue(const ole::Variant& value) {
    ole::ResumeNext([&] {
        const int32_t color = value.IsEmpty() || value.IsNull() ? 0 : ole::CLng(value);
        Let(id::SelectedColor, ole::Variant(color));
    });
}

void CColorEditor::Reset(const ole::Ptr<CProperty>& aProperty,
                         const ole::Ptr<CEditorListener>& anEditorListener) {
    KeepListener(anEditorListener);
    if (!Control() || !aProperty)
        return;
    Let(id::BackColor, ole::Variant(aProperty->GetBackColor()));
    Let(id::ForeColor, ole::Variant(aProperty->GetForeColor()));
}

} // namespace attrgrid
