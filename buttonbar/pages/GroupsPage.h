#pragma once

#include "buttonbar/pages/BarPage.h"

namespace shelfstrip {

class CGroup;

// The bar's groups, one at a time: the group shown is the bar's active group, and moving the
// scroller activates another at once. Scrolling, Add and Delete act on the bar at once; the
// fields wait for apply, which writes them to the group shown even when the bar has activated
// another since (an apply that hides it does). A bar without an active group opens on its first
// group.
class GroupsPage : public BarPage {
public:
    static const ole::ClassInfo& Info();

    GroupsPage();

protected:
    void OnInitProperties() override;
    void OnSelectionChanged() override { RefreshGroupPage(); }
    void OnApplyChanges() override;

private:
    // The 1-based position of `group` in the bar's groups; -1 when it is not one of them.
    int32_t IndexOfGroup(const ole::Ptr<CGroup>& group) const;
    bool IsOtherGroupVisible() const;
    void RefreshGroupPage();
    void ShowGroup(const ole::Ptr<CGroup>& group);
    void ResetGroupScroller(int32_t count, int32_t index);

    void FieldChanged();
    void TagChanged();
    void VisibleClicked();
    void ScrollerChanged();
    void IndexChanged();
    void ChoosePicture();
    void AddGroup();
    void DeleteGroup();

    ole::Ptr<forms::TextBox> m_txtGroupIndex;
    ole::Ptr<forms::HScrollBar> m_scrGroupIndex;
    ole::Ptr<forms::TextBox> m_txtNewIndex;
    ole::Ptr<forms::CheckBox> m_chkVisible;
    ole::Ptr<forms::TextBox> m_txtGrpCaption;
    ole::Ptr<forms::TextBox> m_txtGrpKey;
    ole::Ptr<forms::TextBox> m_txtGrpToolTip;
    ole::Ptr<forms::TextBox> m_txtTag;
    ole::Ptr<forms::ComboBox> m_lstBtnBgLayout;
    ole::Ptr<forms::TextBox> m_txtPicture;
    ole::Ptr<forms::CommandButton> m_btnAddPicture;
    ole::Ptr<forms::PictureBox> m_picBtnBgPicture;
    ole::Ptr<forms::CommandButton> m_btnAddGroup;
    ole::Ptr<forms::CommandButton> m_btnDelGroup;
    ole::Ptr<forms::Label> m_lblGroupCount;
    ole::WeakRef<CGroup> m_shownGroup;
    bool m_placingScroller = false;
};

} // namespace shelfstrip
