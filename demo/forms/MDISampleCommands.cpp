// The main window's menu commands.
#include "MDISample.h"

#include "demo/app/Sampledesk.h"
#include "demo/app/TopMost.h"
#include "demo/forms/frmDesigner.h"
#include "demo/forms/frmProperties.h"

#include "platform/forms/menu/Menu.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace sampledesk {

namespace {

// Designer enumerations.
constexpr int32_t ksModeRun = 0;
constexpr int32_t ksModeDraw = 1;
constexpr int32_t ksModeSelect = 2;
constexpr int32_t ksScopeThis = 0;
constexpr int32_t ksScopeSelected = 1;
constexpr int32_t ksScopeAll = 2;

void ForEachItem(const std::vector<ole::Ptr<forms::Menu>>& items,
                 const std::function<void(const ole::Ptr<forms::Menu>&)>& visit) {
    for (const auto& item : items) {
        visit(item);
        ForEachItem(item->Children(), visit);
    }
}

} // namespace

void MDISample::ConnectMenus() {
    const ole::WeakRef<MDISample> self(this);
    ForEachItem(MenuBar().Items(), [&](const ole::Ptr<forms::Menu>& item) {
        auto sink = ole::EventSink::Create();
        sink->On(forms::Menu::Info().EventIdOfName("Click"),
                 [self, name = item->GetName()](std::span<ole::Variant>) {
                     if (auto form = self.Lock())
                         form->RunCommand(name);
                 });
        ole::ConnectEvents(ole::Ptr<ole::Object>(item), sink);
        m_menuSinks.push_back(std::move(sink));
    });
}

ole::Variant MDISample::FormDesigner() {
    auto program = Program();
    const auto designer = program ? program->Designer() : nullptr;
    return ole::Variant(ole::Ptr<ole::Object>(designer ? designer->m_FormDesigner() : nullptr));
}

ole::Variant MDISample::CallDesigner(std::string_view method, std::vector<ole::Variant> args) {
    return ole::CallMethod(FormDesigner(), method, args);
}

void MDISample::ShowPropertiesWindow() {
    auto program = Program();
    const auto properties = program ? program->Properties() : nullptr;
    if (!properties)
        return;
    properties->Show({}, ole::Variant(ole::Ptr<ole::Object>(this)));
    SetTopMost(properties->hWnd(), true);
    if (auto designer = program->Designer())
        properties->ShowSelection(designer->m_FormDesigner());
}

void MDISample::ShowDesigner() {
    auto program = Program();
    if (auto designer = program ? program->Designer() : nullptr)
        designer->Show({}, {});
}

void MDISample::HideProperties() {
    auto program = Program();
    if (auto properties = program ? program->PeekProperties() : nullptr)
        properties->SetVisible(false);
}

void MDISample::SetDesignerMode(int32_t mode) {
    ole::LetProperty(FormDesigner(), "Mode", ole::Variant(mode));
}

void MDISample::LockFirstSelected(std::string_view method) {
    const ole::Variant selected = ole::GetObjectProperty(FormDesigner(), "SelectedControls");
    if (ole::CLng(ole::GetProperty(selected, "Count")) < 1)
        return;
    std::vector<ole::Variant> first{ole::Variant(int32_t{1})};
    CallDesigner(method, {ole::Variant(ksScopeThis), ole::CallMethod(selected, "Item", first)});
}

