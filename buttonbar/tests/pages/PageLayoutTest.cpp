#include "buttonbar/tests/pages/PageFixture.h"

#include "platform/forms/controls/label/Label.h"

#include <gtest/gtest.h>

namespace shelfstrip::test {
namespace {

using PageLayoutTest = PageFixture;

// Every caption shows whole: wrapped in its label's width it needs no more than the label's
// height; and every control lies inside the page's size.
TEST_F(PageLayoutTest, EveryLabelShowsItsWholeCaptionAndEveryControlLiesOnThePage) {
    for (const char* caption : {"Position", "Appearance", "Buttons", "Groups"}) {
        Open(caption);
        win::RECT page;
        win::GetClientRect(Page().hWnd(), &page);
        for (const auto& control : Page().Constituents()) {
            const win::RECT bounds = control->PixelBounds();
            if (control->ContainerSite() == &Page()) {
                EXPECT_TRUE(bounds.left >= 0 && bounds.top >= 0 && bounds.right <= page.right &&
                            bounds.bottom <= page.bottom)
                    << caption << ": " << control->Name();
            }
            auto* label = dynamic_cast<forms::Label*>(control.Get());
            if (!label || label->Caption().empty())
                continue;
            label->SetWordWrap(true);
            label->SetAutoSize(true);
            const win::RECT needed = label->PixelBounds();
            EXPECT_LE(needed.bottom - needed.top, bounds.bottom - bounds.top)
                << caption << ": " << control->Name() << " \"" << label->Caption() << '"';
        }
    }
}

// Tab visits each page's controls in the order of its table, then leaves for the frame's OK.
TEST_F(PageLayoutTest, TabFollowsEachPagesTableOrder) {
    const std::pair<const char*, std::vector<std::string>> pages[] = {
        {"Position",
         {"lstButtonSize", "txtBtnWidth", "txtBtnHeight", "lstButtonLayout", "lstButtonFlow",
          "lstButtonTextPosition", "lstGroupFlow"}},
        {"Appearance",
         {"txtCaption", "chkShowCaptionBar", "chkCloseButton", "lstAppearance",
          "lstGroupAppearance", "lstButtonAppearance", "lstSelBtnApp", "lstBorderStyle",
          "lstButtonHighlightZone", "lstMousePointer", "lstShowButtonInfo", "lstGrpGradientType",
          "lstBtnGradientType"}},
        {"Buttons",
         {"txtButtonIndex", "scrButtonIndex", "txtBtnCaption", "txtBtnKey", "txtBtnTooltip",
          "txtTag", "txtPrompt", "txtPicture", "btnAddPicture", "picButton", "btnAddButton",
          "btnDelButton", "chkVisible", "txtNewIndex"}},
        {"Groups",
         {"txtGroupIndex", "scrGroupIndex", "txtNewIndex", "chkVisible", "txtGrpCaption",
          "txtGrpKey", "txtGrpToolTip", "txtTag", "lstBtnBgLayout", "txtPicture", "btnAddPicture",
          "picBtnBgPicture", "btnAddGroup", "btnDelGroup"}},
    };
    // Every control enabled: a button to delete, and a group besides the one to delete.
    AddButtons(1);
    Bar().GetGroups()->Add("Two");
    for (const auto& [caption, expected] : pages) {
        Open(caption);
        win::SetFocus(Find(expected.front()).Window());
        std::vector<std::string> visited;
        for (size_t i = 0; i < expected.size(); ++i) {
            for (const auto& control : Page().Constituents()) {
                if (!control->IsWindowless() && control->Window() == win::GetFocus())
                    visited.push_back(control->Name());
            }
            win::test::keyPress(win::VK_TAB);
            win::test::pump();
        }
        EXPECT_EQ(visited, expected) << caption;
        EXPECT_EQ(win::GetFocus(), m_frame->OkButton().Window()) << caption;
    }
}

} // namespace
} // namespace shelfstrip::test
