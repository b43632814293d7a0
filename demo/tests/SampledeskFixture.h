#pragma once

// The program started headless, its start-up notice answered; the designer and property list
// come from their static cores, the list's editors from their libraries.

#include "demo/app/Sampledesk.h"
#include "demo/forms/MDISample.h"
#include "demo/forms/frmDesigner.h"
#include "demo/forms/frmProperties.h"

#include "buttonbar/control/KSButtonBar.h"
#include "formdesigner/control/ZORudeRuduvozu.h"
#include "propertylist/control/ZAVeravuvuDudu.h"

#include "testsupport/CleanPlatform.h"

#include "platform/forms/control/Control.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/form/FormSettings.h"
#include "platform/forms/host/Extender.h"
#include "platform/forms/menu/FormMenuBar.h"
#include "platform/win/WinTypes.h"
#include "platform/win/test/TestApi.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace sampledesk::test {

class SampledeskFixture : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        layoutdesk::ZORudeRuduvozu::Register();
        attrgrid::ZAVeravuvuDudu::Register();
        shelfstrip::KSButtonBar::Register();
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
    // A menu item of the main window, chosen by its captions from the bar down.
    void Choose(std::initializer_list<std::string_view> path) {
        ASSERT_TRUE(program->Main()->MenuBar().ChooseByCaptions(path));
        win::test::pump();
    }
    void ClickSurface(win::POINT pt) {
        win::test::click(Surface(), pt);
        win::test::pump();
    }
    // Clicks the row's value, replaces the text the editor shows and presses Enter.
    void EditRow(const std::string& name, std::string_view text) {
        const auto row = Row(name);
        ASSERT_TRUE(row) << name;
        const win::RECT cell = row->ValueRect();
        win::test::click(Grid().GridWnd(), {cell.left + 5, (cell.top + cell.bottom) / 2});
        win::test::pump();
        win::test::keyPress(win::VK_HOME);
        win::test::keyPress(win::VK_END, win::test::Modifiers::Shift);
        win::test::typeText(text);
        win::test::keyPress(win::VK_RETURN);
        win::test::pump();
    }
    std::vector<std::string> Boxes() {
        std::vector<std::string> boxes;
        for (const auto& entry : forms::MessageBoxResponder().TakeLog())
            boxes.push_back(entry.request.caption + ": " + entry.request.text);
        return boxes;
    }

    ole::Ptr<Sampledesk> program;
};

} // namespace sampledesk::test
