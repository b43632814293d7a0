#include "propertylist/control/load/ExtenderTable.h"

#include <array>

namespace attrgrid::load {

namespace {

using shared::ksBooleanEditor;
using shared::KSListEditor;
using shared::KSNumberEditor;
using shared::ksPictureEditor;
using shared::ksTextEditor;

constexpr std::array<ExtenderListItem, 17> kMousePointer{{
    {0, "0 - Default"},
    {1, "1 - Arrow"},
    {2, "2 - Cross"},
    {3, "3 - I-Beam"},
    {4, "4 - Icon"},
    {5, "5 - Size"},
    {6, "6 - Size NE SW"},
    {7, "7 - Size NS"},
    {8, "8 - Size NW SE"},
    {9, "9 - Size WE"},
    {10, "10 - Up Arrow"},
    {11, "11 - Hourglass"},
    {12, "12 - No Drop"},
    {13, "13- Arrow and Hourglass"},
    {14, "14 - Arrow and Question"},
    {15, "15 - Size All"},
    {99, "99 - Custom"},
}};
constexpr std::array<ExtenderListItem, 2> kDragMode{{{0, "0 - Manual"}, {1, "1 - Automatic"}}};
constexpr std::array<ExtenderListItem, 3> kOleDropMode{
    {{0, "0 - None"}, {1, "1 - Manual"}, {2, "2 - Automatic"}}};
constexpr std::array<ExtenderListItem, 5> kAlign{{
    {0, "0 - None"},
    {1, "1 - Align To Top"},
    {2, "2 - Align To Bottom"},
    {3, "3 - Align To Left"},
    {4, "4 - Align To Right"},
}};
constexpr std::array<ExtenderListItem, 8> kScaleMode{{
    {0, "0 - User"},
    {1, "1 - Twip"},
    {2, "2 - Point"},
    {3, "3 - Pixel"},
    {4, "4 - Character"},
    {5, "5 - Inch"},
    {6, "6 - Millimeter"},
    {7, "7 - Centimeter"},
}};

constexpr ExtenderRow Value(std::string_view name, std::string_view category,
                            shared::ksEditorType editor, std::string_view help) {
    return {name, category, false, editor, false, true, {}, false, help};
}

constexpr ExtenderRow ReadOnly(ExtenderRow row) {
    row.forceReadOnly = true;
    return row;
}

constexpr ExtenderRow Picture(std::string_view name, std::string_view help) {
    return {name, "Behavior", true, ksPictureEditor, false, true, {}, false, help};
}

constexpr ExtenderRow List(std::string_view name, std::string_view category,
                           std::span<const ExtenderListItem> items, std::string_view help) {
    return {name, category, false, KSListEditor, false, true, items, false, help};
}

// MouseIcon is a picture like DragIcon: read as a value it would hold the picture's handle.
const std::array<ExtenderRow, 27> kRows{{
    ReadOnly(Value("Cancel", "Behavior", ksBooleanEditor,
                   "Indicates where a command button is a Cancel button on a form.")),
    Value("CausesValidation", "Behavior", ksBooleanEditor,
          "Returns/sets whether validation occurs on the control which lost focus."),
    ReadOnly(Value("Default", "Behavior", ksBooleanEditor,
                   "Determines which CommandButton control is the default command button on a "
                   "form.")),
    Picture("DragIcon",
            "Returns/sets the icon to be displayed as the pointer in a drag-and-drop operation."),
    Picture("MouseIcon", "Sets a custom mouse icon."),
    List("MousePointer", "Behavior", kMousePointer,
         "Returns/sets the type of mouse pointer displayed when over part of an object."),
    List("DragMode", "Behavior", kDragMode,
         "Returns/sets a value that determines whether manual or automatic drag mode is used."),
    List("OLEDragMode", "Behavior", kDragMode,
         "Returns/Sets whether this object can act as an OLE drag/drop source, and whether this "
         "process is started automatically or under programmatic control."),
    List("OLEDropMode", "Behavior", kOleDropMode,
         "Returns/Sets whether this object can act as an OLE drop target."),
    Value("Enabled", "Behavior", ksBooleanEditor,
          "Returns/sets a value that determines whether an object can respond to user-generated "
          "events."),
    {"Visible",
     "Behavior",
     false,
     ksBooleanEditor,
     false,
     false,
     {},
     false,
     "Returns/sets a value that determines whether an object is visible or hidden."},
    Value("TabIndex", "Behavior", ksTextEditor,
          "Returns/sets the tab order of an object within its parent form."),
    Value("HelpContextId", "", ksTextEditor,
          "Specifies the default Help file context ID for an object."),
    Value("Index", "Misc", ksTextEditor,
          "Returns/sets the number identifying a control in a control array."),
    Value("IntegralHeight", "Misc", ksTextEditor,
          "Returns/Sets a value indicating whether the control displays partial items."),
    Value("WhatsThisHelpId", "Misc", ksTextEditor,
          "Returns/sets an associated context number for an object."),
    Value("ToolTipText", "Misc", ksTextEditor,
          "Returns/sets the text displayed when the mouse is paused over the control."),
    Value("Left", "Position", KSNumberEditor,
          "Returns/sets the distance between the internal left edge of an object and the left "
          "edge of its container."),
    Value("Top", "Position", KSNumberEditor,
          "Returns/sets the distance between the internal top edge of an object and the top edge "
          "of its container."),
    Value("Width", "Position", KSNumberEditor, "Returns/sets the width of an object."),
    Value("Height", "Position", KSNumberEditor, "Returns/sets the height of an object."),
    {"Align", "Position", false, KSListEditor, false, true, kAlign, true,
     "Returns/sets a value that determines where an object is displayed on a form."},
    List("ScaleMode", "Scale", kScaleMode,
         "Defines the coordinate system for a Form, PictureBox, or Printer."),
    Value("ScaleLeft", "Scale", KSNumberEditor,
          "Returns/sets the horizontal coordinates for the left edges of an object."),
    Value("ScaleTop", "Scale", KSNumberEditor,
          "Returns/sets the vertical coordinates for the top edges of an object."),
    Value("ScaleHeight", "Scale", KSNumberEditor,
          "Returns/sets the number of units for the vertical measurement of an object's "
          "interior."),
    Value("ScaleWidth", "Scale", KSNumberEditor,
          "Returns/sets the number of units for the horizontal measurement of an object's "
          "interior."),
}};

} // namespace

std::span<const ExtenderRow> ExtenderRows() {
    return kRows;
}

} // namespace attrgrid::load
