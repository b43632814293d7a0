#pragma once

#include "buttonbar/model/CGroup.h"
#include "buttonbar/model/KeyedItems.h"
#include "buttonbar/model/LiveModelObjects.h"

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/WeakRef.h"

#include <string>
#include <string_view>

namespace shelfstrip {

// The control's groups, in bar order. Bound at birth to the control; the last group can never be
// removed.
class CGroups : public ole::Object {
public:
    enum Id : ole::DISPID {
        IdItem = ole::DISPID_VALUE,
        IdNewEnum = ole::DISPID_NEWENUM,
        IdAdd = 0x60030002,
        IdRemove = 0x60030003,
        IdSetNewIndex = 0x6003000a,
        IdCount = 0x68030000,
    };

    static ole::Ptr<CGroups> Create(const ole::Ptr<ole::Object>& aBtnBar);
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    // "Duplicate key specified." from the module for a key in use; nothing stored then.
    ole::Ptr<CGroup> Add(const std::string& sCaption, const std::string& sTooltipText = {},
                         const std::string& sKey = {});
    ole::Ptr<CGroup> Item(const ole::Variant& vntIndexKey) const;
    int32_t Count() const { return m_items.Count(); }
    // Refuses to remove the last group. The control hears of it after the group has left.
    void Remove(const ole::Variant& vntIndexKey);
    ole::Ptr<ole::Object> NewEnum() const { return m_items.NewEnum(); }
    bool SetNewIndex(const ole::Ptr<CGroup>& aGroup, int32_t Index);

    // ---- For the library ----
    // None when the internal key is not stored.
    ole::Ptr<CGroup> ItemByInternalKey(std::string_view sInternalKey) const;
    bool ChangeKey(const CGroup& aGroup, const std::string& sNewKey, const std::string& sOldKey);
    // Whether this very group is in the collection.
    bool Holds(const CGroup& aGroup) const;
    ole::Ptr<CGroup> At(int32_t position) const;

private:
    CGroups() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);
    friend struct ModelTestAccess;

    ole::Ptr<CGroup> ItemFromDispatch(ole::Variant& vntIndexKey) const;
    void RemoveFromDispatch(ole::Variant& vntIndexKey);

    KeyedItems m_items;
    ole::WeakRef<ole::Object> m_control;
    LiveModelObjects::Token m_live;
};

} // namespace shelfstrip
