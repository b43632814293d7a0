// The program as a person uses it, through injected mouse and keys.
#include "SampledeskFixture.h"

#include "platform/forms/dialogs/file/FileDialog.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/win/Win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sampledesk::test {

namespace {

using SampledeskTest = SampledeskFixture;

TEST_F(SampledeskTest, StartsWithTheNoticeTheFileNameAndBothWindows) {
    EXPECT_EQ(Boxes(),
              std::vector<std::string>{std::string("Sampledesk: ") + MDISample::kStartupNotice});
    EXPECT_EQ(program->Main()->Caption(), "Sampledesk - Untitled");
    EXPECT_EQ(Designer().Caption(), "Untitled");
    EXPECT_TRUE(Designer().Visible());
    EXPECT_TRUE(Properties().Visible());
    EXPECT_TRUE(win::GetWindowLongA(Properties().Window(), win::GWL_EXSTYLE) & win::WS_EX_TOPMOST);
    // The designer is a document in the main window's client area, beside the two docked bars.
    EXPECT_EQ(win::GetParent(Designer().Window()), program->Main()->ClientWindow());
    EXPECT_EQ(program->Main()->ActiveForm().Get(), &Designer());
    EXPECT_EQ(Designer().Left(), 0);
    EXPECT_EQ(Designer().Top(), 0);
    EXPECT_EQ(Designer().ScaleWidth(), 5565);
    win::RECT client{};
    win::GetWindowRect(program->Main()->ClientWindow(), &client);
    win::MapWindowPoints({}, program->Main()->Window(), reinterpret_cast<win::POINT*>(&client), 2);
    EXPECT_EQ(client.left, program->Main()->m_ToolBox()->PixelBounds().right);
    EXPECT_EQ(client.top, program->Main()->m_MenuToolbar()->PixelBounds().bottom);
}

TEST_F(SampledeskTest, TheFramesShortcutsWorkWhileTheDesignerHasTheFocus) {
    forms::MessageBoxResponder().SetFunction(
        [](const forms::MessageBoxRequest&) { return std::optional<int>(forms::vbNo); });
    ClickSurface({200, 200});
    ASSERT_EQ(win::GetFocus(), Surface());
    forms::FileDialogResponder().Queue(forms::FileDialogAnswer::Cancel());
    forms::FileDialogResponder().Queue(forms::FileDialogAnswer::Cancel());
    win::test::keyPress('S', win::test::Modifiers::Control);
    win::test::keyPress('O', win::test::Modifiers::Control);
    win::test::pump();
    std::vector<forms::FileDialogKind> kinds;
    for (const auto& entry : forms::FileDialogResponder().TakeLog())
        kinds.push_back(entry.request.kind);
    EXPECT_EQ(kinds, (std::vector<forms::FileDialogKind>{forms::FileDialogKind::Save,
                                                         forms::FileDialogKind::Open}));
    forms::FileDialogResponder().Reset();

    Properties().SetVisible(false);
    win::SetFocus(Surface());
    win::test::keyPress(win::VK_F4);
    win::test::pump();
    EXPECT_TRUE(Properties().Visible());
}

TEST_F(SampledeskTest, TheDesignersCloseBoxRunsCloseWithItsQuestion) {
    int answer = forms::vbCancel;
    forms::MessageBoxResponder().SetFunction(
        [&](const forms::MessageBoxRequest&) { return std::optional<int>(answer); });
    program->Main()->m_sFileName = "layout.ksf";
    const auto close = [&] {
        win::SendMessageA(Designer().Window(), win::WM_CLOSE, 0, 0);
        win::test::pump();
    };
    close();
    EXPECT_TRUE(program->PeekDesigner()->IsLoaded());
    EXPECT_EQ(program->Main()->m_sFileName, "layout.ksf");
    EXPECT_EQ(Boxes().back(), "Form Designer: Do you want to save?");
    answer = forms::vbNo;
    close();
    EXPECT_FALSE(program->PeekDesigner()->IsLoaded());
    EXPECT_EQ(program->Main()->Caption(), "Sampledesk - Untitled");
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Form Designer: Do you want to save?"});
}

TEST_F(SampledeskTest, MinimisingTheMainWindowDropsThePropertiesWindowsTopmostState) {
    const auto topmost = [&] {
        return (win::GetWindowLongA(Properties().Window(), win::GWL_EXSTYLE) &
                win::WS_EX_TOPMOST) != 0;
    };
    program->Main()->SetWindowState(1);
    win::test::pump();
    EXPECT_FALSE(topmost());
    program->Main()->SetWindowState(0);
    win::test::pump();
    EXPECT_TRUE(topmost());
}

TEST_F(SampledeskTest, ThePropertiesWindowsCloseBoxHidesIt) {
    win::SendMessageA(Properties().Window(), win::WM_CLOSE, 0, 0);
    win::test::pump();
    EXPECT_TRUE(Properties().IsLoaded());
    EXPECT_FALSE(Properties().Visible());
    Choose({"&View", "&Properties Window"});
    EXPECT_TRUE(Properties().Visible());
    EXPECT_EQ(Properties().Caption(), "Properties - frmDesigner");
}

TEST_F(SampledeskTest, ClickingTheSurfaceAndAControlShowsTheirRows) {
    AddButton();
    ClickSurface({200, 200});
    EXPECT_EQ(RowNames(), (std::vector<std::string>{"Name", "BackColor", "ForeColor", "Caption",
                                                    "Left", "Top", "Height", "Width"}));
    EXPECT_EQ(Properties().Caption(), "Properties - frmDesigner");

    ClickSurface({60, 50});
    EXPECT_EQ(RowNames(), (std::vector<std::string>{"Name", "Left", "Top", "Height", "Width",
                                                    "BackColor", "Caption"}));
    EXPECT_EQ(Properties().Caption(), "Properties - Command1");
    ASSERT_TRUE(Property("Left"));
    EXPECT_TRUE(Property("Name")->GetReadOnly());
    EXPECT_EQ(Property("Left")->GetHelp(),
              "Returns/sets the distance between the internal left edge of an object and the "
              "left edge of its container.");
}

TEST_F(SampledeskTest, EditingACaptionRowChangesTheControl) {
    const auto button = AddButton();
    ClickSurface({60, 50});
    EditRow("Caption", "Go");
    EXPECT_EQ(ole::CStr(ole::GetProperty(ole::Variant(ole::Ptr<ole::Object>(button)), "Caption")),
              "Go");
}

TEST_F(SampledeskTest, MovingTheOneSelectedControlWithKeysUpdatesItsRows) {
    const auto button = AddButton();
    ClickSurface({60, 50});
    win::test::keyPress(win::VK_RIGHT, win::test::Modifiers::Control);
    win::test::pump();
    ASSERT_NE(button->Left(), 600);
    EXPECT_EQ(ole::CSng(Property("Left")->GetValue()), button->Left());
}

TEST_F(SampledeskTest, AnUntrappedErrorIsShownAndTheProgramGoesOn) {
    Boxes();
    ole::ReportUnhandledError(ole::Error(380, "Invalid property value.", "Sampledesk"));
    const auto boxes = forms::MessageBoxResponder().TakeLog();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].request.text, "Invalid property value.");
    EXPECT_EQ(boxes[0].request.caption, "Sampledesk");
    EXPECT_EQ(boxes[0].request.type, static_cast<win::UINT>(forms::vbCritical));
    EXPECT_TRUE(Designer().Visible());
    EXPECT_EQ(ole::TakeReportedErrors().size(), 1U);
}

} // namespace

} // namespace sampledesk::test
