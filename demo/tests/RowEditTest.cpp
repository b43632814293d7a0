// Rows of the properties window edited with mouse and keys, each edit reaching its control.
#include "SampledeskFixture.h"

#include "shared/util/EditorValue.h"

#include "platform/forms/dialogs/font/FontDialog.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"
#include "platform/win/test/Probes.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace sampledesk::test {

namespace {

class RowEditTest : public SampledeskFixture {
protected:
    void TearDown() override {
        forms::FontDialogResponder().Reset();
        SampledeskFixture::TearDown();
    }
    static ole::Variant Get(const ole::Ptr<forms::Control>& control, std::string_view name) {
        return ole::GetProperty(ole::Variant(ole::Ptr<ole::Object>(control)), name);
    }
    // A row the window itself does not list, written straight back to the control.
    void AddRow(const std::string& name, const ole::Variant& value,
                const ole::Ptr<forms::Control>& control, int32_t type) {
        std::string key;
        Grid().GetProperties()->Add(name, value, "Misc", key, ole::Ptr<ole::Object>(control), true,
                                    type);
        win::test::pump();
    }
    // A click `fromRight` pixels inside the right end of the row's value cell; the first opens
    // the row's editor over the cell, a later one reaches the editor's button there.
    void ClickValue(const std::string& name, int fromRight) {
        const auto row = Row(name);
        ASSERT_TRUE(row) << name;
        const win::RECT cell = row->ValueRect();
        // Apart in time, so that two clicks never make a double click.
        win::test::advanceTime(1000);
        win::test::click(Grid().GridWnd(), {cell.right - fromRight, (cell.top + cell.bottom) / 2});
        win::test::pump();
    }
    // Opens the row's list editor, drops its list down and clicks the item at `index`.
    void PickInList(const std::string& name, int index) {
        ClickValue(name, 40);
        ASSERT_TRUE(Grid().ActiveEditor());
        ClickValue(name, 8);
        const win::HWND list = win::test::DroppedList();
        ASSERT_TRUE(list) << name;
        win::test::clickListItem(list, index);
        win::test::pump();
    }
};

TEST_F(RowEditTest, AColourPickedFromTheDropDownRecoloursTheControl) {
    const auto button = AddButton();
    ole::LetProperty(ole::Variant(ole::Ptr<ole::Object>(button)), "BackColor",
                     ole::Variant(int32_t{0x123456}));
    ClickSurface({60, 50});
    ClickValue("BackColor", 40);
    ASSERT_TRUE(Grid().ActiveEditor());
    ClickValue("BackColor", 3);
    // From a colour the palette lacks, Left lands on its first cell, white.
    win::test::keyPress(win::VK_LEFT);
    win::test::keyPress(win::VK_RETURN);
    win::test::pump();
    EXPECT_EQ(ole::CLng(Get(button, "BackColor")), 0xFFFFFF);
    EXPECT_EQ(ole::CLng(Property("BackColor")->GetValue()), 0xFFFFFF);
}

TEST_F(RowEditTest, AListPickStoresTheItemsValue) {
    Designer().CreateControl("Shape", 300, 300, 1200, 600, ole::Variant());
    const auto shape = Designer().ControlList().back();
    Properties().ReloadProperties(ole::Ptr<ole::Object>(shape));
    PickInList("FillStyle", 6);
    EXPECT_EQ(ole::CLng(Get(shape, "FillStyle")), 6);
    EXPECT_EQ(Property("FillStyle")->GetValue().ValueType(), ole::VT_I2);
}

TEST_F(RowEditTest, ABooleanPickSwitchesTheControl) {
    const auto button = AddButton();
    ClickSurface({60, 50});
    AddRow("Enabled", Get(button, "Enabled"), button, shared::ksBooleanEditor);
    PickInList("Enabled", 1);
    EXPECT_FALSE(ole::CBool(Get(button, "Enabled")));
}

TEST_F(RowEditTest, AFontChosenInTheDialogReachesTheControlsFont) {
    Designer().CreateControl("Label", 300, 300, 1200, 300, ole::Variant());
    const auto label = Designer().ControlList().back();
    Properties().ReloadProperties(ole::Ptr<ole::Object>(label));
    AddRow("Font", ole::GetObjectProperty(ole::Variant(ole::Ptr<ole::Object>(label)), "Font"),
           label, shared::KSFontEditor);
    forms::FontDialogResponder().Queue(forms::FontDialogAnswer{
        true, forms::FontChoice{.face = "MS Sans Serif", .points = 12, .bold = true}});
    ClickValue("Font", 40);
    ASSERT_TRUE(Grid().ActiveEditor());
    ClickValue("Font", 3);
    const ole::Variant font =
        ole::GetObjectProperty(ole::Variant(ole::Ptr<ole::Object>(label)), "Font");
    EXPECT_TRUE(ole::CBool(ole::GetProperty(font, "Bold")));
    EXPECT_EQ(ole::CDbl(ole::GetProperty(font, "Size")), 12);
    EXPECT_EQ(forms::FontDialogResponder().TakeLog().size(), 1U);
}

} // namespace

} // namespace sampledesk::test
