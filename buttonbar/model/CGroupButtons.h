#pragma once

#include "buttonbar/model/CGroups.h"

#include "platform/ole/collection/Collection.h"
#include "platform/ole/object/WeakRef.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace shelfstrip {

// The internal keys of the groups whose bars one group-bar box shows, in bar order. The control
// keeps two: the groups down to the active one, and those after it.
class CGroupButtons {
public:
    explicit CGroupButtons(const ole::Ptr<CGroups>& groups) : m_groups(groups) {}

    void AddGroupButton(const std::string& sGroupInternalKey);
    // An absent key is ignored.
    void RemoveGroupButton(std::string_view sGroupName);
    void Clear() { m_list = ole::Collection::Create(); }
    int32_t Count() const { return m_list->Count(); }
    // The group at a 1-based position (9 outside the list), or under its internal key (5 when
    // not listed); none once the groups are gone or no longer hold it.
    ole::Ptr<CGroup> Item(int32_t position) const;
    ole::Ptr<CGroup> Item(std::string_view internalKey) const;
    bool Contains(std::string_view internalKey) const { return m_list->ContainsKey(internalKey); }

private:
    ole::Ptr<CGroup> Resolve(const ole::Variant& internalKey) const;

    ole::WeakRef<CGroups> m_groups;
    ole::Ptr<ole::Collection> m_list = ole::Collection::Create();
};

} // namespace shelfstrip
