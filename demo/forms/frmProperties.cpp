#include "frmProperties.h"

#include "demo/app/Sampledesk.h"
#include "demo/app/TopMost.h"
#include "demo/forms/MDISample.h"
#include "demo/forms/frmDesigner.h"

#include "platform/base/UnicodeCase.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/object/TypeName.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace sampledesk {

namespace {

// Editor types of the property list's type library.
enum EditorType : int32_t {
    ksTextEditor = 2,
    KSNumberEditor = 3,
    KSListEditor = 9,
    KSColorEditor = 10,
};

const forms::FormDescription& Description() {
    static const forms::FormDescription description{
        .name = "frmProperties",
        .caption = "Properties",
        .clientWidth = 2700,
        .clientHeight = 5415,
        .borderStyle = 5,
        .controls = {{
            .classId = "Attrgrid.ZAVeravuvuDudu",
            .name = "m_Properties",
            .width = 2700,
            .height = 5415,
            .bag =
                std::vector<forms::PropertyLiteral>{
                    {"Font", forms::FontLiteral{.name = "MS Sans Serif", .size = 8.25}}},
        }},
    };
    return description;
}

struct HelpText {
    std::string_view name;
    std::string_view help;
};

constexpr std::array<HelpText, 17> kHelp{{
    {"Name", "Returns the name used in code to identify an object."},
    {"X1", "Returns/sets the X coordinate of the starting point of a Line."},
    {"X2", "Returns/sets the X coordinate of the end point of a Line."},
    {"Y1", "Returns/sets the Y coordinate of the starting point of a Line."},
    {"Y2", "Returns/sets the Y coordinate of the end point of a Line."},
    {"BorderWidth", "Returns/sets the width of a control's border."},
    {"Left", "Returns/sets the distance between the internal left edge of an object and the left "
             "edge of its container."},
    {"Top", "Returns/sets the distance between the internal top edge of an object and the top edge "
            "of its container."},
    {"Height", "Returns/sets the height of an object."},
    {"Width", "Returns/sets the width of an object."},
    {"BorderColor", "Returns/sets the color of an object's border."},
    {"BackColor",
     "Returns/sets the background color used to display text and graphics in an object."},
    {"FillColor", "Returns/sets the color used to fill in shapes, circles, and boxes."},
    {"ForeColor",
     "Returns/sets the foreground color used to display text and graphics in an object."},
    {"Text", "Returns/sets the text contained in the control."},
    {"Caption",
     "Returns/sets the text displayed in an object's title bar or below an object's icon."},
    {"FillStyle", "Returns/sets the fill style of a shape."},
}};

// The names whose edits a locked control refuses.
constexpr std::array<std::string_view, 8> kPlacementNames{"LEFT", "TOP", "HEIGHT", "WIDTH",
                                                          "X1",   "X2",  "Y1",     "Y2"};

constexpr std::array<std::string_view, 8> kFillStyles{
    "0 - Solid",           "1 - Transparent",       "2 - Horizontal Line", "3 - Vertical Line",
    "4 - Upward Diagonal", "5 - Downward Diagonal", "6 - Cross",           "7 - Diagonal Cross"};

ole::Variant ObjectVariant(const ole::Ptr<ole::Object>& object) {
    return ole::Variant(object);
}

// One Properties.Add with the key "" and automatic update; the new row.
ole::Variant AddRow(const ole::Variant& properties, std::string_view name,
                    const ole::Variant& value, std::string_view category,
                    const ole::Ptr<ole::Object>& source, int32_t editorType) {
    std::array<ole::Variant, 7> args{ole::Variant(std::string(name)),
                                     value,
                                     ole::Variant(std::string(category)),
                                     ole::Variant(std::string()),
                                     ObjectVariant(source),
                                     ole::Variant(true),
                                     ole::Variant(editorType)};
    return ole::CallMethod(properties, "Add", args);
}

// A row whose value is read from the source's property of the same name; skipped when the
// source has no such property.
ole::Variant AddOwnRow(const ole::Variant& properties, std::string_view name,
                       std::string_view category, const ole::Ptr<ole::Object>& source,
                       int32_t editorType) {
    ole::Variant row;
    ole::ResumeNext([&] {
        const ole::Variant value = ole::GetProperty(ObjectVariant(source), name);
        row = AddRow(properties, name, value, category, source, editorType);
    });
    return row;
}

} // namespace

