#pragma once

#include "platform/ole/error/Error.h"

// The automation errors the property list library raises, each number with its text.

namespace attrgrid::errors {

inline constexpr ole::DefinedError InvalidPropertyValue{ole::ObjectError(2),
                                                        "Invalid property value."};
inline constexpr ole::DefinedError InvalidKey{ole::ObjectError(3), "Invalid key specified."};
inline constexpr ole::DefinedError EditorKeyInUse{ole::ObjectError(4),
                                                  "Editor with this key is already present."};
inline constexpr ole::DefinedError PropertyKeyInUse{ole::ObjectError(5),
                                                    "Property with this key is already present."};
inline constexpr ole::DefinedError PropertyNameInUse{
    ole::ObjectError(6), "Property with this name is already present in specified category."};
inline constexpr ole::DefinedError InvalidEditorValue{ole::ObjectError(10),
                                                      "Invalid value for specified editor."};
inline constexpr ole::DefinedError EditorNotRegistered{ole::ObjectError(12),
                                                       "Editor is not registered."};
inline constexpr ole::DefinedError AlienProperty{ole::ObjectError(13), "Alien property object"};

} // namespace attrgrid::errors
