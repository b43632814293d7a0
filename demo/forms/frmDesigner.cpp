#include "frmDesigner.h"

#include "demo/app/Sampledesk.h"
#include "demo/forms/MDISample.h"
#include "demo/forms/frmProperties.h"
#include "demo/wrappers/ControlWrapper.h"

#include "platform/base/TextCase.h"
#include "platform/base/UnicodeCase.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/menu/Menu.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/object/TypeName.h"

#include <array>
#include <string_view>
#include <utility>

namespace sampledesk {

namespace {

constexpr int16_t kMinimized = 1;
constexpr int16_t kRightButton = 2;
constexpr int16_t kDeleteKey = 46;

// What each tool makes: the upper-cased tool caption, the class, the base of its names.
struct ToolClass {
    std::string_view tool;
    std::string_view classId;
    std::string_view baseName;
};

constexpr std::array<ToolClass, 11> kToolClasses{{
    {"COMMANDBUTTON", "VB.CommandButton", "Command"},
    {"TEXTBOX", "VB.TextBox", "Text"},
    {"PICTUREBOX", "VB.PictureBox", "Picture"},
    {"LABEL", "VB.Label", "Label"},
    {"FRAME", "VB.Frame", "Frame"},
    {"LINE", "VB.Line", "Line"},
    {"SHAPE", "VB.Shape", "Shape"},
    {"CHECKBOX", "VB.Checkbox", "Check"},
    {"OPTIONBUTTON", "VB.OptionButton", "Option"},
    {"LISTBOX", "VB.ListBox", "ListBox"},
    {"COMBOBOX", "VB.ComboBox", "ComboBox"},
}};

ole::Variant ObjectVariant(const ole::Ptr<ole::Object>& object) {
    return ole::Variant(object);
}
constexpr int32_t kModeSelect = 2;

const forms::FormDescription& Description() {
    static const forms::FormDescription description{
        .kind = forms::FormKind::MdiChild,
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
            if (auto main = program->Main())
                SetCaption(main->m_sFileName);
    });
}

void frmDesigner::OnQueryUnload(ole::Variant& cancel, int16_t unloadMode) {
    if (unloadMode != kUnloadFormControlMenu)
        return;
    // The close box closes the layout, with its question: otherwise the file name would outlive
    // the window and the next Save would write an empty layout over that file. The Close command
    // unloads this window itself when it goes ahead, so this request ends here.
    cancel = ole::Variant(true);
    if (auto program = Program())
        if (auto main = program->Main())
            main->CloseLayout();
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
    if (m_Wrappers)
        while (m_Wrappers->Count() > 0)
            m_Wrappers->RemoveAt(1);
}

ole::Ptr<ole::Collection> frmDesigner::Wrappers() {
    if (!m_Wrappers)
        m_Wrappers = ole::Collection::Create();
    return m_Wrappers;
}

void frmDesigner::ConnectDesignerEvents() {
    m_designerEvents = std::make_unique<HostedEvents>(m_FormDesigner());
    m_designerEvents
        ->On("MouseUp",
             [this](std::span<ole::Variant> args) {
                 OnMouseUp(ole::CInt(args[0].Deref()), ole::CSng(args[2].Deref()),
                           ole::CSng(args[3].Deref()));
             })
        .On("Keydown",
            [this](std::span<ole::Variant> args) {
                if (ole::CInt(args[0].Deref()) == kDeleteKey)
                    DeleteSelectedControls();
            })
        .On("RubberBandEnd", [this](std::span<ole::Variant> args) { OnRubberBandEnd(args); })
        .On("SaveFormData",
            [this](std::span<ole::Variant> args) { OnSaveFormData(args[0].Deref()); })
        .On("SaveControlData",
            [this](std::span<ole::Variant> args) {
                OnSaveControlData(args[0].Deref(), args[1].Deref());
            })
        .On("LoadFormData",
            [this](std::span<ole::Variant> args) { OnLoadFormData(args[0].Deref()); })
        .On("LoadControlData",
            [this](std::span<ole::Variant> args) {
                OnLoadControlData(args[0].Deref(), args[1].Deref());
            })
        .On("DisplayError",
            [this](std::span<ole::Variant> args) {
                OnDisplayError(ole::CLng(args[1].Deref()), args[2].Deref());
            })
        .On("ControlMoved",
            [this](std::span<ole::Variant> args) { ReloadWhenSingleSelection(args[0].Deref()); })
        .On("ControlResized",
            [this](std::span<ole::Variant> args) { ReloadWhenSingleSelection(args[0].Deref()); });
}

void frmDesigner::ShowSelectionProperties() {
    if (auto program = Program())
        if (auto properties = program->Properties())
            properties->ShowSelection(m_FormDesigner());
}

void frmDesigner::ReloadWhenSingleSelection(const ole::Variant& aControl) {
    const ole::Variant selected = ole::GetObjectProperty(
        ole::Variant(ole::Ptr<ole::Object>(m_FormDesigner())), "SelectedControls");
    if (ole::CLng(ole::GetProperty(selected, "Count")) != 1)
        return;
    if (auto program = Program())
        if (auto properties = program->Properties())
            properties->ReloadProperties(ole::RequireObject(aControl));
}

void frmDesigner::OnMouseUp(int16_t button, float x, float y) {
    if (button == kLeftButton) {
        ShowSelectionProperties();
        return;
    }
    if (button != kRightButton)
        return;
    auto program = Program();
    const auto main = program ? program->Main() : nullptr;
    const auto format = main ? main->MenuBar().Find("mnuFormat") : nullptr;
    if (!format || !format->Popup())
        return;
    // X and Y are in the designer's units, which fill this window from its client origin.
    PopupMenu(ole::Variant(ole::Ptr<ole::Object>(format)), ole::Variant(int32_t{0}),
              ole::Variant(x), ole::Variant(y));
}

void frmDesigner::OnRubberBandEnd(std::span<ole::Variant> args) {
    std::string caption;
    ole::ResumeNext([&] {
        auto program = Program();
        const ole::Variant toolbox =
            ObjectVariant(program && program->Main() ? program->Main()->m_ToolBox() : nullptr);
        const ole::Variant selected = ole::GetObjectProperty(toolbox, "SelectedButton");
        if (!selected.IsNothing())
            caption = ole::CStr(ole::GetProperty(selected, "Caption"));
    });
    CreateControl(caption, ole::CSng(args[0].Deref()), ole::CSng(args[1].Deref()),
                  ole::CSng(args[2].Deref()), ole::CSng(args[3].Deref()), args[4].Deref());
}

void frmDesigner::CreateControl(const std::string& toolCaption, float StartX, float StartY,
                                float cx, float cy, const ole::Variant& aHitControl) {
    const std::string tool = base::UCase(toolCaption);
    const ToolClass* made = nullptr;
    for (const ToolClass& entry : kToolClasses)
        if (entry.tool == tool)
            made = &entry;
    ole::Ptr<forms::Control> control;
    ole::ResumeNext([&] {
        if (!made)
            return;
        const std::string name = GetUniqueName(std::string(made->baseName));
        ole::Ptr<ole::Object> container = aHitControl.IsObject() && !aHitControl.IsNothing()
                                              ? aHitControl.AsObject()
                                              : ole::Ptr<ole::Object>(m_FormDesigner());
        control = Add(made->classId, name, container);
    });
    ResetToolbox();
    if (!control)
        return;
    const ole::Variant target = ObjectVariant(ole::Ptr<ole::Object>(control));
    const std::string typeName = ole::TypeName(control.Get());
    if (typeName == "Line") {
        ole::ResumeNext([&] { ole::LetProperty(target, "X1", ole::Variant(StartX)); });
        ole::ResumeNext([&] { ole::LetProperty(target, "Y1", ole::Variant(StartY)); });
        ole::ResumeNext([&] { ole::LetProperty(target, "X2", ole::Variant(StartX + cx)); });
        ole::ResumeNext([&] { ole::LetProperty(target, "Y2", ole::Variant(StartY + cy)); });
    } else {
        const ole::Variant name(control->Name());
        ole::ResumeNext([&] { ole::LetProperty(target, "Caption", name); });
        ole::ResumeNext([&] { ole::LetProperty(target, "Text", name); });
        if (typeName == "ComboBox") {
            ole::ResumeNext([&] { ole::LetProperty(target, "Left", ole::Variant(StartX)); });
            ole::ResumeNext([&] { ole::LetProperty(target, "Top", ole::Variant(StartY)); });
            ole::ResumeNext([&] { ole::LetProperty(target, "Width", ole::Variant(cx)); });
        } else {
            ole::ResumeNext([&] { MoveControl(control, StartX, StartY, cx, cy); });
        }
    }
    Wrap(control);
    ole::ResumeNext([&] { ole::LetProperty(target, "Visible", ole::Variant(true)); });
}

void frmDesigner::ResetToolbox() {
    ole::ResumeNext([&] {
        auto program = Program();
        const ole::Variant toolbox =
            ObjectVariant(program && program->Main() ? program->Main()->m_ToolBox() : nullptr);
        std::array<ole::Variant, 1> first{ole::Variant(int32_t{1})};
        const ole::Variant group =
            ole::CallMethod(ole::GetObjectProperty(toolbox, "Groups"), "Item", first);
        const ole::Variant pointer =
            ole::CallMethod(ole::GetObjectProperty(group, "Buttons"), "Item", first);
        ole::SetProperty(toolbox, "SelectedButton", pointer);
    });
}

std::string frmDesigner::GetUniqueName(const std::string& base) const {
    for (int n = 1;; ++n) {
        const std::string candidate = base + std::to_string(n);
        bool taken = false;
        // Names differing only in case are one name to the form (a loaded "command1" takes
        // "Command1"), so an exact test would offer a name the add then refuses every time.
        for (const auto& control : ControlList())
            taken = taken || base::EqualsNoCase(control->Name(), candidate);
        if (!taken)
            return candidate;
    }
}

void frmDesigner::DeleteSelectedControls() {
    if (auto program = Program())
        if (auto properties = program->PeekProperties())
            properties->ClearList();
    const ole::Variant designer = ObjectVariant(ole::Ptr<ole::Object>(m_FormDesigner()));
    std::vector<ole::Variant> selected;
    ole::ResumeNext([&] {
        const auto collection = ole::PtrCast<ole::Collection>(
            ole::GetObjectProperty(designer, "SelectedControls").AsObject());
        selected = collection->Snapshot();
    });
    for (const ole::Variant& item : selected) {
        ole::ResumeNext([&] {
            std::array<ole::Variant, 1> args{item};
            ole::CallMethod(designer, "DeselectControl", args);
        });
        ole::ResumeNext([&] {
            const auto control = ole::PtrCast<forms::Control>(item.AsObject());
            if (!control)
                return;
            // The controls inside go with a container, and so do their wrappers.
            RemoveWrappersWithin(control);
            Remove(control->Name());
        });
    }
}

void frmDesigner::RemoveWrappersWithin(const ole::Ptr<forms::Control>& container) {
    if (!m_Wrappers)
        return;
    for (const auto& control : ControlList()) {
        bool inside = false;
        for (ole::Ptr<ole::Object> at(control); at && !inside;) {
            inside = ole::Is(at, container);
            const auto placed = ole::PtrCast<forms::Control>(at);
            at = placed ? placed->Container() : nullptr;
        }
        if (inside && m_Wrappers->ContainsKey(control->Name()))
            m_Wrappers->RemoveByKey(control->Name());
    }
}

void frmDesigner::Wrap(const ole::Ptr<forms::Control>& control) {
    const WrapperKind* kind = ControlWrapper::KindOf(ole::TypeName(control.Get()));
    if (!kind)
        return;
    ole::ResumeNext([&] {
        auto wrapper = ControlWrapper::Create(*kind);
        wrapper->SetControl(control);
        Wrappers()->Append(ole::Variant(ole::Ptr<ole::Object>(wrapper)), control->Name());
    });
}

void frmDesigner::OnSaveFormData(const ole::Variant& aPropBag) {
    const std::array<std::pair<const char*, ole::Variant>, 5> keys{{
        {"FormCaption", ole::Variant(Caption())},
        {"FormLeft", ole::Variant(Left())},
        {"FormTop", ole::Variant(Top())},
        {"FormWidth", ole::Variant(Width())},
        {"FormHeight", ole::Variant(Height())},
    }};
    for (const auto& [key, value] : keys) {
        std::array<ole::Variant, 2> args{ole::Variant(std::string(key)), value};
        ole::CallMethod(aPropBag, "WriteProperty", args);
    }
}

void frmDesigner::OnSaveControlData(const ole::Variant& aControl, const ole::Variant& aPropBag) {
    for (const char* key : {"Caption", "Text", "ScaleMode"}) {
        ole::ResumeNext([&] {
            std::array<ole::Variant, 2> args{ole::Variant(std::string(key)),
                                             ole::GetProperty(aControl, key)};
            ole::CallMethod(aPropBag, "WriteProperty", args);
        });
    }
}

void frmDesigner::OnLoadFormData(const ole::Variant& aPropBag) {
    std::array<ole::Variant, 1> caption{ole::Variant(std::string("FormCaption"))};
    SetCaption(ole::CStr(ole::CallMethod(aPropBag, "ReadProperty", caption)));
    const auto read = [&](const char* key, float current) {
        std::array<ole::Variant, 2> args{ole::Variant(std::string(key)), ole::Variant(current)};
        return ole::CSng(ole::CallMethod(aPropBag, "ReadProperty", args));
    };
    const float left = read("FormLeft", Left());
    const float top = read("FormTop", Top());
    const float width = read("FormWidth", Width());
    const float height = read("FormHeight", Height());
    Move(left, ole::Variant(top), ole::Variant(width), ole::Variant(height));
}

void frmDesigner::OnLoadControlData(const ole::Variant& aControl, const ole::Variant& aPropBag) {
    for (const char* key : {"Caption", "Text", "ScaleMode"}) {
        ole::ResumeNext([&] {
            std::array<ole::Variant, 1> args{ole::Variant(std::string(key))};
            ole::LetProperty(aControl, key, ole::CallMethod(aPropBag, "ReadProperty", args));
        });
    }
    ole::ResumeNext([&] { Wrap(ole::PtrCast<forms::Control>(aControl.AsObject())); });
}

bool frmDesigner::LoadLayout(const std::string& sFile) {
    m_invalidFileShown = false;
    std::array<ole::Variant, 1> args{ole::Variant(sFile)};
    return ole::CBool(ole::CallMethod(ObjectVariant(ole::Ptr<ole::Object>(m_FormDesigner())),
                                      "LoadLayout", args));
}

void frmDesigner::OnDisplayError(int32_t nErrorCode, ole::Variant& bShowMsgBox) {
    if (nErrorCode == ole::ERR_UNSUPPORTED_TYPE) {
        // The designer reports each bad part of a file and goes on; the user hears it once.
        if (!std::exchange(m_invalidFileShown, true))
            forms::MsgBox("Invalid File.", forms::vbCritical | forms::vbOKOnly);
        bShowMsgBox = ole::Variant(false);
    } else if (nErrorCode == ole::ERR_TYPE_MISMATCH) {
        bShowMsgBox = ole::Variant(false);
    }
}

} // namespace sampledesk
