// The control's properties: each setter compares first and does nothing for an unchanged value;
// otherwise it stores, lays out or repaints, and then tells the container.

#include "buttonbar/control/KSButtonBar.h"

#include "buttonbar/library/ShelfstripErrors.h"

#include "platform/forms/host/Ambient.h"
#include "platform/win/Win.h"

#include <limits>

namespace shelfstrip {

template <class T, class F>
void KSButtonBar::Change(T& field, const T& value, const char* name, F&& apply) {
    if (field == value)
        return;
    field = value;
    apply();
    PropertyChanged(name);
}

namespace {

void Nothing() {}

// The window's settings are 16-bit: a wider value overflows before the window sees it.
int16_t ToInt16(int32_t value) {
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        ole::RaiseError(ole::ERR_OVERFLOW);
    return static_cast<int16_t>(value);
}

// The layout divides by what these two hold: nothing outside them is kept.
void RefuseUnlessEnumerated(int32_t value, int32_t last) {
    if (value < 0 || value > last)
        ole::RaiseError(errors::InvalidPropertyValue, errors::kTitle);
}

} // namespace

bool KSButtonBar::IsLayoutEnumeration(ole::DISPID id) {
    return id == IdButtonFlow || id == IdButtonLayout;
}

int32_t KSButtonBar::GetAppearance() const {
    return Appearance();
}

void KSButtonBar::LetAppearance(int32_t value) {
    if (value == Appearance())
        return;
    SetAppearance(ToInt16(value));
    PropertyChanged("Appearance");
}

void KSButtonBar::LetButtonBackColor(int32_t value) {
    Change(m_ButtonBackColor, value, "ButtonBackColor", [&] {
        if (m_PicButtons)
            m_PicButtons->SetBackColor(ole::Variant(value));
        RefreshButtonArea();
    });
}

void KSButtonBar::LetBorderStyle(int32_t value) {
    if (value == m_BorderStyle)
        return;
    // The window takes it first: a refused style is not kept.
    SetBorderStyle(ToInt16(value));
    m_BorderStyle = value;
    PropertyChanged("BorderStyle");
}

void KSButtonBar::LetButtonAppearance(int32_t value) {
    Change(m_ButtonAppearance, value, "ButtonAppearance", [&] { RefreshButtonArea(); });
}

void KSButtonBar::LetButtonLayout(int32_t value) {
    RefuseUnlessEnumerated(value, ksLinear);
    Change(m_ButtonLayout, value, "ButtonLayout", [&] {
        LayoutButtons();
        RefreshButtonArea();
    });
}

void KSButtonBar::SetFont(const ole::Ptr<ole::Font>& value) {
    Change(m_Font, value, "Font", [&] {
        CalcGroupBarHeight();
        if (m_ButtonSize == ksAutoCalculated)
            LayoutButtons();
        LayoutControl();
        // Boxes that keep their size get no Resize, so nothing else repaints them in the font.
        Refresh();
    });
}

void KSButtonBar::LetGroupAppearance(int32_t value) {
    Change(m_GroupAppearance, value, "GroupAppearance", [&] { RefreshGroupBars(); });
}

void KSButtonBar::LetSelectedButtonAppearance(int32_t value) {
    Change(m_SelectedButtonAppearance, value, "SelectedButtonAppearance", [&] {
        if (m_SelectedButton && IsActive(*m_SelectedButton))
            InvalidateButton(*m_SelectedButton);
    });
}

void KSButtonBar::LetShowButtonInfo(int32_t value) {
    Change(m_ShowButtonInfo, value, "ShowButtonInfo", [&] {
        LayoutButtons();
        RefreshButtonArea();
    });
}

void KSButtonBar::SetActiveGroup(const ole::Ptr<CGroup>& aGroup) {
    if (!aGroup)
        ole::RaiseError(errors::NoActiveGroup, errors::kTitle);
    if (!Owns(*aGroup))
        ole::RaiseError(errors::ForeignGroup, errors::kTitle);
    if (UserMode() && !aGroup->GetVisible())
        ole::RaiseError(errors::HiddenActiveGroup, errors::kTitle);
    if (aGroup == m_ActiveGroup)
        return;
    ole::Ptr<KSButtonBar> self(this);
    m_ActiveGroup = aGroup;
    SplitGroupLists(aGroup);
    m_FocusGroup = nullptr;
    m_layout.firstVisibleLine = 0;
    LayoutControl();
    LayoutButtons();
    RefreshButtonArea();
    PropertyChanged("ActiveGroup");
    Raise(EvActiveGroupChanged);
}

void KSButtonBar::LetButtonHeight(int32_t value) {
    if (value < 1)
        ole::RaiseError(errors::InvalidPropertyValue, errors::kTitle);
    Change(m_ButtonHeight, value, "ButtonHeight", [&] {
        LayoutButtons();
        RefreshButtonArea();
    });
}

void KSButtonBar::LetButtonWidth(int32_t value) {
    if (value < 1)
        ole::RaiseError(errors::InvalidPropertyValue, errors::kTitle);
    Change(m_ButtonWidth, value, "ButtonWidth", [&] {
        LayoutButtons();
        RefreshButtonArea();
    });
}

void KSButtonBar::LetButtonFlow(int32_t value) {
    RefuseUnlessEnumerated(value, ksHorizontal);
    Change(m_ButtonFlow, value, "ButtonFlow", [&] {
        LayoutButtons();
        RefreshButtonArea();
    });
}

void KSButtonBar::LetGroupFlow(int32_t value) {
    Change(m_GroupFlow, value, "GroupFlow", [&] {
        CalcGroupBarHeight();
        LayoutControl();
        LayoutButtons();
        RefreshButtonArea();
    });
}

void KSButtonBar::SetSelectedButton(const ole::Ptr<CButton>& aButton) {
    if (aButton && !Owns(*aButton))
        ole::RaiseError(errors::ForeignButton, errors::kTitle);
    if (aButton == m_SelectedButton)
        return;
    ole::Ptr<KSButtonBar> self(this);
    if (m_SelectedButton)
        InvalidateButton(*m_SelectedButton);
    if (!aButton) {
        m_SelectedButton = nullptr;
        RefreshButtonArea();
    } else {
        if (aButton->GetParentGroup() != m_ActiveGroup) {
            SetActiveGroup(aButton->GetParentGroup());
            // The host's ActiveGroupChanged may have removed the button or shown another group.
            if (!Owns(*aButton) || !IsActive(*aButton))
                return;
        }
        m_SelectedButton = aButton;
        if (aButton->GetVisible())
            InvalidateButton(*aButton);
        Raise(EvButtonSelectionChanged);
    }
    PropertyChanged("SelectedButton");
}

void KSButtonBar::LetHighlightedButtonForeColor(int32_t& value) {
    Change(m_HighlightedButtonForeColor, value, "HighlightedButtonForeColor",
           [&] { RefreshButtonArea(); });
}

void KSButtonBar::LetHighlightedButtonBackColor(int32_t& value) {
    Change(m_HighlightedButtonBackColor, value, "HighlightedButtonBackColor",
           [&] { RefreshButtonArea(); });
}

void KSButtonBar::LetGroupBackColor(int32_t& value) {
    if (value == m_GroupBackColor)
        return;
    m_GroupBackColor = value;
    if (m_PicLowerGroups)
        m_PicLowerGroups->SetBackColor(ole::Variant(value));
    if (m_PicUpperGroups)
        m_PicUpperGroups->SetBackColor(ole::Variant(value));
    RefreshGroupBars();
    PropertyChanged("GroupBackColor");
    Refresh();
}

void KSButtonBar::LetGroupForeColor(int32_t& value) {
    Change(m_GroupForeColor, value, "GroupForeColor", [&] { RefreshGroupBars(); });
}

void KSButtonBar::LetSelectedButtonBackColor(int32_t& value) {
    Change(m_SelectedButtonBackColor, value, "SelectedButtonBackColor",
           [&] { RefreshButtonArea(); });
}

void KSButtonBar::LetSelectedButtonForeColor(int32_t& value) {
    Change(m_SelectedButtonForeColor, value, "SelectedButtonForeColor",
           [&] { RefreshButtonArea(); });
}

void KSButtonBar::LetButtonForeColor(int32_t& value) {
    Change(m_ButtonForeColor, value, "ButtonForeColor", [&] { RefreshButtonArea(); });
}

void KSButtonBar::LetButtonTextPosition(int32_t value) {
    Change(m_ButtonTextPosition, value, "ButtonTextPosition", [&] {
        LayoutButtons();
        RefreshButtonArea();
    });
}

void KSButtonBar::LetCaption(const std::string& value) {
    Change(m_Caption, value, "Caption", [&] {
        if (!m_picCaptionBar)
            return;
        if (const win::HWND caption = m_picCaptionBar->Window())
            win::SetWindowTextA(caption, value.c_str());
        if (m_ShowCaptionBar)
            RepaintBox(m_picCaptionBar.Get());
    });
}

void KSButtonBar::LetShowCaptionBar(bool value) {
    // Compared with what the box shows, not with the stored value.
    if (!m_picCaptionBar || m_picCaptionBar->Visible() == value)
        return;
    m_picCaptionBar->SetVisible(value);
    m_ShowCaptionBar = value;
    LayoutControl();
    PropertyChanged("ShowCaptionBar");
}

void KSButtonBar::LetShowCloseButton(bool value) {
    Change(m_ShowCloseButton, value, "ShowCloseButton", [&] {
        if (m_ShowCaptionBar)
            RepaintBox(m_picCaptionBar.Get());
    });
}

void KSButtonBar::LetButtonSize(int32_t value) {
    Change(m_ButtonSize, value, "ButtonSize", [&] {
        LayoutButtons();
        RefreshButtonArea();
    });
}

void KSButtonBar::LetButtonHighlightZone(int32_t value) {
    Change(m_ButtonHighlightZone, value, "ButtonHighlightZone", [&] { RefreshButtonArea(); });
}

void KSButtonBar::LetMousePointer(int32_t value) {
    if (value == m_MousePointer)
        return;
    // The window takes it first: a refused pointer is not kept.
    SetMousePointer(ToInt16(value));
    m_MousePointer = value;
    PropertyChanged("MousePointer");
}

void KSButtonBar::SetMouseIcon(const ole::Ptr<ole::Picture>& value) {
    if (value == m_MouseIcon)
        return;
    UserControl::SetMouseIcon(value);
    m_MouseIcon = value;
    PropertyChanged("MouseIcon");
}

void KSButtonBar::LetButtonPictureMaskColor(int32_t value) {
    Change(m_ButtonPictureMaskColor, value, "ButtonPictureMaskColor", [&] { RefreshButtonArea(); });
}

void KSButtonBar::LetGroupGradientType(int32_t value) {
    Change(m_GroupGradientType, value, "GroupGradientType", [&] { RefreshGroupBars(); });
}

void KSButtonBar::LetGroupGradientColor(int32_t value) {
    Change(m_GroupGradientColor, value, "GroupGradientColor", [&] { RefreshGroupBars(); });
}

void KSButtonBar::LetButtonGradientType(int32_t value) {
    Change(m_ButtonGradientType, value, "ButtonGradientType", [&] { RefreshButtonArea(); });
}

void KSButtonBar::LetButtonGradientColor(int32_t value) {
    Change(m_ButtonGradientColor, value, "ButtonGradientColor", [&] { RefreshButtonArea(); });
}

void KSButtonBar::LetLockRefresh(bool value) {
    Change(m_LockRefresh, value, "LockRefresh", Nothing);
}

int32_t KSButtonBar::GetHwnd() const {
    return static_cast<int32_t>(hWnd().Value());
}

} // namespace shelfstrip
