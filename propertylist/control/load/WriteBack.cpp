#include "propertylist/control/load/WriteBack.h"

#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"

namespace attrgrid::load {

std::optional<ole::Variant> ReadByName(const ole::Variant& anObject, std::string_view sName,
                                       int32_t nKinds) {
    try {
        if (nKinds & kKindSet)
            return ole::GetObjectProperty(anObject, sName);
        return ole::GetProperty(anObject, sName);
    } catch (const ole::Error&) {
        return std::nullopt;
    }
}

bool TestWriteBack(const ole::Variant& anObject, std::string_view sName, int32_t nKinds) {
    try {
        if (nKinds & kKindSet) {
            const ole::Variant value = ole::GetObjectProperty(anObject, sName);
            ole::SetProperty(anObject, sName, value);
        } else {
            const ole::Variant value = ole::GetProperty(anObject, sName);
            ole::LetProperty(anObject, sName, value);
        }
        return false;
    } catch (const ole::Error&) {
        return true;
    }
}

} // namespace attrgrid::load
