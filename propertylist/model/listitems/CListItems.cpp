#include "propertylist/model/listitems/CListItems.h"

#include "platform/ole/convert/Equality.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/error/Error.h"

namespace attrgrid {

CListItems::CListItems() : m_items(ole::Collection::Create()), m_events(Info(), this) {}

ole::Ptr<CListItems> CListItems::Create() {
    return ole::MakeObject<CListItems>();
}

ole::Ptr<CListItem> CListItems::Add(const std::string& sText, const ole::Variant& aValue) {
    ole::Ptr<CListItems> self(this);
    auto item = CListItem::Create();
    item->LetText(sText);
    item->LetValue(aValue);
    // The collection refuses a duplicate text with 457 before anything is stored.
    m_items->Append(ole::Variant(item),
                    sText.empty() ? std::nullopt : std::optional<std::string>(sText));
    try {
        m_events.Raise(ListModified);
    } catch (const ole::Error&) {
        // The add has happened; a failing raise must not make it look refused.
    }
    return item;
}

ole::Ptr<CListItem> CListItems::Item(int32_t nIndex) const {
    return ole::PtrCast<CListItem>(m_items->ItemAt(nIndex).AsObject());
}

void CListItems::Clear() {
    m_items->Clear();
}

void CListItems::Remove(int32_t nIndex) {
    ole::Ptr<CListItems> self(this);
    m_items->RemoveAt(nIndex);
    try {
        m_events.Raise(ListModified);
    } catch (const ole::Error&) {
    }
}

ole::Ptr<ole::Object> CListItems::NewEnum() const {
    return m_items->NewEnum();
}

std::string CListItems::TextOfValue(const ole::Variant& value) const {
    const ole::Variant& wanted = value.Deref();
    const std::vector<ole::Variant> items = m_items->Snapshot();
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        auto item = ole::PtrCast<CListItem>(it->AsObject());
        if (!item)
            continue;
        const ole::Variant itemValue = item->GetValue();
        // Objects match only by identity; an object item never matches a plain value.
        if (wanted.IsObject() || itemValue.IsObject()) {
            if (ole::Is(wanted, itemValue))
                return item->GetText();
            continue;
        }
        if (ole::VariantEquals(itemValue, wanted))
            return item->GetText();
    }
    return {};
}

const ole::ClassInfo& CListItems::Info() {
    static const ole::ClassInfo info =
        ole::ClassBuilder<CListItems>("CListItems")
            .Library("Attrgrid")
            .ClassId("{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210201}")
            .Interface("_CListItems", "{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210202}", ole::TYPEFLAG_FDUAL)
            .EventInterface("__CListItems", "{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210203}")
            .Method("Add", IdAdd, &CListItems::Add,
                    ole::Params({ole::Arg("sText"), ole::Arg("aValue")}))
            .Method("Item", IdItem, &CListItems::Item, ole::Params({ole::Arg("nIndex")}))
            .Get("Count", IdCount, &CListItems::Count)
            .Method("Clear", IdClear, &CListItems::Clear)
            .Method("Remove", IdRemove, &CListItems::Remove, ole::Params({ole::Arg("nIndex")}))
            .Get("NewEnum", IdNewEnum, &CListItems::NewEnum, ole::Restricted() | ole::Hidden())
            .Event("ListModified", ListModified, {})
            .Build();
    return info;
}

} // namespace attrgrid
