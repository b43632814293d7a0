#include "buttonbar/model/CGroupButtons.h"

#include "platform/ole/convert/Conversions.h"

namespace shelfstrip {

void CGroupButtons::AddGroupButton(const std::string& sGroupInternalKey) {
    m_list->Append(ole::Variant(sGroupInternalKey), sGroupInternalKey);
}

void CGroupButtons::RemoveGroupButton(std::string_view sGroupName) {
    if (m_list->ContainsKey(sGroupName))
        m_list->RemoveByKey(sGroupName);
}

ole::Ptr<CGroup> CGroupButtons::Item(int32_t position) const {
    return Resolve(m_list->ItemAt(position));
}

ole::Ptr<CGroup> CGroupButtons::Item(std::string_view internalKey) const {
    return Resolve(m_list->ItemByKey(internalKey));
}

ole::Ptr<CGroup> CGroupButtons::Resolve(const ole::Variant& internalKey) const {
    const ole::Ptr<CGroups> groups = m_groups.Lock();
    return groups ? groups->ItemByInternalKey(ole::CStr(internalKey)) : nullptr;
}

} // namespace shelfstrip