frmProperties::frmProperties(ole::WeakRef<Sampledesk> program)
    : ProgramForm("frmProperties", std::move(program)) {}

ole::Ptr<frmProperties> frmProperties::Create(ole::WeakRef<Sampledesk> program) {
    return Make<frmProperties>(Description(), std::move(program));
}

void frmProperties::OnResize() {
    ole::ResumeNext(
        [&] { MoveControl(m_Properties(), ScaleLeft(), ScaleTop(), ScaleWidth(), ScaleHeight()); });
}

void frmProperties::OnQueryUnload(ole::Variant& cancel, int16_t unloadMode) {
    if (unloadMode != kUnloadFormControlMenu)
        return;
    cancel = ole::Variant(int16_t{1});
    SetVisible(false);
}

void frmProperties::OnLoad() {
    ConnectListEvents();
    // The bottom-right corner on the main window's outer bottom-right corner.
    ole::ResumeNext([&] {
        auto program = Program();
        const auto main = program ? program->Main() : nullptr;
        if (!main)
            return;
        const float left = main->Left() + main->Width() - Width();
        const float top = main->Top() + main->Height() - Height();
        Move(left, ole::Variant(top), {}, {});
    });
    ole::ResumeNext([&] { SetTopMost(hWnd(), true); });
}

void frmProperties::ConnectListEvents() {
    m_listEvents = std::make_unique<HostedEvents>(m_Properties());
    m_listEvents
        ->On("PropertyAdded",
             [](std::span<ole::Variant> args) {
                 const ole::Variant& aProperty = args[0].Deref();
                 if (!aProperty.IsObject() || aProperty.IsNothing())
                     return;
                 const std::string name = ole::CStr(ole::GetProperty(aProperty, "Name"));
                 for (const HelpText& entry : kHelp)
                     if (entry.name == name)
                         ole::LetProperty(aProperty, "Help", ole::Variant(std::string(entry.help)));
             })
        .On("ValidateValue", [this](std::span<ole::Variant> args) {
            OnValidateValue(args[0].Deref(), args[2].Deref());
        });
}

void frmProperties::OnValidateValue(const ole::Variant& aProperty, ole::Variant& bCancel) {
    if (!ole::CBool(ole::GetProperty(aProperty, "AutoUpdateSource")))
        return;
    const std::string name = base::UCase(ole::CStr(ole::GetProperty(aProperty, "Name")));
    if (std::find(kPlacementNames.begin(), kPlacementNames.end(), name) == kPlacementNames.end())
        return;
    auto program = Program();
    const auto designer = program ? program->Designer() : nullptr;
    if (!designer)
        return;
    std::array<ole::Variant, 1> args{ole::GetObjectProperty(aProperty, "SourceObject")};
    if (ole::CBool(ole::CallMethod(ObjectVariant(designer->m_FormDesigner()), "IsLocked", args)))
        bCancel = ole::Variant(true);
}

void frmProperties::ReloadProperties(const ole::Ptr<ole::Object>& aControl) {
    if (!Visible())
        return;
    const ole::Variant list = ObjectVariant(m_Properties());
    ole::ResumeNext([&] { ole::LetProperty(list, "LockRefresh", ole::Variant(true)); });
    ole::ResumeNext([&] { ole::CallMethod(ole::GetObjectProperty(list, "Properties"), "Clear"); });
    auto program = Program();
    const auto designerWindow = program ? program->PeekDesigner() : nullptr;
    const bool surface = designerWindow && ole::Is(aControl, designerWindow->m_FormDesigner());
    if (surface)
        AddSurfaceRows(aControl);
    else
        AddControlRows(aControl);
    ole::ResumeNext([&] { ole::LetProperty(list, "LockRefresh", ole::Variant(false)); });
    ole::ResumeNext([&] {
        const std::string name = surface
                                     ? designerWindow->Name()
                                     : ole::CStr(ole::GetProperty(ObjectVariant(aControl), "Name"));
        SetCaption(name.empty() ? "Properties" : "Properties - " + name);
    });
}

