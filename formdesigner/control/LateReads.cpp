#include "formdesigner/control/LateReads.h"

#include "platform/forms/control/Control.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"

namespace layoutdesk {

ole::Variant ReadMember(const ole::Ptr<ole::Object>& control, std::string_view name) {
    return ole::GetProperty(ole::Variant(control), name);
}

ole::Ptr<ole::Object> ReadObject(const ole::Ptr<ole::Object>& control, std::string_view name) {
    return ole::GetObjectProperty(ole::Variant(control), name).AsObject();
}

float ReadSingle(const ole::Ptr<ole::Object>& control, std::string_view name) {
    return ole::CSng(ReadMember(control, name));
}

void WriteMember(const ole::Ptr<ole::Object>& control, std::string_view name,
                 const ole::Variant& value) {
    ole::LetProperty(ole::Variant(control), name, value);
}

ole::Ptr<ole::Object> ControlIn(const ole::Variant& item) {
    if (!item.Deref().IsObject())
        return {};
    ole::Ptr<ole::Object> object = item.Deref().AsObject();
    if (!dynamic_cast<forms::Control*>(object.Get()))
        return {};
    return object;
}

std::optional<ole::Variant> TryRead(const ole::Ptr<ole::Object>& control, std::string_view name) {
    try {
        return ReadMember(control, name);
    } catch (const ole::Error&) {
        return std::nullopt;
    }
}

ole::Ptr<ole::Object> TryReadObject(const ole::Ptr<ole::Object>& control, std::string_view name) {
    try {
        const ole::Variant value = ole::GetObjectProperty(ole::Variant(control), name);
        if (!value.IsObject())
            return {};
        return value.AsObject();
    } catch (const ole::Error&) {
        return {};
    }
}

} // namespace layoutdesk
