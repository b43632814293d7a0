#pragma once

#include "platform/ole/error/Error.h"

// The automation errors the form designer library raises, each number with its text. The third
// text is published with its spelling; hosts compare it.

namespace layoutdesk::errors {

inline constexpr const char* kSource = "Layoutdesk";

inline constexpr ole::DefinedError InvalidResizing{ole::ObjectError(2001),
                                                   "Invalid resizing parameter"};
inline constexpr ole::DefinedError InvalidGridSize{ole::ObjectError(2002),
                                                   "Invalid grid size value specified"};
inline constexpr ole::DefinedError InvalidHandleSize{ole::ObjectError(2003),
                                                     "Invalid handle size value specified"};
inline constexpr ole::DefinedError NotAControl{
    ole::ObjectError(2004), "Invalid type of obejct specified, control type expected"};

} // namespace layoutdesk::errors
