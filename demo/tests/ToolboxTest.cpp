// The toolbox and the menu toolbar on the main window.
#include "SampledeskFixture.h"

#include "buttonbar/model/CButton.h"
#include "buttonbar/model/CButtons.h"
#include "buttonbar/model/CGroup.h"

#include "platform/forms/dialogs/file/FileDialog.h"
#include "platform/forms/menu/Menu.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"
#include "platform/win/test/Probes.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
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

class ToolboxTest : public SampledeskFixture {
protected:
    static shelfstrip::KSButtonBar& Bar(const ole::Ptr<forms::Control>& site) {
        return *ole::PtrCast<shelfstrip::KSButtonBar>(ole::PtrCast<forms::Extender>(site)->Inner());
    }
    shelfstrip::KSButtonBar& ToolBox() { return Bar(program->Main()->m_ToolBox()); }
    shelfstrip::KSButtonBar& MenuToolbar() { return Bar(program->Main()->m_MenuToolbar()); }
    // Clicks the centre of the bar's button with this caption.
    static void Press(shelfstrip::KSButtonBar& bar, const std::string& caption) {
        const auto buttons = bar.GetActiveGroup()->GetButtons();
        for (int32_t i = 1; i <= buttons->Count(); ++i) {
            const auto button = buttons->Item(ole::Variant(i));
            if (button->GetCaption() == caption) {
                const win::RECT& r = button->Bounds();
                win::test::click(bar.ButtonsBox()->Window(),
                                 {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
                win::test::pump();
                return;
            }
        }
        FAIL() << "no button " << caption;
    }
    std::string SelectedTool() {
        const auto selected = ToolBox().GetSelectedButton();
        return selected ? selected->GetCaption() : "";
    }
    int32_t DesignerMode() {
        return ole::CLng(ole::GetProperty(
            ole::Variant(ole::Ptr<ole::Object>(Designer().m_FormDesigner())), "Mode"));
    }
};

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

TEST_F(ToolboxTest, APickedToolDrawsItsControlOverTheBandThenThePointerIsBack) {
    Press(ToolBox(), "CommandButton");
    EXPECT_EQ(SelectedTool(), "CommandButton");
    EXPECT_EQ(DesignerMode(), 1);
    win::test::drag(Surface(), {40, 40}, {140, 90});
    win::test::pump();
    const auto button = Designer().FindControl("Command1");
    ASSERT_TRUE(button);
    EXPECT_EQ(button->Left(), 600);
    EXPECT_EQ(button->Top(), 600);
    EXPECT_EQ(button->Width(), 1500);
    EXPECT_TRUE(button->Visible());
    EXPECT_EQ(SelectedTool(), "Pointer");
    EXPECT_EQ(DesignerMode(), 2);
}

TEST_F(ToolboxTest, ABandInsideAFrameMakesTheControlInsideIt) {
    Designer().CreateControl("Frame", 300, 300, 3600, 2400, ole::Variant());
    const auto frame = Designer().FindControl("Frame1");
    ASSERT_TRUE(frame);
    Press(ToolBox(), "TextBox");
    win::test::drag(frame->Window(), {30, 40}, {130, 70});
    win::test::pump();
    const auto text = Designer().FindControl("Text1");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Container().Get(), static_cast<ole::Object*>(frame.Get()));
    EXPECT_EQ(text->Left(), 450);
    EXPECT_EQ(text->Top(), 600);
    EXPECT_EQ(text->Width(), 1500);
}

// The caption bar's inactive caption colour with "Toolbox" in the inactive caption text colour.
TEST_F(ToolboxTest, TheToolboxShowsItsCaption) {
    const win::HWND caption = ToolBox().CaptionBar()->Window();
    win::RECT r{};
    win::GetClientRect(caption, &r);
    ASSERT_GT(r.bottom, 0);
    std::set<win::COLORREF> colours;
    for (int x = 0; x < r.right - r.bottom; ++x)
        for (int y = 0; y < r.bottom; ++y)
            colours.insert(win::test::WindowPixel(caption, x, y));
    EXPECT_EQ(colours, (std::set<win::COLORREF>{win::GetSysColor(win::COLOR_INACTIVECAPTION),
                                                win::GetSysColor(win::COLOR_INACTIVECAPTIONTEXT)}));
}

// Each button runs its one command and lets go: no button stays pressed.
TEST_F(ToolboxTest, TheMenuToolbarsButtonsRunTheirCommands) {
    forms::MessageBoxResponder().SetFunction(
        [](const forms::MessageBoxRequest&) { return std::optional<int>(forms::vbNo); });
    const auto dialogs = [] {
        std::vector<forms::FileDialogKind> kinds;
        for (const auto& entry : forms::FileDialogResponder().TakeLog())
            kinds.push_back(entry.request.kind);
        return kinds;
    };
    const auto first = program->Designer();
    Boxes();
    Press(MenuToolbar(), "New");
    EXPECT_NE(program->Designer().Get(), first.Get());
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Form Designer: Do you want to save?"});
    EXPECT_FALSE(MenuToolbar().GetSelectedButton());

    forms::FileDialogResponder().Queue(forms::FileDialogAnswer::Cancel());
    Press(MenuToolbar(), "Open");
    EXPECT_EQ(dialogs(), std::vector<forms::FileDialogKind>{forms::FileDialogKind::Open});
    forms::FileDialogResponder().Queue(forms::FileDialogAnswer::Cancel());
    Press(MenuToolbar(), "Save");
    EXPECT_EQ(dialogs(), std::vector<forms::FileDialogKind>{forms::FileDialogKind::Save});
    EXPECT_FALSE(MenuToolbar().GetSelectedButton());

    Press(MenuToolbar(), "Run");
    EXPECT_EQ(DesignerMode(), 0);
    EXPECT_FALSE(Properties().Visible());
    EXPECT_FALSE(MenuToolbar().GetSelectedButton());
    forms::FileDialogResponder().Reset();
}

} // namespace

} // namespace sampledesk::test
