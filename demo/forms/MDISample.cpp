#include "MDISample.h"

#include "demo/app/Sampledesk.h"
#include "demo/app/TopMost.h"
#include "demo/forms/BarLiterals.h"
#include "demo/forms/BarPictures.h"
#include "demo/forms/MainMenus.h"
#include "demo/forms/frmDesigner.h"
#include "demo/forms/frmProperties.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/ole/error/ResumeNext.h"

namespace sampledesk {

namespace {

const forms::FormDescription& Description() {
    static const forms::FormDescription description{
        .kind = forms::FormKind::MdiFrame,
        .name = "MDISample",
        .caption = "Sampledesk",
        .clientWidth = 7170,
        .clientHeight = 5685,
        .startUp = true,
        .menus = MainMenus(),
        // Docked: the menu toolbar across the top, the toolbox down the left below it.
        .controls = {{.classId = "Shelfstrip.KSButtonBar",
                      .name = "m_MenuToolbar",
                      .width = 7170,
                      .height = 375,
                      .align = 1,
                      .bag = MenuToolbarBag()},
                     {.classId = "Shelfstrip.KSButtonBar",
                      .name = "m_ToolBox",
                      .top = 375,
                      .width = 945,
                      .height = 5310,
                      .align = 3,
                      .bag = ToolBoxBag()}},
    };
    return description;
}

constexpr int16_t kMinimized = 1;

} // namespace

MDISample::MDISample(ole::WeakRef<Sampledesk> program)
    : ProgramFormOn("MDISample", std::move(program)) {}

ole::Ptr<MDISample> MDISample::Create(ole::WeakRef<Sampledesk> program) {
    auto form = Make<MDISample>(Description(), std::move(program), BarPicture);
    form->ConnectMenus();
    return form;
}

void MDISample::OnUnload() {
    m_toolBoxEvents.reset();
    m_menuToolbarEvents.reset();
    if (auto program = Program())
        if (auto properties = program->PeekProperties())
            properties->UnloadForm();
}

void MDISample::OnLoad() {
    forms::MsgBox(kStartupNotice, forms::vbOKOnly);
    m_sFileName = "Untitled";
    ShowFileNameInCaption();
    ConnectBars();
    ole::ResumeNext([&] { m_ToolBox()->SetVisible(true); });
    auto program = Program();
    if (!program)
        return;
    // Owned by this window, so that it stays above it.
    if (auto properties = program->Properties())
        properties->Show({}, ole::Variant(ole::Ptr<ole::Object>(this)));
    ShowDesigner();
}

void MDISample::OnResize() {
    auto program = Program();
    const auto properties = program ? program->PeekProperties() : nullptr;
    if (properties && properties->IsLoaded())
        SetTopMost(properties->hWnd(), WindowState() != kMinimized);
}

void MDISample::ShowFileNameInCaption() {
    SetCaption("Sampledesk - " + m_sFileName);
}

} // namespace sampledesk
