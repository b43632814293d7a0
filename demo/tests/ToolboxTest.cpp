// The toolbox and the menu toolbar on the main window.
#include "SampledeskFixture.h"

#include "platform/forms/menu/Menu.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace sampledesk::test {

namespace {

struct ToolCase {
    std::optional<std::string> caption;
    int32_t mode;
    int32_t mousePointer;
};

class ToolChangeTest : public SampledeskFixture, public ::testing::WithParamInterface<ToolCase> {};

TEST_P(ToolChangeTest, TheToolSetsTheDesignersModeAndPointer) {
    program->Main()->ToolChanged(GetParam().caption);
    const ole::Variant designer{ole::Ptr<ole::Object>(Designer().m_FormDesigner())};
    EXPECT_EQ(ole::CLng(ole::GetProperty(designer, "Mode")), GetParam().mode);
    EXPECT_EQ(ole::CLng(ole::GetProperty(designer, "MousePointer")), GetParam().mousePointer);
}

INSTANTIATE_TEST_SUITE_P(Tools, ToolChangeTest,
                         ::testing::Values(ToolCase{"Pointer", 2, 1}, ToolCase{"TextBox", 1, 2},
                                           ToolCase{std::nullopt, 0, 1},
                                           ToolCase{"pointer", 1, 2}));

using ToolboxTest = SampledeskFixture;

TEST_F(ToolboxTest, TheBarsAreDockedAndTheViewMenuTogglesTheToolbox) {
    auto& main = *program->Main();
    const auto toolbox = main.m_ToolBox();
    const auto toolbar = main.m_MenuToolbar();
    EXPECT_EQ(toolbar->Top(), 0);
    EXPECT_EQ(toolbar->Width(), main.ScaleWidth());
    EXPECT_EQ(toolbox->Left(), 0);
    EXPECT_EQ(toolbox->Top(), toolbar->Height());
    EXPECT_EQ(toolbox->Width(), 945);

    const auto check = main.MenuBar().Find("mnuViewToolbox");
    Choose({"&View", "&Toolbox"});
    EXPECT_FALSE(toolbox->Visible());
    Choose({"&View", "&Designer window"});
    EXPECT_FALSE(check->GetChecked());
    Choose({"&View", "&Toolbox"});
    EXPECT_TRUE(toolbox->Visible());
    Choose({"&View", "&Designer window"});
    EXPECT_TRUE(check->GetChecked());
}

} // namespace

} // namespace sampledesk::test