void frmProperties::AddSurfaceRows(const ole::Ptr<ole::Object>& designer) {
    const ole::Variant properties =
        ole::GetObjectProperty(ObjectVariant(m_Properties()), "Properties");
    auto program = Program();
    const ole::Ptr<ole::Object> window(program ? program->PeekDesigner() : nullptr);
    ole::ResumeNext([&] {
        const ole::Variant row = AddOwnRow(properties, "Name", "Text", window, ksTextEditor);
        ole::LetProperty(row, "ReadOnly", ole::Variant(true));
    });
    AddOwnRow(properties, "BackColor", "Appearance", designer, KSColorEditor);
    AddOwnRow(properties, "ForeColor", "Appearance", designer, KSColorEditor);
    AddOwnRow(properties, "Caption", "Text", window, ksTextEditor);
    for (std::string_view name : {"Left", "Top", "Height", "Width"})
        AddOwnRow(properties, name, "Position", designer, KSNumberEditor);
}

void frmProperties::AddControlRows(const ole::Ptr<ole::Object>& control) {
    const ole::Variant properties =
        ole::GetObjectProperty(ObjectVariant(m_Properties()), "Properties");
    ole::ResumeNext([&] {
        const ole::Variant row = AddOwnRow(properties, "Name", "Text", control, ksTextEditor);
        ole::LetProperty(row, "ReadOnly", ole::Variant(true));
    });
    const bool isLine = ole::TypeName(control.Get()) == "Line";
    if (isLine)
        for (std::string_view name : {"X1", "X2", "Y1", "Y2"})
            AddOwnRow(properties, name, "Position", control, KSNumberEditor);
    AddOwnRow(properties, "BorderWidth", "Appearance", control, KSNumberEditor);
    if (!isLine)
        for (std::string_view name : {"Left", "Top", "Height", "Width"})
            AddOwnRow(properties, name, "Position", control, KSNumberEditor);
    for (std::string_view name : {"BorderColor", "BackColor", "FillColor", "ForeColor"})
        AddOwnRow(properties, name, "Appearance", control, KSColorEditor);
    AddOwnRow(properties, "Text", "Text", control, ksTextEditor);
    AddOwnRow(properties, "Caption", "Text", control, ksTextEditor);
    const ole::Variant fillStyle =
        AddOwnRow(properties, "FillStyle", "Appearance", control, ksTextEditor);
    if (fillStyle.IsObject() && !fillStyle.IsNothing()) {
        ole::ResumeNext([&] {
            const ole::Variant items = ole::GetObjectProperty(fillStyle, "ListItems");
            for (size_t i = 0; i < kFillStyles.size(); ++i) {
                std::array<ole::Variant, 2> args{ole::Variant(std::string(kFillStyles[i])),
                                                 ole::Variant(static_cast<int16_t>(i))};
                ole::CallMethod(items, "Add", args);
            }
            ole::LetProperty(fillStyle, "EditorType", ole::Variant(int32_t{KSListEditor}));
        });
    }
}

void frmProperties::ShowSelection(const ole::Ptr<forms::Control>& designer) {
    const ole::Variant selected =
        ole::GetObjectProperty(ObjectVariant(ole::Ptr<ole::Object>(designer)), "SelectedControls");
    const int32_t count = ole::CLng(ole::GetProperty(selected, "Count"));
    if (count == 0) {
        ReloadProperties(designer);
    } else if (count == 1) {
        std::array<ole::Variant, 1> first{ole::Variant(int32_t{1})};
        ReloadProperties(ole::RequireObject(ole::CallMethod(selected, "Item", first)));
    } else {
        ClearList();
    }
}

void frmProperties::ClearList() {
    const ole::Variant list = ObjectVariant(m_Properties());
    ole::ResumeNext([&] { ole::CallMethod(ole::GetObjectProperty(list, "Properties"), "Clear"); });
    ole::ResumeNext([&] { ole::CallMethod(list, "Refresh"); });
}

} // namespace sampledesk
