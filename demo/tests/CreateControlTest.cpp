// Controls made on the designer window: names, wrappers that answer clicks in run mode, deletion.
#include "SampledeskFixture.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/object/TypeName.h"
#include "platform/win/Win.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace sampledesk::test {

namespace {

class CreateControlTest : public SampledeskFixture {
protected:
    // A tool's control over the band (twips) on the surface, or inside `container`.
    ole::Ptr<forms::Control> Draw(const std::string& tool, ole::Ptr<forms::Control> container = {},
                                  float left = 300, float top = 300) {
        const size_t before = Designer().ControlList().size();
        const ole::Variant hit{ole::Ptr<ole::Object>(container)};
        Designer().CreateControl(tool, left, top, 1200, 600, hit);
        win::test::pump();
        const auto& controls = Designer().ControlList();
        return controls.size() > before ? controls.back() : nullptr;
    }
    void RunMode() {
        ole::LetProperty(ole::Variant(ole::Ptr<ole::Object>(Designer().m_FormDesigner())), "Mode",
                         ole::Variant(int32_t{0}));
    }
    // Clicks the control's centre and returns the boxes that came up.
    std::vector<std::string> ClickControl(const ole::Ptr<forms::Control>& control) {
        Boxes();
        win::RECT rc{};
        win::GetClientRect(control->Window(), &rc);
        win::test::click(control->Window(), {rc.right / 2, rc.bottom / 2});
        win::test::pump();
        return Boxes();
    }
    void Delete(const ole::Ptr<forms::Control>& control) {
        win::test::click(control->Window(), {2, 2});
        win::test::keyPress(win::VK_DELETE);
        win::test::pump();
    }
};

TEST_F(CreateControlTest, NamesCountUpAndAFreedNameIsUsedAgain) {
    const auto first = Draw("CommandButton");
    const auto second = Draw("CommandButton");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->Name(), "Command1");
    EXPECT_EQ(second->Name(), "Command2");
    EXPECT_EQ(ole::CStr(ole::GetProperty(ole::Variant(ole::Ptr<ole::Object>(first)), "Caption")),
              "Command1");
    Delete(first);
    EXPECT_FALSE(Designer().FindControl("Command1"));
    EXPECT_EQ(Designer().Wrappers()->Count(), 1);
    EXPECT_TRUE(RowNames().empty());
    EXPECT_EQ(Draw("COMMANDBUTTON")->Name(), "Command1");
}

TEST_F(CreateControlTest, ANameTakenInAnotherCaseIsNotOfferedAgain) {
    // As a layout file may store it.
    Designer().Add("VB.CommandButton", "command1",
                   ole::Ptr<ole::Object>(Designer().m_FormDesigner()));
    const auto button = Draw("CommandButton");
    ASSERT_TRUE(button);
    EXPECT_EQ(button->Name(), "Command2");
}

TEST_F(CreateControlTest, WrappedControlsAnswerClicksInRunMode) {
    const auto button = Draw("CommandButton");
    const auto text = Draw("TextBox", {}, 300, 1500);
    const auto list = Draw("ListBox", {}, 2000, 300);
    RunMode();
    EXPECT_EQ(ClickControl(button), std::vector<std::string>{"Command1: Command1 Clicked"});
    EXPECT_EQ(ClickControl(text), std::vector<std::string>{"Text1: Text1 Clicked"});
    const ole::Variant items{ole::Ptr<ole::Object>(list)};
    EXPECT_EQ(ole::CLng(ole::GetProperty(items, "ListCount")), 1);
}

TEST_F(CreateControlTest, ADeletedFrameTakesItsChildrensWrappersAlong) {
    const auto frame = Draw("Frame");
    ASSERT_TRUE(frame);
    Draw("CommandButton", frame, 100, 200);
    ASSERT_TRUE(Designer().Wrappers()->ContainsKey("Command1"));
    Delete(frame);
    EXPECT_EQ(Designer().Wrappers()->Count(), 0);

    const auto button = Draw("CommandButton");
    ASSERT_TRUE(button);
    EXPECT_EQ(button->Name(), "Command1");
    RunMode();
    EXPECT_EQ(ClickControl(button), std::vector<std::string>{"Command1: Command1 Clicked"});
}

