#pragma once

// Whether a property value suits an in-place editor type.

#include "platform/ole/variant/Variant.h"

#include <cstdint>

namespace shared {

// The editor types of the property list's editors, as its automation interface numbers them.
enum ksEditorType : int32_t {
    ksCustomDialog = 0,
    KSCustomEditor = 1,
    ksTextEditor = 2,
    KSNumberEditor = 3,
    ksBooleanEditor = 4,
    KSFontEditor = 5,
    KSDateEditor = 6,
    ksFileEditor = 7,
    KSDirectoryEditor = 8,
    KSListEditor = 9,
    KSColorEditor = 10,
    ksPictureEditor = 11,
};

// Number and colour: the platform's numeric test. Boolean: converts to a Boolean (objects and
// Null do not). Font: Nothing or a font object. Date: a date or text that reads as one. File and
// directory: anything but an object. Picture: Nothing or a picture object. Any other type: True.
// A failure while testing gives False.
bool IsValidEditorValue(const ole::Variant& value, int32_t editorType);

} // namespace shared
