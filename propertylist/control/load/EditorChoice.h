#pragma once

#include "platform/ole/typeinfo/MemberDescription.h"

#include <cstdint>
#include <vector>

namespace attrgrid {
class CProperty;
}

namespace attrgrid::load {

// What the list does with a property of a given value type.
struct EditorChoice {
    // No editor can show the type: the property is removed again right after it was added.
    bool remove = false;
    int32_t editorType = 2;
    bool allowFloatingPoint = false;
    bool allowNegative = false;
    bool pictureFilter = false;
    // An enumeration's constants, in declaration order, as list items.
    bool fillList = false;
    std::vector<ole::EnumConstant> listItems;
};

EditorChoice ChooseEditorForType(const ole::ValueTypeDescription& type);

// Sets the editor type, list items and editor parameters of a kept property.
void ApplyEditorChoice(const EditorChoice& choice, CProperty& aProperty);

} // namespace attrgrid::load
