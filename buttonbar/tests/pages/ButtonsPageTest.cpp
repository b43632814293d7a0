#include "buttonbar/tests/pages/PageFixture.h"

#include "platform/forms/controls/buttons/CheckBox.h"
#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/scrollbar/HScrollBar.h"
#include "platform/forms/dialogs/file/FileDialog.h"
#include "platform/ole/convert/Conversions.h"

#include "testsupport/BmpFile.h"
#include "testsupport/MetafileBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace shelfstrip::test {
namespace {

class ButtonsPageTest : public PageFixture {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        AddButtons(5);
    }
    ole::Ptr<CButtons> Buttons() { return ActiveGroup()->GetButtons(); }
    // Types a distinct text into each field, every one with blanks around it.
    void TypeFields(const std::string& stem) {
        for (const char* field :
             {"txtBtnCaption", "txtBtnKey", "txtBtnTooltip", "txtPrompt", "txtTag"})
            Type(field, " " + stem + field + " ");
    }
    // Every field of the button holds the trimmed text typed into it.
    static void ExpectFields(const CButton& button, const std::string& stem) {
        EXPECT_EQ(button.GetCaption(), stem + "txtBtnCaption");
        EXPECT_EQ(button.GetKey(), stem + "txtBtnKey");
        EXPECT_EQ(button.GetTooltipText(), stem + "txtBtnTooltip");
        EXPECT_EQ(button.GetPrompt(), stem + "txtPrompt");
        EXPECT_EQ(ole::CStr(button.GetTag()), stem + "txtTag");
    }
    std::string Shown() { return Text("txtBtnCaption"); }
    std::string Count() { return Find<forms::Label>("lblButtonCount").Caption(); }
    // Presses keys in a box and returns the message boxes they raised.
    std::vector<std::string> Keys(std::string_view name, std::initializer_list<int> keys) {
        forms::MessageBoxResponder().Queue(win::IDOK);
        const size_t before = forms::MessageBoxResponder().Log().size();
        win::SetFocus(Find(name).Window());
        for (int key : keys)
            win::test::keyPress(key);
        win::test::pump();
        std::vector<std::string> texts;
        const auto& log = forms::MessageBoxResponder().Log();
        for (size_t i = before; i < log.size(); ++i)
            texts.push_back(log[i].request.text);
        return texts;
    }
    // Picks a picture file through the open-file dialog: a bitmap, or what "All Files" offers.
    void PickPicture(const std::vector<uint8_t>& bytes = testsupport::BmpFile(
                         2, 24, {{0, 0, 255, 0, 0, 255}, {0, 0, 255, 0, 0, 255}}),
                     const char* name = "-page-pick.bmp", int filterIndex = 1) {
        // Named per process: the release and sanitizer suites may run at once.
        const auto path =
            std::filesystem::temp_directory_path() / (std::to_string(getpid()) + name);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        forms::FileDialogResponder().Queue(
            forms::FileDialogAnswer{true, {path.string()}, false, filterIndex});
        Press(Find<forms::CommandButton>("btnAddPicture"));
    }
};

TEST_F(ButtonsPageTest, OpensOnTheLastButtonAndTheIndexBoxMovesTheScroller) {
    Open("Buttons");
    EXPECT_EQ(Text("txtButtonIndex"), "5");
    EXPECT_EQ(Count(), " of 5");
    EXPECT_EQ(Shown(), "b5");
    EXPECT_EQ(Text("txtPicture"), "(Picture)");
    EXPECT_FALSE(Page().Changed());
    Snapshot("buttonbar-page-buttons");

    EXPECT_EQ(Keys("txtButtonIndex", {win::VK_BACK, '7'}),
              std::vector<std::string>{"Invalid Index value"});
    EXPECT_EQ(Shown(), "b5");
    // Backspace is discarded; Delete edits, and an emptied box cannot convert.
    EXPECT_EQ(Keys("txtButtonIndex", {win::VK_END, win::VK_BACK}), std::vector<std::string>{});
    EXPECT_EQ(Text("txtButtonIndex"), "75");
    EXPECT_EQ(Keys("txtButtonIndex", {win::VK_HOME, win::VK_DELETE, win::VK_DELETE, '2'}),
              std::vector<std::string>{"Type mismatch"});
    EXPECT_EQ(forms::MessageBoxResponder().Log().back().request.caption, kLibraryName);
    EXPECT_EQ(Shown(), "b2");
}

