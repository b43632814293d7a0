#pragma once

#include "platform/ole/variant/Variant.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace forms {

// A form as static data, which the form loader realises: what a designer would have saved.
// Geometry is in twips. Every member has a default, so a description names only what it sets.

// A font in a property literal: becomes a Font object.
struct FontLiteral {
    std::string name{};
    double size = 8.25;
    int16_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int16_t charset = 0;
};

// A picture in a property literal: the program's picture of that resource id.
struct PictureLiteral {
    int resourceId = 0;
};

using LiteralValue = std::variant<ole::Variant, FontLiteral, PictureLiteral>;

struct PropertyLiteral {
    std::string name{};
    LiteralValue value{};
};

struct MenuDescription {
    std::string name{};
    // Verbatim: '&' marks the access key, "-" is a separator, trailing blanks stay.
    std::string caption{};
    // FVIRTKEY with FSHIFT, FCONTROL, FALT, and the virtual key; key 0 for none.
    win::BYTE shortcutModifiers = 0;
    win::WORD shortcutKey = 0;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<MenuDescription> children{};
};

struct ControlDescription {
    // "VB." & class for a standard control, else a ProgID.
    std::string classId{};
    std::string name{};
    // The container control's name; empty for the form.
    std::string container{};
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    bool visible = true;
    // Extender Align of a user control: 0 none, 1 top, 2 bottom, 3 left, 4 right.
    int16_t align = 0;
    // Set by name once the control is sited (a standard control's Caption, Text, ...).
    std::vector<PropertyLiteral> properties{};
    // A user control's stored properties: read through its ReadProperties from a bag holding
    // exactly these entries. Without them it starts as a new instance (InitProperties).
    std::optional<std::vector<PropertyLiteral>> bag{};
};

enum class FormKind { Plain, MdiFrame, MdiChild };

struct FormDescription {
    FormKind kind = FormKind::Plain;
    std::string name{};
    std::string caption{};
    float clientWidth = 0;
    float clientHeight = 0;
    // Form BorderStyle (2 sizable).
    int16_t borderStyle = 2;
    bool keyPreview = false;
    // The form the program shows first.
    bool startUp = false;
    std::vector<MenuDescription> menus{};
    // In creation order, which is also the tab order.
    std::vector<ControlDescription> controls{};
};

} // namespace forms
