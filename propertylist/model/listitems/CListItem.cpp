#include "propertylist/model/listitems/CListItem.h"

#include "platform/ole/dispatch/ClassBuilder.h"

namespace attrgrid {

ole::Ptr<CListItem> CListItem::Create() {
    return ole::MakeObject<CListItem>();
}

void CListItem::LetValue(const ole::Variant& value) {
    // A Variant copy of an object shares the object; of anything else it is an independent copy.
    m_value = value.Deref();
}

ole::Variant CListItem::Invoke(ole::DISPID id, uint16_t kinds, std::span<ole::Variant> args) {
    if (id == IdValue && (kinds & ole::DISPATCH_PROPERTYPUT) && !args.empty() &&
        args.back().Deref().IsObject()) {
        LetValue(args.back());
        return {};
    }
    return Object::Invoke(id, kinds, args);
}

const ole::ClassInfo& CListItem::Info() {
    static const ole::ClassInfo info =
        ole::ClassBuilder<CListItem>("CListItem")
            .Library("Attrgrid")
            .ClassId("{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210101}")
            .Interface("_CListItem", "{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210102}", ole::TYPEFLAG_FDUAL)
            .Get("Value", IdValue, &CListItem::GetValue)
            .Let("Value", IdValue, &CListItem::LetValue)
            .Get("Text", IdText, &CListItem::GetText)
            .Let("Text", IdText, &CListItem::LetText)
            .Build();
    return info;
}

} // namespace attrgrid
