// Layouts saved and opened through the File commands and their dialogs.
#include "SampledeskFixture.h"

#include "platform/forms/dialogs/file/FileDialog.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
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
