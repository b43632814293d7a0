#include "InputFixture.h"

#include "platform/forms/app/App.h"
#include "platform/forms/dialogs/HelpCalls.h"

#include <string>

namespace attrgrid::test {
namespace {

class HelpTest : public InputFixture {
protected:
    void SetUp() override {
        InputFixture::SetUp();
        forms::TakeHelpCalls();
    }
    ole::Ptr<CProperty> AddWithHelp(const std::string& name, const std::string& file,
                                    int32_t context) {
        auto property = Grid().GetProperties()->Add(name, ole::Variant(1));
        property->LetHelpFile(file);
        property->LetHelpContext(context);
        return property;
    }
    void Select(const std::string& name) {
        ClickRow(name);
        ASSERT_EQ(SelectedName(), name);
    }
};

TEST_F(HelpTest, F1CallsTheViewerByTheFileEnding) {
    ShowGrid();
    std::vector<std::string> requested;
    OnEvent(Z::EvHelpRequested, [&](std::span<ole::Variant> args) {
        requested.push_back(ole::PtrCast<CProperty>(args[0].AsObject())->GetName());
        EXPECT_TRUE(ole::CBool(args[1]));
    });
    forms::App::Component("Attrgrid").SetHelpFile("kept.hlp");
    using namespace std::string_literals;
    AddWithHelp("A", " guide.chm \0ignored"s, 42);
    AddWithHelp("B", "old.HLP", 7);
    AddWithHelp("C", "notes.txt", 3);
    AddWithHelp("D", "", 3);
    for (const char* name : {"A", "B", "C", "D"}) {
        Select(name);
        Press(win::VK_F1);
    }
    EXPECT_EQ(requested, (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(forms::TakeHelpCalls(), (std::vector<forms::HelpCall>{
                                          {"HtmlHelpA", "guide.chm", win::HH_HELP_CONTEXT, 42},
                                          {"WinHelpA", "old.HLP", win::HELP_CONTEXT, 7},
                                      }));
    EXPECT_EQ(forms::App::Component("Attrgrid").HelpFile(), "kept.hlp");
}

TEST_F(HelpTest, HelpNeedsASelectedPropertyAndAHostThatLetsItGo) {
    Z& grid = ShowGrid();
    int raised = 0;
    bool processDefault = false;
    OnEvent(Z::EvHelpRequested, [&](std::span<ole::Variant> args) {
        ++raised;
        args[1].Deref() = ole::Variant(processDefault);
    });
    AddWithHelp("A", "guide.chm", 42);
    grid.GetProperties()->Add("E", ole::Variant(2), "Cat");
    // The first key only selects.
    Press(win::VK_F1);
    EXPECT_EQ(SelectedName(), "A");
    EXPECT_EQ(raised, 0);
    Press(win::VK_F1);
    EXPECT_EQ(raised, 1);
    // A category row has no property.
    grid.LetActiveView(ksCatagorized);
    ClickRow("Cat", 120);
    ASSERT_EQ(SelectedName(), "Cat");
    Press(win::VK_F1);
    EXPECT_EQ(raised, 1);
    EXPECT_TRUE(forms::TakeHelpCalls().empty());
}

} // namespace
} // namespace attrgrid::test
