#pragma once

#include "buttonbar/pages/BarPage.h"

namespace shelfstrip {

// The bar's button size, flows, button layout and caption position. It keeps no state: the values
// live in its controls from load to apply, and every apply writes all seven.
class PositionPage : public BarPage {
public:
    static const ole::ClassInfo& Info();

    PositionPage();

protected:
    void OnInitProperties() override;
    void OnSelectionChanged() override;
    void OnApplyChanges() override;

private:
    ole::Ptr<forms::ComboBox> m_lstButtonSize;
    ole::Ptr<forms::TextBox> m_txtBtnWidth;
    ole::Ptr<forms::TextBox> m_txtBtnHeight;
    ole::Ptr<forms::ComboBox> m_lstButtonLayout;
    ole::Ptr<forms::ComboBox> m_lstButtonFlow;
    ole::Ptr<forms::ComboBox> m_lstButtonTextPosition;
    ole::Ptr<forms::ComboBox> m_lstGroupFlow;
};

} // namespace shelfstrip
