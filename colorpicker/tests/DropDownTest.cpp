// The drop-down as a user meets it: opened from the button strip, picked from with mouse and
// keys, closed, and opened again.

#include "PickerFixture.h"

#include "platform/forms/dialogs/color/ColorDialog.h"
#include "platform/forms/form/FormSettings.h"

#include <gtest/gtest.h>

namespace huechooser::test {
namespace {

using Names = std::vector<std::string>;
using win::test::MouseButton;

class DropDownTest : public PickerFixture {};

TEST_F(DropDownTest, ButtonStripOpensModelessAndAPickOfAnotherColourRaisesTwice) {
    HostPicker();
    PressButton();
    ASSERT_NE(Picker().DropDown(), nullptr);
    ASSERT_TRUE(DropDown().Shown());
    EXPECT_FALSE(DropDown().Modal());
    EXPECT_EQ(Events(), Names{"PaletteOpened"});
    ClearLogs();

    ClickCell(DropDown().PaletteCell(17)); // row 2, column 1: pure red
    EXPECT_FALSE(DropDown().Shown());
    EXPECT_EQ(Picker().GetSelectedColor(), 0x0000FF);
    EXPECT_EQ(Events(), (Names{"PaletteClosed", "SelectedColorChanged", "SelectedColorChanged"}));
    EXPECT_FALSE(Picker().ButtonPressed());

    PressButton();
    ClearLogs();
    EXPECT_EQ(DropDown().SelectedIndex(), 17);
    ClickCell(DropDown().PaletteCell(17));
    EXPECT_EQ(Events(), (Names{"PaletteClosed", "SelectedColorChanged"}));
}

} // namespace
} // namespace huechooser::test