TEST_F(CreateControlTest, ABandWithoutADrawingToolMakesNothing) {
    Boxes();
    win::test::drag(Surface(), {20, 20}, {120, 80});
    win::test::pump();
    EXPECT_EQ(Designer().ControlList().size(), 1U);
    EXPECT_FALSE(Draw("Pointer"));
    EXPECT_TRUE(Boxes().empty());
}

// In select mode a band drawn inside a frame (Ctrl held at the press) selects what it touches
// there, and the properties window follows the selection.
TEST_F(CreateControlTest, ABandInsideAFrameSelectsTheControlsItTouches) {
    const auto frame = Draw("Frame", {}, 300, 300);
    ASSERT_TRUE(frame);
    frame->Move(300, ole::Variant(300.0f), ole::Variant(3600.0f), ole::Variant(2400.0f));
    Draw("CommandButton", frame, 300, 300);
    Draw("CommandButton", frame, 300, 1200);
    const auto band = [&](win::POINT to) {
        ClickSurface({340, 260});
        win::test::keyDown(win::VK_CONTROL);
        win::test::drag(frame->Window(), {10, 10}, to);
        win::test::keyUp(win::VK_CONTROL);
        win::test::pump();
    };
    band({110, 40});
    EXPECT_EQ(Properties().Caption(), "Properties - Command1");
    EXPECT_EQ(RowNames().front(), "Name");

    band({110, 120});
    const ole::Variant selected = ole::GetObjectProperty(
        ole::Variant(ole::Ptr<ole::Object>(Designer().m_FormDesigner())), "SelectedControls");
    EXPECT_EQ(ole::CLng(ole::GetProperty(selected, "Count")), 2);
    EXPECT_TRUE(RowNames().empty());
}

// Every drawing tool of the toolbox, by its own caption, makes a control of its class with the
// first free name and a wrapper.
TEST_F(CreateControlTest, EveryToolOfTheToolboxMakesAWrappedControl) {
    const std::map<std::string, std::pair<std::string, std::string>> made{
        {"PictureBox", {"PictureBox", "Picture1"}},
        {"Label", {"Label", "Label1"}},
        {"TextBox", {"TextBox", "Text1"}},
        {"Frame", {"Frame", "Frame1"}},
        {"CommandButton", {"CommandButton", "Command1"}},
        {"Checkbox", {"CheckBox", "Check1"}},
        {"OptionButton", {"OptionButton", "Option1"}},
        {"ComboBox", {"ComboBox", "ComboBox1"}},
        {"ListBox", {"ListBox", "ListBox1"}}};
    std::array<ole::Variant, 1> first{ole::Variant(int32_t{1})};
    const ole::Variant group = ole::CallMethod(
        ole::GetObjectProperty(ole::Variant(ole::Ptr<ole::Object>(program->Main()->m_ToolBox())),
                               "Groups"),
        "Item", first);
    const ole::Variant buttons = ole::GetObjectProperty(group, "Buttons");
    std::set<std::string> tools;
    for (int32_t i = 2; i <= ole::CLng(ole::GetProperty(buttons, "Count")); ++i) {
        std::array<ole::Variant, 1> index{ole::Variant(i)};
        const std::string tool =
            ole::CStr(ole::GetProperty(ole::CallMethod(buttons, "Item", index), "Caption"));
        tools.insert(tool);
        const auto control = Draw(tool);
        ASSERT_TRUE(control) << tool;
        ASSERT_TRUE(made.contains(tool)) << tool;
        EXPECT_EQ(ole::TypeName(control.Get()), made.at(tool).first);
        EXPECT_EQ(control->Name(), made.at(tool).second);
        EXPECT_TRUE(Designer().Wrappers()->ContainsKey(control->Name())) << tool;
    }
    EXPECT_EQ(tools.size(), made.size());
}

TEST_F(CreateControlTest, ALineKeepsTheBandsSignedExtent) {
    Designer().CreateControl("Line", 900, 900, -600, -300, ole::Variant());
    const ole::Variant line{ole::Ptr<ole::Object>(Designer().ControlList().back())};
    EXPECT_EQ(ole::CLng(ole::GetProperty(line, "X2")), 300);
    EXPECT_EQ(ole::CLng(ole::GetProperty(line, "Y2")), 600);
    EXPECT_EQ(Designer().Wrappers()->Count(), 0);
}

} // namespace

} // namespace sampledesk::test
