#pragma once

#include "platform/ole/variant/Variant.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace attrgrid::load {

// Invocation kinds of a property, summed over its accessors.
inline constexpr int32_t kKindGet = 2;
inline constexpr int32_t kKindLet = 4;
inline constexpr int32_t kKindSet = 8;

// Reads `sName` by name, as an object when it is written with set semantics (kinds include 8),
// else as a value; nothing when the read fails.
std::optional<ole::Variant> ReadByName(const ole::Variant& anObject, std::string_view sName,
                                       int32_t nKinds);

// Writes the value just read back into `sName`, running the object's own property code. True
// when the property cannot be written back.
bool TestWriteBack(const ole::Variant& anObject, std::string_view sName, int32_t nKinds);

} // namespace attrgrid::load
