// Layouts saved and opened through the File commands and their dialogs.
#include "SampledeskFixture.h"

#include "formdesigner/layout/CPropertyBag.h"

#include "platform/forms/dialogs/file/FileDialog.h"
#include "platform/ole/bag/LayoutFile.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/win/Win.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>

namespace sampledesk::test {

namespace {

namespace fs = std::filesystem;

class LayoutFileTest : public SampledeskFixture {
protected:
    void SetUp() override {
        SampledeskFixture::SetUp();
        folder = fs::temp_directory_path() / ("sampledesk-" + std::to_string(::getpid())) / "v1.2";
        fs::create_directories(folder);
        // "Do you want to save?" is answered No.
        forms::MessageBoxResponder().SetFunction([](const forms::MessageBoxRequest& request) {
            return std::optional<int>(request.text == "Do you want to save?" ? forms::vbNo
                                                                             : forms::vbOK);
        });
        Boxes();
    }
    void TearDown() override {
        forms::FileDialogResponder().Reset();
        fs::remove_all(folder.parent_path());
        SampledeskFixture::TearDown();
    }
    void Answer(const fs::path& file) {
        forms::FileDialogResponder().Queue(forms::FileDialogAnswer{true, {file.string()}});
    }
    std::vector<forms::FileDialogRequest> Dialogs() {
        std::vector<forms::FileDialogRequest> requests;
        for (auto& entry : forms::FileDialogResponder().TakeLog())
            requests.push_back(entry.request);
        return requests;
    }
    // A layout file with these root entries; the demo's own keys as the designer stores them.
    fs::path Layout(std::initializer_list<std::pair<const char*, ole::Variant>> entries,
                    std::initializer_list<std::pair<const char*, ole::Variant>> demoKeys = {}) {
        const auto root = layoutdesk::CPropertyBag::Create();
        for (const auto& [key, value] : entries)
            root->WriteProperty(key, value, ole::Variant::Missing());
        root->SetCustomMode(true);
        for (const auto& [key, value] : demoKeys)
            root->WriteProperty(key, value, ole::Variant::Missing());
        const fs::path file = folder / "layout.ksf";
        ole::LayoutFile::Write(file.string(), root->Contents());
        return file;
    }
    ole::Variant Get(std::string_view control, std::string_view member) {
        return ole::GetProperty(
            ole::Variant(ole::Ptr<ole::Object>(Designer().FindControl(control))), member);
    }

    fs::path folder;
};

TEST_F(LayoutFileTest, ANewNameGetsTheExtensionWhateverDotsItsFolderHas) {
    Answer(folder / "form1");
    Choose({"&File", "&Save"});
    const auto dialogs = Dialogs();
    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs[0].kind, forms::FileDialogKind::Save);
    EXPECT_EQ(dialogs[0].flags, 0U);
    EXPECT_TRUE(fs::exists(folder / "form1.ksf"));
    EXPECT_EQ(program->Main()->Caption(), "Sampledesk - Untitled");

    fs::remove(folder / "form1.ksf");
    Choose({"&File", "&Save"});
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(fs::exists(folder / "form1.ksf"));
}

// The properties window sits in the topmost band over the main window's corner; the Save dialog
// the main window owns still has its buttons under the mouse, not under that window.
TEST_F(LayoutFileTest, TheSaveDialogsButtonsAreNotCoveredByThePropertiesWindow) {
    const win::HWND properties = Properties().Window();
    ASSERT_TRUE(win::IsWindowVisible(properties));
    forms::FileDialogResponder().SetFunction([&](const forms::FileDialogRequest&) {
        const win::HWND dialog = win::GetActiveWindow();
        win::RECT box;
        win::RECT palette;
        win::RECT common;
        win::GetWindowRect(dialog, &box);
        win::GetWindowRect(properties, &palette);
        EXPECT_TRUE(win::IntersectRect(&common, &box, &palette)) << "the two overlap";
        for (const int id : {win::IDOK, win::IDCANCEL}) {
            const win::HWND button = win::GetDlgItem(dialog, id);
            win::RECT rect;
            win::GetWindowRect(button, &rect);
            EXPECT_EQ(
                win::WindowFromPoint({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}),
                button)
                << id;
        }
        win::test::click(win::GetDlgItem(dialog, win::IDCANCEL), win::POINT{5, 5});
        win::test::pump();
        return std::optional<forms::FileDialogAnswer>();
    });
    Choose({"&File", "&Save"});
    const auto log = forms::FileDialogResponder().TakeLog();
    ASSERT_EQ(log.size(), 1U);
    EXPECT_TRUE(log[0].answer.has_value()) << "Cancel was clicked";
    EXPECT_EQ(program->Main()->Caption(), "Sampledesk - Untitled");
}

TEST_F(LayoutFileTest, ARoundTripBringsBackControlsTextsAndWrappers) {
    Designer().CreateControl("Label", 300, 300, 1200, 300, ole::Variant());
    Designer().CreateControl("TextBox", 300, 900, 1200, 300, ole::Variant());
    Designer().CreateControl("ComboBox", 300, 1500, 1200, 300, ole::Variant());
    ole::LetProperty(ole::Variant(ole::Ptr<ole::Object>(Designer().FindControl("Label1"))),
                     "Caption", ole::Variant("Name:"));
    Designer().SetCaption("Order form");
    Designer().Move(300, ole::Variant(450.0f), ole::Variant(6000.0f), ole::Variant(4800.0f));
    Answer(folder / "order.ksf");
    Choose({"&File", "&Save"});

    Answer(folder / "order.ksf");
    Choose({"&File", "&Open"});
    EXPECT_EQ(program->Main()->Caption(), "Sampledesk - " + (folder / "order.ksf").string());
    EXPECT_EQ(Designer().Caption(), "Order form");
    // The window's place is kept in the main window's client area.
    win::RECT placed{};
    win::GetWindowRect(Designer().Window(), &placed);
    win::MapWindowPoints({}, program->Main()->ClientWindow(),
                         reinterpret_cast<win::POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 20);
    EXPECT_EQ(placed.top, 30);
    EXPECT_EQ(Designer().Width(), 6000);
    EXPECT_EQ(ole::CStr(Get("Label1", "Caption")), "Name:");
    EXPECT_EQ(ole::CStr(Get("Text1", "Text")), "Text1");
    EXPECT_EQ(ole::CLng(Get("ComboBox1", "ListCount")), 1);
    EXPECT_TRUE(Designer().Wrappers()->ContainsKey("ComboBox1"));
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Form Designer: Do you want to save?"});
}

TEST_F(LayoutFileTest, AFileThatIsNoLayoutIsReportedOnceAndNotSavedOver) {
    const fs::path text = folder / "notes.txt";
    std::ofstream(text) << "not a layout";
    Answer(text);
    Choose({"&File", "&Open"});
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Form Designer: Do you want to save?",
                                                 "Sampledesk: Invalid File."}));
    EXPECT_EQ(program->Main()->Caption(), "Sampledesk - Untitled");

    forms::FileDialogResponder().Queue(forms::FileDialogAnswer::Cancel());
    Choose({"&File", "&Save"});
    const auto dialogs = Dialogs();
    ASSERT_EQ(dialogs.size(), 2U);
    EXPECT_EQ(dialogs[0].flags, win::OFN_FILEMUSTEXIST);
    EXPECT_EQ(dialogs[1].kind, forms::FileDialogKind::Save);
    std::ifstream in(text);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "not a layout");
}

