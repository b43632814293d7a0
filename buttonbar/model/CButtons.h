#pragma once

#include "buttonbar/model/CButton.h"
#include "buttonbar/model/KeyedItems.h"
#include "buttonbar/model/LiveModelObjects.h"

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/WeakRef.h"

#include <string>

namespace shelfstrip {

// The buttons of one group, in display order. Bound at birth to the control and the group.
class CButtons : public ole::Object {
public:
    enum Id : ole::DISPID {
        IdItem = ole::DISPID_VALUE,
        IdNewEnum = ole::DISPID_NEWENUM,
        IdAdd = 0x60030002,
        IdClear = 0x60030003,
        IdRemove = 0x60030004,
        IdSetNewIndex = 0x6003000b,
        IdCount = 0x68030000,
    };

    static ole::Ptr<CButtons> Create(const ole::Ptr<ole::Object>& aBtnBar,
                                     const ole::Ptr<CGroup>& aGroup);
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    // Checks the key (duplicate: module source), then the picture (a bitmap or an icon, else
    // "Invalid Picture type" from "CButtons.Add"); nothing is stored or numbered on failure.
    ole::Ptr<CButton> Add(const std::string& sCaption, const ole::Ptr<ole::Picture>& aPicture,
                          const std::string& sTooltipText = {}, const std::string& sPrompt = {},
                          const std::string& sKey = {});
    ole::Ptr<CButton> Item(const ole::Variant& vntIndexKey) const;
    // No event for the host; the control hears of it and lets go of the buttons it holds.
    void Clear();
    int32_t Count() const { return m_items.Count(); }
    void Remove(const ole::Variant& vntIndexKey);
    ole::Ptr<ole::Object> NewEnum() const { return m_items.NewEnum(); }
    bool SetNewIndex(const ole::Ptr<CButton>& aButton, int32_t Index);

    // ---- For the library ----
    bool ChangeKey(const CButton& aButton, const std::string& sNewKey, const std::string& sOldKey);
    // Whether this very button is in the collection.
    bool Holds(const CButton& aButton) const;
    ole::Ptr<CButton> At(int32_t position) const;

private:
    CButtons() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);
    friend struct ModelTestAccess;

    ole::Ptr<CButton> AddFromDispatch(const std::string& sCaption, ole::Variant& aPicture,
                                      const std::string& sTooltipText, const std::string& sPrompt,
                                      const std::string& sKey);
    ole::Ptr<CButton> ItemFromDispatch(ole::Variant& vntIndexKey) const;
    void RemoveFromDispatch(ole::Variant& vntIndexKey);

    KeyedItems m_items;
    ole::WeakRef<ole::Object> m_control;
    ole::WeakRef<CGroup> m_group;
    LiveModelObjects::Token m_live;
};

} // namespace shelfstrip
