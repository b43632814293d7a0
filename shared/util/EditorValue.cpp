#include "shared/util/EditorValue.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/picture/Picture.h"

namespace shared {

namespace {
template <class T>
bool IsNothingOr(const ole::Variant& value) {
    if (!value.IsObject())
        return false;
    const ole::Ptr<ole::Object> object = value.AsObject();
    return !object || ole::PtrCast<T>(object) != nullptr;
}

bool ConvertsToBoolean(const ole::Variant& value) {
    // Objects would be read through their default member; an editor value that is an object is
    // never a Boolean.
    if (value.IsObject() || value.IsNull())
        return false;
    ole::CBool(value);
    return true;
}
} // namespace

bool IsValidEditorValue(const ole::Variant& value, int32_t editorType) {
    try {
        switch (editorType) {
        case KSNumberEditor:
        case KSColorEditor:
            return ole::IsNumeric(value);
        case ksBooleanEditor:
            return ConvertsToBoolean(value);
        case KSFontEditor:
            return IsNothingOr<ole::Font>(value);
        case KSDateEditor:
            return ole::IsDate(value);
        case ksFileEditor:
        case KSDirectoryEditor:
            return !value.IsObject();
        case ksPictureEditor:
            return IsNothingOr<ole::Picture>(value);
        default:
            return true;
        }
    } catch (const ole::Error&) {
        return false;
    }
}

} // namespace shared