void MDISample::RunCommand(const std::string& item) {
    using Command = std::function<void(MDISample&)>;
    const auto call = [](std::string_view method, int32_t value) {
        return
            [method, value](MDISample& form) { form.CallDesigner(method, {ole::Variant(value)}); };
    };
    static const std::map<std::string, Command, std::less<>> commands{
        {"mnuFileNew", [](MDISample& form) { form.NewLayout(); }},
        {"mnuOpen", [](MDISample& form) { form.OpenLayout(); }},
        {"mnuClose", [](MDISample& form) { form.CloseLayout(); }},
        {"mnuFileSave", [](MDISample& form) { form.SaveFile(); }},
        {"mnuFileExit", [](MDISample& form) { form.Exit(); }},
        {"mnuViewDesigner", [](MDISample& form) { form.ShowDesigner(); }},
        {"mnuViewPropWindow", [](MDISample& form) { form.ShowPropertiesWindow(); }},
        {"mnuView",
         [](MDISample& form) {
             form.MenuBar().Find("mnuViewToolbox")->SetChecked(form.m_ToolBox()->Visible());
         }},
        {"mnuViewToolbox",
         [](MDISample& form) { form.m_ToolBox()->SetVisible(!form.m_ToolBox()->Visible()); }},
        {"mnuModeRun",
         [](MDISample& form) {
             form.SetDesignerMode(ksModeRun);
             form.HideProperties();
         }},
        {"mnuModeDraw", [](MDISample& form) { form.SetDesignerMode(ksModeDraw); }},
        {"mnuModeSelect", [](MDISample& form) { form.SetDesignerMode(ksModeSelect); }},
        {"mnuPropShowGrid",
         [](MDISample& form) {
             const auto item = form.MenuBar().Find("mnuPropShowGrid");
             item->SetChecked(!item->GetChecked());
             ole::LetProperty(form.FormDesigner(), "ShowGrid", ole::Variant(item->GetChecked()));
         }},
        {"mnuAlignLeft", call("AlignSelectedControls", 0)},
        {"mnuAlignTop", call("AlignSelectedControls", 1)},
        {"mnuAlignRight", call("AlignSelectedControls", 2)},
        {"mnuAlignBottom", call("AlignSelectedControls", 3)},
        {"mnuAlignGrid", call("AlignSelectedControls", 4)},
        {"mnuResizeHorzShrink", call("ResizeSelectedControls", 1)},
        {"mnuResizeHorzExpand", call("ResizeSelectedControls", 2)},
        {"mnuResizeVertShrink", call("ResizeSelectedControls", 4)},
        {"mnuResizeVertExpand", call("ResizeSelectedControls", 5)},
        {"mnuLockControl", [](MDISample& form) { form.LockFirstSelected("LockControls"); }},
        {"mnuUnlockControl", [](MDISample& form) { form.LockFirstSelected("UnlockControls"); }},
        {"mnuLockSelectedControls", call("LockControls", ksScopeSelected)},
        {"mnuUnlockSelectedControls", call("UnlockControls", ksScopeSelected)},
        {"mnuLockAllControls", call("LockControls", ksScopeAll)},
        {"mnuUnlockAllControls", call("UnlockControls", ksScopeAll)},
    };
    if (const auto found = commands.find(item); found != commands.end())
        found->second(*this);
}

void MDISample::ConnectBars() {
    m_toolBoxEvents = std::make_unique<HostedEvents>(m_ToolBox());
    m_toolBoxEvents
        ->On("ButtonSelectionChanged",
             [this](std::span<ole::Variant>) {
                 const ole::Variant selected = ole::GetObjectProperty(
                     ole::Variant(ole::Ptr<ole::Object>(m_ToolBox())), "SelectedButton");
                 std::optional<std::string> caption;
                 if (!selected.IsNothing())
                     caption = ole::CStr(ole::GetProperty(selected, "Caption"));
                 ToolChanged(caption);
             })
        .On("CloseButtonClick",
            [this](std::span<ole::Variant>) { m_ToolBox()->SetVisible(false); });
    m_menuToolbarEvents = std::make_unique<HostedEvents>(m_MenuToolbar());
    m_menuToolbarEvents->On("ButtonSelectionChanged",
                            [this](std::span<ole::Variant>) { MenuButtonChanged(); });
}

void MDISample::ToolChanged(const std::optional<std::string>& caption) {
    constexpr int32_t kArrow = 1;
    constexpr int32_t kCross = 2;
    const bool pointer = caption && *caption == "Pointer";
    SetDesignerMode(!caption ? ksModeRun : pointer ? ksModeSelect : ksModeDraw);
    ole::LetProperty(FormDesigner(), "MousePointer",
                     ole::Variant(caption && !pointer ? kCross : kArrow));
}

void MDISample::MenuButtonChanged() {
    const ole::Variant bar{ole::Ptr<ole::Object>(m_MenuToolbar())};
    const ole::Variant selected = ole::GetObjectProperty(bar, "SelectedButton");
    if (selected.IsNothing())
        return;
    const std::string caption = ole::CStr(ole::GetProperty(selected, "Caption"));
    if (caption == "Save") {
        SaveFile();
    } else if (caption == "New") {
        NewLayout();
    } else if (caption == "Open") {
        OpenLayout();
    } else if (caption == "Run") {
        SetDesignerMode(ksModeRun);
        HideProperties();
    }
    ole::SetProperty(bar, "SelectedButton", ole::Variant(ole::Ptr<ole::Object>()));
}

} // namespace sampledesk
