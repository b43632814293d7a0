#pragma once

#include "buttonbar/pages/BarPage.h"

#include <string>

namespace shelfstrip {

class CButton;
class CButtons;
class CGroup;

// The active group's buttons, one at a time: the scroller picks the shown button (its 1-based
// position), its fields wait for apply, and Add and Delete act on the bar at once. The page reads
// the bar's model at every step and keeps nothing besides its controls, except which button it
// shows and whether the tag box was edited since.
class ButtonsPage : public BarPage {
public:
    static const ole::ClassInfo& Info();

    ButtonsPage();

protected:
    void OnInitProperties() override;
    void OnSelectionChanged() override { RefreshButtonPage(); }
    void OnApplyChanges() override;
    // Another page activated another group, renamed it, or changed its number of buttons.
    bool Outdated() const override;

private:
    ole::Ptr<CButton> GetButtonAt(int32_t index) const;
    // The button last shown, while it is still one of the bar's buttons.
    ole::Ptr<CButton> ShownButton() const;
    // The 1-based position of a button that `buttons` holds.
    static int32_t PositionOf(const CButtons& buttons, const ole::Ptr<CButton>& button);
    void RefreshButtonPage();
    void ClearButtonFields();
    void ResetButtonScroller(int32_t count);
    void ShowButton();
    bool HasButtons() const;

    void EditChanged();
    void TagChanged();
    void ScrollerChanged();
    void ScrollerScrolled();
    void IndexChanged();
    void ChoosePicture();
    void AddButton();
    void DeleteButton();

    ole::Ptr<forms::Label> m_lblActiveGrpInfo;
    ole::Ptr<forms::TextBox> m_txtButtonIndex;
    ole::Ptr<forms::HScrollBar> m_scrButtonIndex;
    ole::Ptr<forms::Label> m_lblButtonCount;
    ole::Ptr<forms::TextBox> m_txtBtnCaption;
    ole::Ptr<forms::TextBox> m_txtBtnKey;
    ole::Ptr<forms::TextBox> m_txtBtnTooltip;
    ole::Ptr<forms::TextBox> m_txtTag;
    ole::Ptr<forms::TextBox> m_txtPrompt;
    ole::Ptr<forms::TextBox> m_txtPicture;
    ole::Ptr<forms::CommandButton> m_btnAddPicture;
    ole::Ptr<forms::PictureBox> m_picButton;
    ole::Ptr<forms::CommandButton> m_btnAddButton;
    ole::Ptr<forms::CommandButton> m_btnDelButton;
    ole::Ptr<forms::CheckBox> m_chkVisible;
    ole::Ptr<forms::TextBox> m_txtNewIndex;
    ole::WeakRef<CButton> m_shownButton;
    // The active group as the last load found it.
    ole::WeakRef<CGroup> m_loadedGroup;
    std::string m_loadedCaption;
    int32_t m_loadedCount = 0;
};

} // namespace shelfstrip