TEST_F(LayoutFileTest, InvalidFileIsShownOnceForEachOpenHoweverManyPartsAreBad) {
    const ole::Variant notABag(std::string("x"));
    const fs::path file = Layout({{"ControlCount", ole::Variant(int16_t{3})},
                                  {"ControlInfo_1_1", notABag},
                                  {"ControlInfo_1_2", notABag},
                                  {"ControlInfo_1_3", notABag}});
    for (int open = 0; open < 2; ++open) {
        Answer(file);
        Choose({"&File", "&Open"});
        EXPECT_EQ(Boxes(), (std::vector<std::string>{"Form Designer: Do you want to save?",
                                                     "Sampledesk: Invalid File."}));
    }
}

TEST_F(LayoutFileTest, AFailedSaveKeepsTheLayoutAndTheNextSaveAsksForANameAgain) {
    Designer().CreateControl("CommandButton", 300, 300, 1200, 600, ole::Variant());
    forms::MessageBoxResponder().SetFunction([](const forms::MessageBoxRequest& request) {
        return std::optional<int>(request.text == "Do you want to save?" ? forms::vbYes
                                                                         : forms::vbOK);
    });
    Answer(folder / "missing" / "form1");
    Choose({"&File", "&New"});
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Form Designer: Do you want to save?",
                                                 "Layoutdesk: Layoutdesk : Path not found : 76"}));
    EXPECT_TRUE(Designer().FindControl("Command1")) << "the unsaved layout is kept";

    Answer(folder / "form1");
    Choose({"&File", "&Save"});
    EXPECT_EQ(Dialogs().size(), 2U);
    EXPECT_TRUE(fs::exists(folder / "form1.ksf"));
}

// The window's bounds in a file are the demo's own keys; values no window can take are refused
// with one box, and a huge one costs no more to paint than what shows.
TEST_F(LayoutFileTest, WindowBoundsFromAFileThatNoWindowCanTakeAreRefusedOnce) {
    const float width = Designer().Width();
    for (const float bad : {std::numeric_limits<float>::quiet_NaN(), -5.0F}) {
        Answer(Layout({}, {{"FormWidth", ole::Variant(bad)}}));
        Choose({"&File", "&Open"});
        EXPECT_EQ(Boxes(), (std::vector<std::string>{"Form Designer: Do you want to save?",
                                                     "Sampledesk: Invalid property value"}));
        EXPECT_EQ(Designer().Width(), width);
        ole::TakeReportedErrors();
    }
    Answer(Layout({}, {{"FormWidth", ole::Variant(1e9F)}, {"FormHeight", ole::Variant(1e9F)}}));
    Choose({"&File", "&Open"});
    EXPECT_EQ(Designer().Width(), 1e9F);
}

TEST_F(LayoutFileTest, ACancelledOpenLeavesAnEmptyUntitledDesigner) {
    Designer().CreateControl("CommandButton", 300, 300, 1200, 600, ole::Variant());
    forms::FileDialogResponder().Queue(forms::FileDialogAnswer::Cancel());
    Choose({"&File", "&Open"});
    EXPECT_EQ(Designer().ControlList().size(), 1U);
    EXPECT_EQ(Designer().Caption(), "Untitled");
    EXPECT_EQ(program->Main()->Caption(), "Sampledesk - Untitled");
}

TEST_F(LayoutFileTest, ExitAsksForANameAndEndsEvenWhenTheDialogIsCancelled) {
    const auto main = program->Main();
    const auto designer = program->Designer();
    forms::FileDialogResponder().Queue(forms::FileDialogAnswer::Cancel());
    Choose({"&File", "E&xit"});
    EXPECT_EQ(Dialogs().size(), 1U);
    EXPECT_FALSE(main->IsLoaded());
    EXPECT_FALSE(designer->IsLoaded());
    // Shutting down, the program makes no window again.
    EXPECT_FALSE(program->Designer());
    EXPECT_TRUE(Boxes().empty());
}

} // namespace

} // namespace sampledesk::test
