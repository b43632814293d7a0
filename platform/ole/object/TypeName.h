#pragma once

#include "platform/ole/variant/Variant.h"

#include <string>

namespace ole {

// The class name in its canonical case for an object, "Nothing" for an empty reference, and the
// type's name ("Integer", "String", "Byte()", ...) for a plain value.
std::string TypeName(const Variant& value);
std::string TypeName(const Object* object);
// The name of a variant type tag as TypeName reports it.
std::string VarTypeName(VARTYPE type);

} // namespace ole
