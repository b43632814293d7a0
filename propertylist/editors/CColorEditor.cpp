#include "propertylist/editors/CColorEditor.h"

#include "propertylist/model/property/CProperty.h"

#include "platform/base/Rounding.h"
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

// A whole number within 32 bits of either signedness is taken by its bits, so the system colour
// 0x8000000F held as 2147483663 shows as itself; Empty, Null and what does not fit give 0.
int32_t ColorBits(const ole::Variant& value) {
    if (value.IsEmpty() || value.IsNull())
        return 0;
    const double whole = base::RoundHalfEven(ole::CDbl(value));
    if (!(whole >= -2147483648.0 && whole <= 4294967295.0))
        return 0;
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(whole)));
}

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
    ole::ResumeNext([&] { Let(id::SelectedColor, ole::Variant(ColorBits(value))); });
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
