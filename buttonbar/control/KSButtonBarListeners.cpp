// The control's answers to the model: the group-bar lists, layout and repaints follow every
// change, and the host hears of added and removed groups and buttons.

#include "buttonbar/control/KSButtonBar.h"

#include "buttonbar/library/ShelfstripErrors.h"

#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"

namespace shelfstrip {

void KSButtonBar::GroupAdded(const ole::Ptr<CGroup>& aGroup) {
    if (!m_setUp || m_released)
        return;
    ole::Ptr<KSButtonBar> self(this);
    m_LowerGroups->AddGroupButton(aGroup->InternalKey());
    LayoutControl();
    Raise(EvGroupAdded, ole::Ptr<ole::Object>(aGroup));
}

void KSButtonBar::GroupRemoved(const ole::Ptr<CGroup>& aGroup) {
    if (!m_setUp || m_released)
        return;
    ole::Ptr<KSButtonBar> self(this);
    // What the control held of the removed group goes without a word to the host.
    if (m_SelectedButton && m_SelectedButton->GetParentGroup() == aGroup)
        m_SelectedButton = nullptr;
    DropHighlightOf(aGroup.Get(), nullptr);
    if (m_FocusGroup == aGroup)
        m_FocusGroup = nullptr;
    // At least one group stays Visible in either mode: when the removed one was the last, the
    // first is shown again (at run time the setter below would refuse a hidden group anyway).
    if (!OtherGroupVisible(*aGroup))
        m_Groups->At(1)->LetVisible(true);
    if (aGroup == m_ActiveGroup) {
        // The first remaining group that shows takes over.
        ole::Ptr<CGroup> next;
        for (int32_t i = 1; i <= m_Groups->Count() && !next; ++i) {
            if (TakesPart(*m_Groups->At(i)))
                next = m_Groups->At(i);
        }
        SetActiveGroup(next);
    } else {
        m_UpperGroups->RemoveGroupButton(aGroup->InternalKey());
        m_LowerGroups->RemoveGroupButton(aGroup->InternalKey());
    }
    LayoutControl();
    Raise(EvGroupRemoved, ole::Ptr<ole::Object>(aGroup));
}

void KSButtonBar::GroupPropertyChanged(const ole::Ptr<CGroup>& aGroup,
                                       const std::string& sPropName) {
    if (!m_setUp || m_released)
        return;
    ole::Ptr<KSButtonBar> self(this);
    if (sPropName == "ButtonBackgroundPicture" || sPropName == "ButtonBackgroundLayout") {
        RefreshButtonArea();
    } else if (sPropName == "Caption") {
        const bool upper = m_UpperGroups->Contains(aGroup->InternalKey());
        const win::HWND box = upper ? m_hWndUpperGroups : m_hWndLowerGroups;
        win::InvalidateRect(box, &aGroup->Bounds(), false);
    } else if (sPropName == "Visible") {
        // At least one group shows, whichever is hidden and in either mode; a stored bar is
        // rebuilt one group at a time, so the rule waits for the load to end.
        if (!aGroup->GetVisible() && !m_bReading && !OtherGroupVisible(*aGroup)) {
            aGroup->LetVisible(true);
            ole::RaiseError(errors::LastVisibleGroup, errors::kTitle);
        }
        if (aGroup == m_ActiveGroup && !aGroup->GetVisible()) {
            if (m_UpperGroups->Count() >= 2)
                SetActiveGroup(m_UpperGroups->Item(m_UpperGroups->Count() - 1));
            else if (m_LowerGroups->Count() >= 1)
                SetActiveGroup(m_LowerGroups->Item(1));
        } else {
            SplitGroupLists(m_ActiveGroup);
        }
        CalcGroupBarHeight();
        LayoutControl();
        LayoutButtons();
        RefreshButtonArea();
    }
}

bool KSButtonBar::InOwnGroup(const CButton& aButton) const {
    // A group the host kept after removing it is no longer the bar's: its buttons come and go
    // without a word to the bar's host.
    const ole::Ptr<CGroup> group = aButton.GetParentGroup();
    return group && Owns(*group);
}

bool KSButtonBar::OtherGroupVisible(const CGroup& aGroup) const {
    for (int32_t i = 1; i <= m_Groups->Count(); ++i) {
        const ole::Ptr<CGroup> group = m_Groups->At(i);
        if (group.Get() != &aGroup && group->GetVisible())
            return true;
    }
    return false;
}

bool KSButtonBar::GroupKeyChanged(const ole::Ptr<CGroup>& aGroup, const std::string& sNewKey,
                                  const std::string& sOldKey) {
    return m_Groups && m_Groups->ChangeKey(*aGroup, sNewKey, sOldKey);
}

void KSButtonBar::GroupReIndexed(const ole::Ptr<CGroup>&) {
    if (!m_setUp || m_released)
        return;
    ole::Ptr<KSButtonBar> self(this);
    SplitGroupLists(m_ActiveGroup);
    LayoutControl();
    // A reorder inside one box keeps the boxes' sizes, so no Resize places the bars anew.
    LayoutGroupBars(*m_UpperGroups, *m_PicUpperGroups);
    LayoutGroupBars(*m_LowerGroups, *m_PicLowerGroups);
    RefreshGroupBars();
    LayoutButtons();
    RefreshButtonArea();
}

void KSButtonBar::ButtonAdded(const ole::Ptr<CButton>& aButton) {
    if (!m_setUp || m_released || !InOwnGroup(*aButton))
        return;
    ole::Ptr<KSButtonBar> self(this);
    m_widestCaption.Forget();
    if (IsActive(*aButton)) {
        LayoutButtons();
        RefreshButtonArea();
    }
    Raise(EvButtonAdded, ole::Ptr<ole::Object>(aButton));
}

void KSButtonBar::ButtonRemoved(const ole::Ptr<CButton>& aButton) {
    if (!m_setUp || m_released || !InOwnGroup(*aButton))
        return;
    ole::Ptr<KSButtonBar> self(this);
    // A removed button is neither highlighted nor selected any more; the host hears nothing.
    if (m_SelectedButton == aButton)
        m_SelectedButton = nullptr;
    DropHighlightOf(nullptr, aButton.Get());
    m_hitIndex.Drop();
    m_widestCaption.Forget();
    LayoutButtons();
    RefreshButtonArea();
    Raise(EvButtonRemoved, ole::Ptr<ole::Object>(aButton));
}

void KSButtonBar::ButtonPropertyChanged(const ole::Ptr<CButton>& aButton,
                                        const std::string& sProperty) {
    if (!m_setUp || m_released)
        return;
    // Whichever group the button is in: the widths kept may be of a group shown before.
    if (sProperty == "Caption" || sProperty == "Visible")
        m_widestCaption.Forget();
    if (!IsActive(*aButton))
        return;
    if (sProperty == "Caption" || sProperty == "Picture") {
        LayoutButtons();
        RefreshButtonArea();
    } else if (sProperty == "Visible" && TakesPart(*aButton)) {
        // Shown again without a layout, the button keeps the place it last had, which the grid
        // may give another button.
        const ole::Ptr<CButtons> buttons = m_ActiveGroup->GetButtons();
        for (int32_t i = 1; i <= buttons->Count(); ++i) {
            if (buttons->At(i) == aButton)
                m_hitIndex.Revive(i);
        }
    }
}

void KSButtonBar::ButtonReIndexed(const ole::Ptr<CButton>& aButton) {
    if (!m_setUp || m_released || !IsActive(*aButton))
        return;
    m_hitIndex.Drop();
    LayoutButtons();
    RefreshButtonArea();
}

void KSButtonBar::ButtonsCleared(const ole::Ptr<CGroup>& aGroup) {
    if (!m_setUp || m_released || !Owns(*aGroup))
        return;
    ole::Ptr<KSButtonBar> self(this);
    // The host hears nothing; the control just lets go of the buttons that went.
    if (m_SelectedButton && m_SelectedButton->GetParentGroup() == aGroup)
        m_SelectedButton = nullptr;
    DropHighlightOf(aGroup.Get(), nullptr);
    m_widestCaption.Forget();
    if (aGroup == m_ActiveGroup) {
        m_hitIndex.Drop();
        LayoutButtons();
        RefreshButtonArea();
    }
}

} // namespace shelfstrip
