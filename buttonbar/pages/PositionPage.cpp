#include "buttonbar/pages/PositionPage.h"

#include "buttonbar/control/KSButtonBar.h"

#include "platform/forms/controls/frame/Frame.h"
#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/lists/ComboBox.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/ole/convert/Conversions.h"

namespace shelfstrip {

const ole::ClassInfo& PositionPage::Info() {
    static const ole::ClassInfo info = BuildInfo(pages::kPosition);
    return info;
}

PositionPage::PositionPage() : BarPage(pages::kPosition, Info()) {}

void PositionPage::OnInitProperties() {
    // The size frame on the left; the four label-and-list pairs on the right.
    const auto frame = AddFrame("Frame1", "Button Size", {8, 8, 170, 130});
    m_lstButtonSize =
        AddList("lstButtonSize", {"0 - ksAutoCalculated", "1 - ksUserSpecified"}, {8, 20, 154, 41});
    const auto widthLabel = AddLabel("lblBtnWidth", "Button Width", {8, 60, 90, 76});
    m_txtBtnWidth = AddText("txtBtnWidth", {94, 56, 154, 77});
    const auto heightLabel = AddLabel("lblBtnHeight", "Button Height", {8, 92, 90, 108});
    m_txtBtnHeight = AddText("txtBtnHeight", {94, 88, 154, 109});
    PutInFrame(*frame, {m_lstButtonSize, widthLabel, m_txtBtnWidth, heightLabel, m_txtBtnHeight});

    m_lstButtonLayout = AddLabelledList("lblButtonLayout", "Button Layout", "lstButtonLayout",
                                        {"0 - ksTiled", "1 - ksLinear"}, 182, 8, 342);
    m_lstButtonFlow = AddLabelledList("lblButtonFlow", "Button Flow", "lstButtonFlow",
                                      {"0 - ksVertical", "1 - ksHorizontal"}, 182, 54, 342);
    m_lstButtonTextPosition =
        AddLabelledList("lblButtonTextPosition", "Button Text Position", "lstButtonTextPosition",
                        {"0 - ksLeft", "1 - ksRight", "2 - ksTop", "3 - ksBottom"}, 182, 100, 342);
    m_lstGroupFlow = AddLabelledList("lblGroupFlow", "Group Flow", "lstGroupFlow",
                                     {"0 - ksVertical", "1 - ksHorizontal"}, 182, 146, 342);
}

void PositionPage::OnSelectionChanged() {
    SelectedBar(); // 13 at once for a selection that is no bar
    LoadEach({
        [&] { LoadRow(*m_lstButtonFlow, Get("ButtonFlow")); },
        [&] { LoadRow(*m_lstButtonLayout, Get("ButtonLayout")); },
        [&] { LoadRow(*m_lstButtonSize, Get("ButtonSize")); },
        [&] { LoadRow(*m_lstButtonTextPosition, Get("ButtonTextPosition")); },
        [&] { LoadRow(*m_lstGroupFlow, Get("GroupFlow")); },
        [&] { m_txtBtnWidth->SetText(ole::CStr(Get("ButtonWidth"))); },
        [&] { m_txtBtnHeight->SetText(ole::CStr(Get("ButtonHeight"))); },
    });
}

// The size mode goes before the two sizes, the width before the height.
void PositionPage::OnApplyChanges() {
    LetRow("ButtonFlow", *m_lstButtonFlow);
    LetRow("ButtonLayout", *m_lstButtonLayout);
    LetRow("ButtonSize", *m_lstButtonSize);
    LetRow("ButtonTextPosition", *m_lstButtonTextPosition);
    LetRow("GroupFlow", *m_lstGroupFlow);
    Let("ButtonWidth", ole::Variant(ToLong(m_txtBtnWidth->Text())));
    Let("ButtonHeight", ole::Variant(ToLong(m_txtBtnHeight->Text())));
}

} // namespace shelfstrip
