#include "buttonbar/model/CButtons.h"

#include "buttonbar/library/ShelfstripErrors.h"
#include "buttonbar/library/ShelfstripIds.h"
#include "buttonbar/model/CButtonListener.h"
#include "buttonbar/model/CGroup.h"

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/picture/PictureType.h"

namespace shelfstrip {

namespace {

CButtonListener* ListenerOf(const ole::Ptr<ole::Object>& control) {
    return dynamic_cast<CButtonListener*>(control.Get());
}

} // namespace

ole::Ptr<CButtons> CButtons::Create(const ole::Ptr<ole::Object>& aBtnBar,
                                    const ole::Ptr<CGroup>& aGroup) {
    ole::Ptr<CButtons> buttons = ole::MakeObject<CButtons>();
    buttons->m_control = aBtnBar;
    buttons->m_group = aGroup;
    return buttons;
}

ole::Ptr<CButton> CButtons::Add(const std::string& sCaption, const ole::Ptr<ole::Picture>& aPicture,
                                const std::string& sTooltipText, const std::string& sPrompt,
                                const std::string& sKey) {
    const std::string key = m_items.CheckNewKey(sKey);
    if (!aPicture ||
        (aPicture->Type() != ole::PICTYPE_BITMAP && aPicture->Type() != ole::PICTYPE_ICON))
        ole::RaiseError(errors::InvalidPictureType, errors::kButtonsAddSource);
    ole::Ptr<CButtons> self(this);
    const ole::Ptr<ole::Object> control = m_control.Lock();
    ole::Ptr<CButton> button = CButton::Create();
    button->init(control, m_group.Lock(), sCaption, aPicture, sTooltipText, sPrompt, key);
    const std::string internalKey = m_items.NextInternalKey();
    m_items.Store(button, internalKey, key);
    button->LetInternalKey(internalKey);
    if (CButtonListener* listener = ListenerOf(control))
        listener->ButtonAdded(button);
    return button;
}

ole::Ptr<CButton> CButtons::AddFromDispatch(const std::string& sCaption, ole::Variant& aPicture,
                                            const std::string& sTooltipText,
                                            const std::string& sPrompt, const std::string& sKey) {
    const ole::Variant& picture = aPicture.Deref();
    return Add(sCaption,
               picture.IsObject() ? ole::PtrCast<ole::Picture>(picture.AsObject()) : nullptr,
               sTooltipText, sPrompt, sKey);
}

ole::Ptr<CButton> CButtons::Item(const ole::Variant& vntIndexKey) const {
    return ole::PtrCast<CButton>(m_items.Find(vntIndexKey));
}

ole::Ptr<CButton> CButtons::ItemFromDispatch(ole::Variant& vntIndexKey) const {
    return Item(vntIndexKey);
}

ole::Ptr<CButton> CButtons::At(int32_t position) const {
    return ole::PtrCast<CButton>(m_items.At(position));
}

void CButtons::Clear() {
    ole::Ptr<CButtons> self(this);
    // The buttons live until the control has let go of those it holds.
    const std::vector<ole::Variant> cleared = m_items.Snapshot();
    m_items.Clear();
    const ole::Ptr<CGroup> group = m_group.Lock();
    if (CButtonListener* listener = ListenerOf(m_control.Lock()); listener && group)
        listener->ButtonsCleared(group);
}

void CButtons::Remove(const ole::Variant& vntIndexKey) {
    ole::Ptr<CButtons> self(this);
    const ole::Ptr<CButton> button = Item(vntIndexKey);
    m_items.Forget(button->InternalKey(), button->GetKey());
    if (CButtonListener* listener = ListenerOf(m_control.Lock()))
        listener->ButtonRemoved(button);
}

void CButtons::RemoveFromDispatch(ole::Variant& vntIndexKey) {
    Remove(vntIndexKey);
}

bool CButtons::SetNewIndex(const ole::Ptr<CButton>& aButton, int32_t Index) {
    if (!aButton)
        ole::RaiseError(errors::InvalidButtonObject, errors::kTitle);
    ole::Ptr<CButtons> self(this);
    m_items.MoveTo(*aButton, aButton->InternalKey(), Index, errors::AlienButton);
    if (CButtonListener* listener = ListenerOf(m_control.Lock()))
        listener->ButtonReIndexed(aButton);
    return true;
}

bool CButtons::ChangeKey(const CButton& aButton, const std::string& sNewKey,
                         const std::string& sOldKey) {
    return m_items.ChangeKey(aButton, aButton.InternalKey(), sNewKey, sOldKey);
}

bool CButtons::Holds(const CButton& aButton) const {
    return m_items.Holds(aButton, aButton.InternalKey());
}

const ole::ClassInfo& CButtons::Info() {
    using C = CButtons;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("CButtons")
            .Library(kLibraryName)
            .ClassId(ids::kButtonsClass)
            .Interface("_CButtons", ids::kButtonsInterface, ole::TYPEFLAG_FDUAL)
            .Help("The buttons of a group")
            .Method("Add", IdAdd, &C::AddFromDispatch,
                    ole::Params({ole::Arg("sCaption"), ole::Arg("aPicture", "Picture"),
                                 ole::Opt("sTooltipText", ""), ole::Opt("sPrompt", ""),
                                 ole::Opt("sKey", "")}) |
                        ole::Typed("CButton") | ole::Help("Adds a button"))
            .Get("Item", IdItem, &C::ItemFromDispatch,
                 ole::Params({ole::Arg("vntIndexKey")}) | ole::Typed("CButton") |
                     ole::Help("A button by position or key"))
            .Method("Clear", IdClear, &C::Clear, ole::Help("Removes every button"))
            .Get("Count", IdCount, &C::Count, ole::Help("Number of buttons"))
            .Method("Remove", IdRemove, &C::RemoveFromDispatch,
                    ole::Params({ole::Arg("vntIndexKey")}) | ole::Help("Removes a button"))
            .Get("NewEnum", IdNewEnum, &C::NewEnum, ole::Restricted() | ole::Hidden())
            .Method("SetNewIndex", IdSetNewIndex, &C::SetNewIndex,
                    ole::Params({ole::Arg("aButton", "CButton"), ole::Arg("Index")}) |
                        ole::Help("Moves a button to a position"))
            .Build();
    return info;
}

} // namespace shelfstrip
