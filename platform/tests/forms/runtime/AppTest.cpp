#include "RuntimeFixture.h"

#include "platform/forms/app/App.h"
#include "platform/forms/app/AppObject.h"
#include "platform/forms/app/Screen.h"
#include "platform/forms/dialogs/HelpCalls.h"
#include "platform/ole/dispatch/LateBinding.h"

#include <filesystem>

using namespace runtimetest;
using forms::App;

namespace {

class AppTest : public RuntimeTest {};

TEST_F(AppTest, ProgramAndLibrariesEachHaveTheirOwnApp) {
    App& program = App::Program();
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(program.EXEName(), exe.stem().string());
    EXPECT_EQ(program.Path(), exe.parent_path().string());
    EXPECT_EQ(program.Major(), 1);
    EXPECT_EQ(program.Minor(), 0);
    EXPECT_NE(program.hInstance(), 0);
    EXPECT_EQ(&App::Program(), &program);

    App& grid = App::Component("Attrgrid");
    EXPECT_NE(&grid, &program);
    EXPECT_EQ(&App::Component("ATTRGRID"), &grid);
    EXPECT_EQ(App::Find("attrgrid"), &grid);
    EXPECT_EQ(App::Find("Nosuchlib"), nullptr);
    EXPECT_EQ(grid.Title(), "Attrgrid");
    EXPECT_EQ(grid.EXEName(), "Attrgrid");

    // Help file and title are plain settable values of each App alone.
    grid.SetHelpFile("/help/attrgrid.html");
    grid.SetTitle("Grid");
    EXPECT_EQ(grid.HelpFile(), "/help/attrgrid.html");
    EXPECT_EQ(program.HelpFile(), "");
    EXPECT_NE(program.Title(), "Grid");
    grid.SetHelpFile("");
    grid.SetTitle("Attrgrid");

    EXPECT_EQ(forms::FolderOf("/a/b/libX.so"), "/a/b");
    EXPECT_EQ(forms::FolderOf("/libX.so"), "/");
    EXPECT_EQ(forms::FolderOf("libX.so"), "");
}

TEST_F(AppTest, MsgBoxTitleIsTheCallingComponentsUnlessGiven) {
    const HWND main = TopLevel();
    // Yes where the box has it; the plain boxes keep their default button.
    Responder().SetFunction([](const forms::MessageBoxRequest& request) {
        return request.type == MB_YESNOCANCEL ? std::optional<int>(forms::vbYes) : std::nullopt;
    });
    App& pages = App::Component("Shelfstrip");
    EXPECT_EQ(forms::MsgBox(pages, "Do you want to save?", forms::vbYesNoCancel), forms::vbYes);
    forms::MsgBox(pages, "Invalid File.", forms::vbCritical, "Open");
    forms::MsgBox("Started", forms::vbInformation);

    const auto log = Responder().TakeLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].request.caption, "Shelfstrip");
    EXPECT_EQ(log[0].request.type, static_cast<UINT>(MB_YESNOCANCEL));
    EXPECT_EQ(log[0].request.owner, main); // the active window
    EXPECT_EQ(log[1].request.caption, "Open");
    EXPECT_EQ(log[1].request.icon, forms::MessageBoxIcon::Stop);
    EXPECT_EQ(log[2].request.caption, App::Program().Title());
}

TEST_F(AppTest, ScreenReportsTwipsOfTheConfiguredScreen) {
    EXPECT_EQ(forms::Screen::TwipsPerPixelX(), 15.0f);
    EXPECT_EQ(forms::Screen::TwipsPerPixelY(), 15.0f);
    EXPECT_EQ(forms::Screen::Width(), 1024.0f * 15);
    EXPECT_EQ(forms::Screen::Height(), 768.0f * 15);
    test::setScreenSize(800, 600);
    EXPECT_EQ(forms::Screen::Width(), 12000.0f);
    EXPECT_EQ(forms::Screen::Height(), 9000.0f);
}

TEST_F(AppTest, AppAndScreenAnswerLateBoundCallsByName) {
    App& grid = App::Component("Attrgrid");
    const ole::Variant app{ole::Ptr<ole::Object>(forms::AppObject::For(grid))};
    EXPECT_EQ(ole::GetProperty(app, "title").AsString(), "Attrgrid");
    EXPECT_EQ(ole::GetProperty(app, "Major").AsI2(), 1);
    EXPECT_EQ(ole::GetProperty(app, "hInstance").AsI4(), grid.hInstance());
    ole::LetProperty(app, "HelpFile", ole::Variant(std::string("grid.html")));
    EXPECT_EQ(grid.HelpFile(), "grid.html");
    grid.SetHelpFile("");
    try {
        ole::LetProperty(app, "Path", ole::Variant(std::string("/elsewhere")));
        ADD_FAILURE() << "Path took a value";
    } catch (const ole::Error& error) {
        EXPECT_EQ(error.Number(), ole::ERR_READ_ONLY);
    }

    test::setScreenSize(640, 480);
    const ole::Variant screen{ole::Ptr<ole::Object>(forms::ScreenObject::Create())};
    EXPECT_EQ(ole::GetProperty(screen, "TwipsPerPixelY").AsR4(), 15.0f);
    EXPECT_EQ(ole::GetProperty(screen, "Width").AsR4(), 9600.0f);
}

TEST_F(AppTest, HelpCallsAreRecordedAndSucceed) {
    const HWND main = TopLevel();
    EXPECT_TRUE(HtmlHelpA(main, "/help/grid.html", HH_HELP_CONTEXT, 1200));
    EXPECT_TRUE(WinHelpA(main, "grid.help", HELP_CONTEXT, 7));
    EXPECT_TRUE(WinHelpA(main, nullptr, HELP_QUIT, 0));
    const auto calls = forms::TakeHelpCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0], (forms::HelpCall{"HtmlHelpA", "/help/grid.html", 0x0F, 1200}));
    EXPECT_EQ(calls[1], (forms::HelpCall{"WinHelpA", "grid.help", 1, 7}));
    EXPECT_EQ(calls[2].file, "");
    EXPECT_TRUE(forms::HelpCalls().empty());
    // Nothing else happens: no window, no box.
    EXPECT_EQ(test::LiveWindowCount(), 1u);
    EXPECT_TRUE(Responder().Log().empty());
}

} // namespace
