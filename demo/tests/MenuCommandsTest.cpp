// The main window's menu commands, chosen through its menu bar.
#include "SampledeskFixture.h"

#include "platform/forms/menu/Menu.h"
#include "platform/forms/menu/PopupMenu.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

namespace sampledesk::test {

namespace {

class MenuCommandsTest : public SampledeskFixture {
protected:
    ole::Variant DesignerGet(std::string_view name) {
        return ole::GetProperty(ole::Variant(ole::Ptr<ole::Object>(Designer().m_FormDesigner())),
                                name);
    }
};

TEST_F(MenuCommandsTest, ModeItemsSetTheDesignerModeAndRunHidesTheProperties) {
    Choose({"&View", "&Mode", "&Draw"});
    EXPECT_EQ(ole::CLng(DesignerGet("Mode")), 1);
    Choose({"&View", "&Mode", "&Run"});
    EXPECT_EQ(ole::CLng(DesignerGet("Mode")), 0);
    EXPECT_FALSE(Properties().Visible());

    // A hidden window ignores the selection; the Properties Window item shows and reloads it.
    ClickSurface({200, 200});
    EXPECT_TRUE(RowNames().empty());
    Choose({"&View", "&Mode", "&Select"});
    Choose({"&View", "&Properties Window"});
    EXPECT_TRUE(Properties().Visible());
    EXPECT_EQ(RowNames().front(), "Name");
    EXPECT_EQ(Properties().Caption(), "Properties - frmDesigner");
}

TEST_F(MenuCommandsTest, ShowGridStartsUncheckedSoItsFirstUseKeepsTheGrid) {
    const auto item = program->Main()->MenuBar().Find("mnuPropShowGrid");
    EXPECT_FALSE(item->GetChecked());
    EXPECT_TRUE(ole::CBool(DesignerGet("ShowGrid")));
    Choose({"&View", "Show &Grid"});
    EXPECT_TRUE(item->GetChecked());
    EXPECT_TRUE(ole::CBool(DesignerGet("ShowGrid")));
    Choose({"&View", "Show &Grid"});
    EXPECT_FALSE(ole::CBool(DesignerGet("ShowGrid")));
}

TEST_F(MenuCommandsTest, LockedControlsRefusePlacementEditsButNotCaptions) {
    const auto button = AddButton();
    ClickSurface({60, 50});
    Choose({"For&mat", "&Lock", "Lock &All Controls"});
    EditRow("Left", "30");
    EditRow("Caption", "Locked");
    const ole::Variant control{ole::Ptr<ole::Object>(button)};
    EXPECT_EQ(ole::CLng(ole::GetProperty(control, "Left")), 600);
    EXPECT_EQ(ole::CLng(Property("Left")->GetValue()), 600);
    EXPECT_EQ(ole::CStr(ole::GetProperty(control, "Caption")), "Locked");

    Choose({"For&mat", "&Lock", "Unl&ock All Controls"});
    EditRow("Left", "30");
    EXPECT_EQ(ole::CLng(ole::GetProperty(control, "Left")), 30);
}

TEST_F(MenuCommandsTest, LockControlWorksOnTheFirstSelectedControlOnly) {
    const auto button = AddButton();
    const ole::Variant designer{ole::Ptr<ole::Object>(Designer().m_FormDesigner())};
    const ole::Variant control{ole::Ptr<ole::Object>(button)};
    Choose({"For&mat", "&Lock", "&Lock Control"});
    std::vector<ole::Variant> args{control};
    EXPECT_FALSE(ole::CBool(ole::CallMethod(designer, "IsLocked", args)));
    ClickSurface({60, 50});
    Choose({"For&mat", "&Lock", "&Lock Control"});
    EXPECT_TRUE(ole::CBool(ole::CallMethod(designer, "IsLocked", args)));
    Choose({"For&mat", "&Lock", "&Unlock Control"});
    EXPECT_FALSE(ole::CBool(ole::CallMethod(designer, "IsLocked", args)));
}

TEST_F(MenuCommandsTest, ARightClickPopsUpFormatAndRunsTheChosenItem) {
    const auto button = AddButton();
    ClickSurface({200, 200});
    const auto shown = RowNames();
    const auto lockAll = program->Main()->MenuBar().Find("mnuLockAllControls");
    forms::PopupMenuResponder().Reset();
    forms::PopupMenuResponder().Queue(lockAll->Command());
    win::test::click(Surface(), {150, 120}, win::test::MouseButton::Right);
    win::test::pump();

    const auto popups = forms::PopupMenuResponder().TakeLog();
    forms::PopupMenuResponder().Reset();
    ASSERT_EQ(popups.size(), 1U);
    win::POINT at{150, 120};
    win::ClientToScreen(Surface(), &at);
    EXPECT_EQ(popups[0].request.at.x, at.x);
    EXPECT_EQ(popups[0].request.at.y, at.y);
    std::vector<ole::Variant> args{ole::Variant(ole::Ptr<ole::Object>(button))};
    EXPECT_TRUE(ole::CBool(ole::CallMethod(
        ole::Variant(ole::Ptr<ole::Object>(Designer().m_FormDesigner())), "IsLocked", args)));
    EXPECT_EQ(RowNames(), shown);
}

} // namespace

} // namespace sampledesk::test
