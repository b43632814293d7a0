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

} // namespace
} // namespace shelfstrip::test
