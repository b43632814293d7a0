#pragma once

#include "buttonbar/pages/BarPage.h"

namespace shelfstrip {

// The bar's caption bar and close button, its appearances, border, highlight zone, mouse pointer,
// button information and gradients. It keeps no state: every apply writes all thirteen values.
class AppearancePage : public BarPage {
public:
    static const ole::ClassInfo& Info();
    // The platform's custom pointer, shown as the list's last row.
    static constexpr int16_t kCustomPointer = 99;
    static constexpr int16_t kCustomRow = 16;

    AppearancePage();

protected:
    void OnInitProperties() override;
    void OnSelectionChanged() override;
    void OnApplyChanges() override;

private:
    ole::Ptr<forms::TextBox> m_txtCaption;
    ole::Ptr<forms::CheckBox> m_chkShowCaptionBar;
    ole::Ptr<forms::CheckBox> m_chkCloseButton;
    ole::Ptr<forms::ComboBox> m_lstAppearance;
    ole::Ptr<forms::ComboBox> m_lstGroupAppearance;
    ole::Ptr<forms::ComboBox> m_lstButtonAppearance;
    ole::Ptr<forms::ComboBox> m_lstSelBtnApp;
    ole::Ptr<forms::ComboBox> m_lstBorderStyle;
    ole::Ptr<forms::ComboBox> m_lstButtonHighlightZone;
    ole::Ptr<forms::ComboBox> m_lstMousePointer;
    ole::Ptr<forms::ComboBox> m_lstShowButtonInfo;
    ole::Ptr<forms::ComboBox> m_lstGrpGradientType;
    ole::Ptr<forms::ComboBox> m_lstBtnGradientType;
};

} // namespace shelfstrip
