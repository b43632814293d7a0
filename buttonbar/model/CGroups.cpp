#include "buttonbar/model/CGroups.h"

#include "buttonbar/library/ShelfstripErrors.h"
#include "buttonbar/library/ShelfstripIds.h"
#include "buttonbar/model/CGroupListener.h"

#include "platform/ole/dispatch/ClassBuilder.h"

namespace shelfstrip {

namespace {

CGroupListener* ListenerOf(const ole::Ptr<ole::Object>& control) {
    return dynamic_cast<CGroupListener*>(control.Get());
}

} // namespace

ole::Ptr<CGroups> CGroups::Create(const ole::Ptr<ole::Object>& aBtnBar) {
    ole::Ptr<CGroups> groups = ole::MakeObject<CGroups>();
    groups->m_control = aBtnBar;
    return groups;
}

ole::Ptr<CGroup> CGroups::Add(const std::string& sCaption, const std::string& sTooltipText,
                              const std::string& sKey) {
    const std::string key = m_items.CheckNewKey(sKey);
    const std::string internalKey = m_items.NextInternalKey();
    ole::Ptr<CGroups> self(this);
    const ole::Ptr<ole::Object> control = m_control.Lock();
    ole::Ptr<CGroup> group = CGroup::Create(control);
    group->LetInternalKey(internalKey);
    group->init(control, sCaption, sTooltipText, key);
    m_items.Store(group, internalKey, key);
    if (CGroupListener* listener = ListenerOf(control))
        listener->GroupAdded(group);
    return group;
}

ole::Ptr<CGroup> CGroups::Item(const ole::Variant& vntIndexKey) const {
    return ole::PtrCast<CGroup>(m_items.Find(vntIndexKey));
}

ole::Ptr<CGroup> CGroups::ItemFromDispatch(ole::Variant& vntIndexKey) const {
    return Item(vntIndexKey);
}

ole::Ptr<CGroup> CGroups::At(int32_t position) const {
    return ole::PtrCast<CGroup>(m_items.At(position));
}

ole::Ptr<CGroup> CGroups::ItemByInternalKey(std::string_view sInternalKey) const {
    return ole::PtrCast<CGroup>(m_items.ByInternalKey(sInternalKey));
}

void CGroups::Remove(const ole::Variant& vntIndexKey) {
    if (Count() < 2)
        ole::RaiseError(errors::LastGroup, errors::kTitle);
    ole::Ptr<CGroups> self(this);
    const ole::Ptr<CGroup> group = Item(vntIndexKey);
    m_items.Forget(group->InternalKey(), group->GetKey());
    if (CGroupListener* listener = ListenerOf(m_control.Lock()))
        listener->GroupRemoved(group);
}

void CGroups::RemoveFromDispatch(ole::Variant& vntIndexKey) {
    Remove(vntIndexKey);
}

bool CGroups::SetNewIndex(const ole::Ptr<CGroup>& aGroup, int32_t Index) {
    if (!aGroup)
        ole::RaiseError(errors::InvalidGroupObject, errors::kTitle);
    ole::Ptr<CGroups> self(this);
    m_items.MoveTo(*aGroup, aGroup->InternalKey(), Index, errors::AlienGroup);
    if (CGroupListener* listener = ListenerOf(m_control.Lock()))
        listener->GroupReIndexed(aGroup);
    return true;
}

bool CGroups::ChangeKey(const CGroup& aGroup, const std::string& sNewKey,
                        const std::string& sOldKey) {
    return m_items.ChangeKey(aGroup, aGroup.InternalKey(), sNewKey, sOldKey);
}

bool CGroups::Holds(const CGroup& aGroup) const {
    return m_items.Holds(aGroup, aGroup.InternalKey());
}

const ole::ClassInfo& CGroups::Info() {
    using C = CGroups;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("CGroups")
            .Library(kLibraryName)
            .ClassId(ids::kGroupsClass)
            .Interface("_CGroups", ids::kGroupsInterface, ole::TYPEFLAG_FDUAL)
            .Help("The groups of the bar")
            .Method("Add", IdAdd, &C::Add,
                    ole::Params({ole::Arg("sCaption"), ole::Opt("sTooltipText", ""),
                                 ole::Opt("sKey", "")}) |
                        ole::Typed("CGroup") | ole::Help("Adds a group"))
            .Get("Item", IdItem, &C::ItemFromDispatch,
                 ole::Params({ole::Arg("vntIndexKey")}) | ole::Typed("CGroup") |
                     ole::Help("A group by position or key"))
            .Get("Count", IdCount, &C::Count, ole::Help("Number of groups"))
            .Method("Remove", IdRemove, &C::RemoveFromDispatch,
                    ole::Params({ole::Arg("vntIndexKey")}) | ole::Help("Removes a group"))
            .Get("NewEnum", IdNewEnum, &C::NewEnum, ole::Restricted() | ole::Hidden())
            .Method("SetNewIndex", IdSetNewIndex, &C::SetNewIndex,
                    ole::Params({ole::Arg("aGroup", "CGroup"), ole::Arg("Index")}) |
                        ole::Help("Moves a group to a position"))
            .Build();
    return info;
}

} // namespace shelfstrip
