// The program as a person uses it, through injected mouse and keys.
#include "demo/app/Sampledesk.h"
#include "demo/forms/MDISample.h"
#include "demo/forms/frmDesigner.h"
#include "demo/forms/frmProperties.h"

#include "formdesigner/control/ZORudeRuduvozu.h"
#include "propertylist/control/ZAVeravuvuDudu.h"

#include "testsupport/CleanPlatform.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/form/FormSettings.h"
#include "platform/forms/host/Extender.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"
#include "platform/win/test/TestApi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sampledesk::test {

namespace {

class SampledeskTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        layoutdesk::ZORudeRuduvozu::Register();
        attrgrid::ZAVeravuvuDudu::Register();
        forms::MessageBoxResponder().Reset();
        forms::MessageBoxResponder().SetFunction(
            [](const forms::MessageBoxRequest&) { return std::optional<int>(forms::vbOK); });
        program = Sampledesk::Create();
        program->Start();
        win::test::pump();
    }
    void TearDown() override {
        program->Shutdown();
        program = nullptr;
        forms::MessageBoxResponder().Reset();
        forms::FormSettings::Reset();
        CleanPlatform::TearDown();
    }

    frmDesigner& Designer() { return *program->Designer(); }
    frmProperties& Properties() { return *program->Properties(); }
    attrgrid::ZAVeravuvuDudu& Grid() {
        const auto site = ole::PtrCast<forms::Extender>(Properties().m_Properties());
        return *ole::PtrCast<attrgrid::ZAVeravuvuDudu>(site->Inner());
    }
    ole::Ptr<attrgrid::CProperty> Property(const std::string& name) {
        const auto properties = Grid().GetProperties();
        for (int32_t i = 1; i <= properties->Count(); ++i)
            if (properties->Item(ole::Variant(i))->GetName() == name)
                return properties->Item(ole::Variant(i));
        return nullptr;
    }
    std::vector<std::string> RowNames() {
        std::vector<std::string> names;
        const auto properties = Grid().GetProperties();
        for (int32_t i = 1; i <= properties->Count(); ++i)
            names.push_back(properties->Item(ole::Variant(i))->GetName());
        return names;
    }
    ole::Ptr<attrgrid::CNode> Row(const std::string& name) {
        ole::Ptr<attrgrid::CNode> found;
        Grid().ForEachVisibleRow([&](const ole::Ptr<attrgrid::CNode>& row) {
            if (row->Name() == name)
                found = row;
            return !found;
        });
        return found;
    }
    // A command button drawn on the surface at designer pixels (40, 40)-(120, 70).
    ole::Ptr<forms::Control> AddButton() {
        auto button = Designer().Add("VB.CommandButton", "Command1",
                                     ole::Ptr<ole::Object>(Designer().m_FormDesigner()));
        button->Move(600, ole::Variant(600.0f), ole::Variant(1200.0f), ole::Variant(450.0f));
        button->SetVisible(true);
        win::test::pump();
        return button;
    }
    win::HWND Surface() { return Designer().m_FormDesigner()->Window(); }
    std::vector<std::string> Boxes() {
        std::vector<std::string> boxes;
        for (const auto& entry : forms::MessageBoxResponder().TakeLog())
            boxes.push_back(entry.request.caption + ": " + entry.request.text);
        return boxes;
    }

    ole::Ptr<Sampledesk> program;
};

TEST_F(SampledeskTest, StartsWithTheNoticeTheFileNameAndBothWindows) {
    EXPECT_EQ(Boxes(),
              std::vector<std::string>{std::string("Sampledesk: ") + MDISample::kStartupNotice});
    EXPECT_EQ(program->Main()->Caption(), "Sampledesk - Untitled");
    EXPECT_EQ(Designer().Caption(), "Untitled");
    EXPECT_TRUE(Designer().Visible());
    EXPECT_TRUE(Properties().Visible());
    EXPECT_TRUE(win::GetWindowLongA(Properties().Window(), win::GWL_EXSTYLE) & win::WS_EX_TOPMOST);
}

TEST_F(SampledeskTest, ClickingTheSurfaceAndAControlShowsTheirRows) {
    AddButton();
    win::test::click(Surface(), {200, 200});
    win::test::pump();
    EXPECT_EQ(RowNames(), (std::vector<std::string>{"Name", "BackColor", "ForeColor", "Caption",
                                                    "Left", "Top", "Height", "Width"}));
    EXPECT_EQ(Properties().Caption(), "Properties - frmDesigner");

    win::test::click(Surface(), {60, 50});
    win::test::pump();
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
    win::test::click(Surface(), {60, 50});
    win::test::pump();
    const auto row = Row("Caption");
    ASSERT_TRUE(row);
    const win::RECT cell = row->ValueRect();
    win::test::click(Grid().GridWnd(), {cell.left + 5, (cell.top + cell.bottom) / 2});
    win::test::pump();
    win::test::keyPress('A', win::test::Modifiers::Control);
    win::test::typeText("Go");
    win::test::keyPress(win::VK_RETURN);
    win::test::pump();
    EXPECT_EQ(ole::CStr(ole::GetProperty(ole::Variant(ole::Ptr<ole::Object>(button)), "Caption")),
              "Go");
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
