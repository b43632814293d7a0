#include "frmDesigner.h"

#include "demo/app/Sampledesk.h"
#include "demo/forms/MDISample.h"
#include "demo/forms/frmProperties.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/ResumeNext.h"

namespace sampledesk {

namespace {

constexpr int16_t kMinimized = 1;
constexpr int32_t kModeSelect = 2;

const forms::FormDescription& Description() {
    static const forms::FormDescription description{
        .name = "frmDesigner",
        .caption = "Untitled",
        .clientWidth = 5565,
        .clientHeight = 4350,
        .controls = {{
            .classId = "Layoutdesk.ZORudeRuduvozu",
            .name = "m_FormDesigner",
            .width = 5565,
            .height = 4350,
            .bag = std::vector<forms::PropertyLiteral>{{"Mode", ole::Variant(kModeSelect)}},
        }},
    };
    return description;
}

} // namespace

frmDesigner::frmDesigner(ole::WeakRef<Sampledesk> program)
    : ProgramForm("frmDesigner", std::move(program)) {}

ole::Ptr<frmDesigner> frmDesigner::Create(ole::WeakRef<Sampledesk> program) {
    return Make<frmDesigner>(Description(), std::move(program));
}

ole::Ptr<forms::Control> frmDesigner::m_FormDesigner() const {
    return FindControl("m_FormDesigner");
}

void frmDesigner::OnLoad() {
    ConnectDesignerEvents();
    ole::ResumeNext([&] {
        MoveControl(m_FormDesigner(), ScaleLeft(), ScaleTop(), ScaleWidth(), ScaleHeight());
    });
    ole::ResumeNext([&] {
        if (auto program = Program())
            SetCaption(program->Main()->m_sFileName);
    });
}

void frmDesigner::OnResize() {
    if (WindowState() == kMinimized)
        return;
    ole::ResumeNext([&] { MoveControl(m_FormDesigner(), 0, 0, ScaleWidth(), ScaleHeight()); });
}

void frmDesigner::OnUnload() {
    if (auto program = Program())
        if (auto properties = program->PeekProperties())
            properties->ClearList();
    m_designerEvents.reset();
}

void frmDesigner::ConnectDesignerEvents() {
    m_designerEvents = std::make_unique<HostedEvents>(m_FormDesigner());
    m_designerEvents
        ->On("MouseUp",
             [this](std::span<ole::Variant> args) {
                 if (ole::CInt(args[0].Deref()) == kLeftButton)
                     ShowSelectionProperties();
             })
        .On("ControlMoved",
            [this](std::span<ole::Variant> args) { ReloadWhenSingleSelection(args[0].Deref()); })
        .On("ControlResized",
            [this](std::span<ole::Variant> args) { ReloadWhenSingleSelection(args[0].Deref()); });
}

void frmDesigner::ShowSelectionProperties() {
    if (auto program = Program())
        program->Properties()->ShowSelection(m_FormDesigner());
}

void frmDesigner::ReloadWhenSingleSelection(const ole::Variant& aControl) {
    const ole::Variant selected = ole::GetObjectProperty(
        ole::Variant(ole::Ptr<ole::Object>(m_FormDesigner())), "SelectedControls");
    if (ole::CLng(ole::GetProperty(selected, "Count")) != 1)
        return;
    if (auto program = Program())
        program->Properties()->ReloadProperties(ole::RequireObject(aControl));
}

} // namespace sampledesk