TEST_F(ButtonsPageTest, ApplyWritesTheShownButtonAndMovesItToANewIndex) {
    Open("Buttons");
    TypeFields("Five");
    Type("txtNewIndex", " 3 ");
    win::test::click(Find("chkVisible").Window(), win::POINT{5, 5});
    Press(m_frame->OkButton());
    EXPECT_FALSE(m_frame->IsOpen());
    ExpectFields(*Buttons()->At(3), "Five");
    EXPECT_FALSE(Buttons()->At(3)->GetVisible());
    EXPECT_EQ(Buttons()->At(5)->GetCaption(), "b4");

    Open("Buttons");
    for (const char* bad : {"0", "6", "x", "99999999999"})
        EXPECT_EQ(ApplyNewIndex(bad), std::vector<std::string>{"Invalid Index."}) << bad;
    EXPECT_EQ(ApplyNewIndex("5"), std::vector<std::string>{});
    EXPECT_EQ(Buttons()->At(5)->GetCaption(), "b4");
}

// The Groups page acts on the bar at once. Shown again, the Buttons page loads the group now
// active; edits it still held go first to the button they were made on, and an edit whose button
// went with its group is reported instead of dropped.
TEST_F(ButtonsPageTest, ShownAgainAfterTheGroupsPageSwitchedGroupsItLoadsTheGroupNowActive) {
    const auto first = ActiveGroup();
    const auto other = Bar().GetGroups()->Add("Other");
    AddButtons(3, other);
    const auto activateOther = [&] {
        Show("Groups");
        Find<forms::HScrollBar>("scrGroupIndex").SetValue(2);
        ASSERT_EQ(ActiveGroup(), other);
        Show("Buttons");
    };
    Open("Buttons");
    Type("txtBtnCaption", "Five");
    Type("txtNewIndex", "2");
    activateOther();
    EXPECT_EQ(first->GetButtons()->At(2)->GetCaption(), "Five");
    EXPECT_EQ(Find<forms::Label>("lblActiveGrpInfo").Caption(), "Buttons of 'Other' group");
    EXPECT_EQ(Count(), " of 3");
    EXPECT_EQ(Text("txtButtonIndex"), "3");
    EXPECT_EQ(Shown(), "b3");
    EXPECT_FALSE(Page().Changed());
    Press(Find<forms::CommandButton>("btnDelButton"));
    EXPECT_EQ(first->GetButtons()->Count(), 5);
    EXPECT_EQ(other->GetButtons()->Count(), 2);
    Press(m_frame->OkButton());
    EXPECT_FALSE(m_frame->IsOpen());

    Bar().SetActiveGroup(first);
    Open("Buttons");
    Type("txtBtnCaption", "Gone");
    Show("Groups");
    Press(Find<forms::CommandButton>("btnDelGroup"));
    ASSERT_EQ(Bar().GetGroups()->Count(), 1);
    EXPECT_EQ(PressAnswering(m_frame->OkButton()),
              std::vector<std::string>{"Invalid button object"});
    EXPECT_EQ(other->GetButtons()->At(2)->GetCaption(), "b2");
    Show("Buttons");
    EXPECT_EQ(Shown(), "b2");
    EXPECT_FALSE(m_frame->ApplyEnabled());
}

