#pragma once

#include "platform/ole/object/Object.h"
#include "platform/ole/variant/Variant.h"

#include <optional>
#include <string_view>

namespace layoutdesk {

// Reads of a hosted control's automation members by name, as a host reads them. The plain forms
// raise what the control raises (438 for a member it lacks, any error of a dead control); the
// Try forms turn any automation error into nothing.
ole::Variant ReadMember(const ole::Ptr<ole::Object>& control, std::string_view name);
ole::Ptr<ole::Object> ReadObject(const ole::Ptr<ole::Object>& control, std::string_view name);
float ReadSingle(const ole::Ptr<ole::Object>& control, std::string_view name);
void WriteMember(const ole::Ptr<ole::Object>& control, std::string_view name,
                 const ole::Variant& value);

// The form control a collection item holds; null for anything else (the selected collection is
// live, so a host may put anything into it).
ole::Ptr<ole::Object> ControlIn(const ole::Variant& item);

std::optional<ole::Variant> TryRead(const ole::Ptr<ole::Object>& control, std::string_view name);
// Null when the read fails or gives no object.
ole::Ptr<ole::Object> TryReadObject(const ole::Ptr<ole::Object>& control, std::string_view name);

} // namespace layoutdesk
