#include "formdesigner/layout/StoredControl.h"

#include "formdesigner/layout/CPropertyBag.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/Error.h"

namespace layoutdesk {

StoredControl StoredControl::Read(CPropertyBag& bag) {
    StoredControl stored;
    const auto read = [&](const char* key, const ole::Variant& fallback) {
        return bag.ReadProperty(key, fallback);
    };
    const auto single = [&](const char* key) { return ole::CSng(read(key, ole::Variant(0.0F))); };
    try {
        stored.indexed = ole::CBool(read("IsIndexed", ole::Variant(false)));
        stored.container = ole::CBool(read("IsContainer", ole::Variant(false)));
        if (stored.indexed)
            stored.index = ole::CInt(read("ControlIndex", ole::Variant(int16_t{0})));
        stored.type = ole::CStr(read("ControlType", ole::Variant(std::string("none"))));
        stored.name = ole::CStr(read("ControlName", ole::Variant(std::string("none"))));
        stored.ends = {single("X1"), single("Y1"), single("X2"), single("Y2")};
        stored.place = {single("Left"), single("Top"), single("Width"), single("Height")};
        stored.visible = ole::CBool(read("Visible", ole::Variant(true)));
    } catch (const ole::Error&) {
        ole::RaiseError(ole::ERR_UNSUPPORTED_TYPE);
    }
    return stored;
}

} // namespace layoutdesk
