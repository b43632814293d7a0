#pragma once

#include "propertylist/model/listitems/CListItem.h"

#include "platform/ole/collection/Collection.h"
#include "platform/ole/event/ConnectionPoint.h"

#include <string>

namespace attrgrid {

// The ordered choices of one property. Non-empty texts are keys (case-insensitive, unique);
// items with an empty text carry no key. Positions are 1-based.
class CListItems : public ole::Object, public ole::EventSource {
public:
    enum Id : ole::DISPID {
        IdItem = ole::DISPID_VALUE,
        IdAdd = 0x60030001,
        IdClear = 0x60030002,
        IdRemove = 0x60030003,
        IdCount = 0x68030000,
        IdNewEnum = ole::DISPID_NEWENUM,
    };
    enum EventId : ole::DISPID { ListModified = 1 };

    static ole::Ptr<CListItems> Create();

    // Raises 457 for a text already in the list, then nothing is added and no event raised.
    ole::Ptr<CListItem> Add(const std::string& sText, const ole::Variant& aValue);
    // Raises 9 outside 1..Count.
    ole::Ptr<CListItem> Item(int32_t nIndex) const;
    int32_t Count() const { return m_items->Count(); }
    // Raises no event.
    void Clear();
    // Raises 9 (and no event) outside 1..Count.
    void Remove(int32_t nIndex);
    ole::Ptr<ole::Object> NewEnum() const;

    // The text of the last item whose value equals `value` (objects by identity, other values by
    // the total equality); empty when none does.
    std::string TextOfValue(const ole::Variant& value) const;

    ole::ConnectionPoint& Events() override { return m_events; }
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

private:
    CListItems();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    ole::Ptr<ole::Collection> m_items;
    ole::ConnectionPoint m_events;
};

} // namespace attrgrid
