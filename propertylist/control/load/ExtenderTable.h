#pragma once

#include "shared/util/EditorValue.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace attrgrid::load {

struct ExtenderListItem {
    int32_t value;
    std::string_view text;
};

// One property that a form's control extender adds to the control it sites.
struct ExtenderRow {
    std::string_view name;
    std::string_view category;
    // Read and written back as an object reference (pictures), else as a value.
    bool asObject;
    shared::ksEditorType editorType;
    bool forceReadOnly;
    // Written back on load to find out whether it is read-only; Visible is not, since writing it
    // shows or hides the control.
    bool testWriteBack;
    std::span<const ExtenderListItem> listItems;
    // Align's items carry 32-bit values; every other list 16-bit ones.
    bool longItemValues;
    std::string_view help;
};

// The extender's properties, in the order they are added.
std::span<const ExtenderRow> ExtenderRows();

// The filter of the picture editor rows.
inline constexpr std::string_view kPictureFilter =
    "All Picture Files|*.bmp;*.ico;*.pcx;*.jpg;*.gif";

} // namespace attrgrid::load