TEST_F(ButtonsPageTest, AddAndDeleteActAtOnce) {
    Open("Buttons");
    Keys("txtPicture", {win::VK_DELETE});
    Press(Find<forms::CommandButton>("btnAddButton"));
    EXPECT_EQ(forms::MessageBoxResponder().Log().back().request.text,
              "Please select an image for the new button");
    EXPECT_EQ(Buttons()->Count(), 5);

    PickPicture();
    EXPECT_EQ(Text("txtPicture"), "(Picture)");
    TypeFields("X");
    Press(Find<forms::CommandButton>("btnAddButton"));
    ASSERT_EQ(Buttons()->Count(), 6);
    ExpectFields(*Buttons()->At(6), "X");
    EXPECT_EQ(Count(), " of 6");

    // The reloaded page stands on the new last button without complaint.
    const size_t boxes = forms::MessageBoxResponder().Log().size();
    Find<forms::HScrollBar>("scrButtonIndex").SetValue(2);
    Press(Find<forms::CommandButton>("btnDelButton"));
    EXPECT_EQ(forms::MessageBoxResponder().Log().size(), boxes);
    EXPECT_EQ(Buttons()->Count(), 5);
    EXPECT_EQ(Text("txtButtonIndex"), "5");
    EXPECT_EQ(Count(), " of 5");
}

TEST_F(ButtonsPageTest, AMetafilePassesThePreviewButAddShowsTheModelsRefusal) {
    Open("Buttons");
    const std::pair<std::vector<uint8_t>, const char*> metafiles[] = {
        {testsupport::PlaceableMetafile(100, 50, 1440), "-page-pick.wmf"},
        {testsupport::EnhancedMetafile(2000, 1000), "-page-pick.emf"}};
    for (const auto& [bytes, name] : metafiles) {
        PickPicture(bytes, name, 2);
        EXPECT_EQ(Text("txtPicture"), "(Picture)") << name;
        Type("txtBtnCaption", "M");
        forms::MessageBoxResponder().Queue(win::IDOK);
        Press(Find<forms::CommandButton>("btnAddButton"));
        const auto& box = forms::MessageBoxResponder().Log().back().request;
        EXPECT_EQ(box.text, "Invalid Picture type") << name;
        EXPECT_EQ(box.caption, "CButtons.Add");
        EXPECT_EQ(box.type, win::MB_OK | win::MB_ICONSTOP);
        EXPECT_EQ(Buttons()->Count(), 5);
    }
}

TEST_F(ButtonsPageTest, AnEmptyGroupDisablesTheScrollerAndIgnoresEdits) {
    Buttons()->Clear();
    Buttons()->Add("only", Bitmap());
    Open("Buttons");
    Press(Find<forms::CommandButton>("btnDelButton"));
    EXPECT_EQ(Buttons()->Count(), 0);
    EXPECT_FALSE(Find("scrButtonIndex").Enabled());
    EXPECT_FALSE(Find("btnDelButton").Enabled());
    EXPECT_EQ(Count(), " of 0");
    Page().SetChanged(false);
    Type("txtBtnCaption", "x");
    EXPECT_FALSE(Page().Changed());
}

TEST_F(ButtonsPageTest, ClearingThePictureKeepsOtherEditsAndTagsWithoutTextSurvive) {
    Buttons()->At(1)->LetTag(ole::Variant("a"));
    Buttons()->At(2)->SetTag(ole::Variant(ole::Ptr<ole::Object>(Bitmap())));
    Buttons()->At(3)->LetTag(ole::Variant::Null());
    Open("Buttons");
    Type("txtBtnCaption", "Renamed");
    Keys("txtPicture", {win::VK_BACK});
    EXPECT_EQ(Text("txtPicture"), "(None)");
    EXPECT_TRUE(Page().Changed());
    Press(m_frame->ApplyButton());
    EXPECT_EQ(Buttons()->At(5)->GetCaption(), "Renamed");

    Find<forms::HScrollBar>("scrButtonIndex").SetValue(1);
    EXPECT_EQ(Text("txtTag"), "a");
    for (int16_t i : {2, 3}) {
        Find<forms::HScrollBar>("scrButtonIndex").SetValue(i);
        EXPECT_EQ(Text("txtTag"), "") << i;
        Type("txtBtnCaption", "New");
        Press(m_frame->ApplyButton());
        EXPECT_EQ(Buttons()->At(i)->GetCaption(), "New");
    }
    EXPECT_EQ(Buttons()->At(2)->GetTag().Type(), ole::VT_DISPATCH);
    EXPECT_TRUE(Buttons()->At(3)->GetTag().IsNull());
}

} // namespace
} // namespace shelfstrip::test
