#include "propertylist/editors/CListEditor.h"

#include "propertylist/model/property/CProperty.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/convert/Equality.h"
#include "platform/ole/error/ResumeNext.h"

namespace attrgrid {

namespace {

namespace id {
constexpr ole::DISPID Clear = 0x60030022;
constexpr ole::DISPID AddItemEx = 0x60030020;
constexpr ole::DISPID ListCount = 0x68030010;
constexpr ole::DISPID ListIndex = 0x6803000f;
constexpr ole::DISPID ItemData = 0x6803000e;
constexpr ole::DISPID List = 0x6803000d;
constexpr ole::DISPID hwnd = 0x6803000c;
constexpr ole::DISPID ScaleMode = 0x6803000b;
constexpr ole::DISPID BackColor = 0x68030014;
constexpr ole::DISPID ForeColor = 0x68030011;
} // namespace id

bool IsText(const ole::Variant& value) {
    return value.ValueType() == ole::VT_BSTR;
}

// The language's equality, where numeric text against a number compares numerically and a pair
// that could not be compared counts as different, never as a match.
bool SameItemData(const ole::Variant& wanted, const ole::Variant& data) {
    if (wanted.IsObject() || data.IsObject())
        return wanted.IsObject() && data.IsObject() && wanted.AsObject() == data.AsObject();
    if (IsText(wanted) != IsText(data) && !wanted.IsEmpty() && !data.IsEmpty() &&
        !wanted.IsNull() && !data.IsNull()) {
        if (!ole::IsNumeric(wanted) || !ole::IsNumeric(data))
            return false;
        return ole::CDbl(wanted) == ole::CDbl(data);
    }
    return ole::VariantEquals(wanted, data);
}

} // namespace

CListEditor::CListEditor() : HostedControlEditor({id::ScaleMode, id::hwnd}, true) {}

ole::Ptr<CListEditor> CListEditor::Create() {
    return ole::MakeObject<CListEditor>();
}

int32_t CListEditor::ListIndex() {
    const ole::Variant index = Get(id::ListIndex);
    return index.IsEmpty() ? -1 : ole::CLng(index);
}

std::string CListEditor::Text() {
    const int32_t index = ListIndex();
    if (index < 0)
        return {};
    const ole::Variant args[] = {ole::Variant(index)};
    const ole::Variant text = Get(id::List, args);
    return text.IsEmpty() ? std::string() : ole::CStr(text);
}

ole::Variant CListEditor::GetValue() {
    const int32_t index = ListIndex();
    if (index < 0)
        return {};
    const ole::Variant args[] = {ole::Variant(index)};
    return Get(id::ItemData, args);
}

void CListEditor::ShowValue(const ole::Variant& value) {
    if (!Control())
        return;
    ole::ResumeNext([&] {
        const ole::Variant count = Get(id::ListCount);
        const int32_t entries = count.IsEmpty() ? 0 : ole::CLng(count);
        for (int32_t index = 0; index < entries; ++index) {
            const ole::Variant args[] = {ole::Variant(index)};
            if (SameItemData(value, Get(id::ItemData, args))) {
                Let(id::ListIndex, ole::Variant(index));
                return;
            }
        }
    });
}

void CListEditor::Reset(const ole::Ptr<CProperty>& aProperty,
                        const ole::Ptr<CEditorListener>& anEditorListener) {
    if (!Control())
        return;
    KeepListener(anEditorListener);
    Call(id::Clear);
    if (!aProperty)
        return;
    ole::ResumeNext([&] {
        const ole::Ptr<CListItems> items = aProperty->GetListItems();
        for (int32_t i = 1; items && i <= items->Count(); ++i) {
            ole::ResumeNext([&] {
                const ole::Ptr<CListItem> item = items->Item(i);
                ole::Variant args[] = {ole::Variant(item->GetText()), item->GetValue()};
                Call(id::AddItemEx, args);
            });
        }
    });
    ole::ResumeNext([&] { Let(id::BackColor, ole::Variant(aProperty->GetBackColor())); });
    ole::ResumeNext([&] { Let(id::ForeColor, ole::Variant(aProperty->GetForeColor())); });
}

} // namespace attrgrid
