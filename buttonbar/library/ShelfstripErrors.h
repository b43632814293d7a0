#pragma once

#include "platform/ole/error/Error.h"

// The automation errors of the button bar library, each with its text. Every one carries the
// object-error base without an offset; the text tells the cause.

namespace shelfstrip::errors {

// The library's title and its module name: the two error sources besides "CButtons.Add".
inline constexpr const char* kTitle = "Shelfstrip";
inline constexpr const char* kModuleName = "Shelfstrip";
inline constexpr const char* kButtonsAddSource = "CButtons.Add";

inline constexpr int32_t kNumber = ole::ObjectError(0);

inline constexpr ole::DefinedError DuplicateKey{kNumber, "Duplicate key specified."};
inline constexpr ole::DefinedError InvalidPictureType{kNumber, "Invalid Picture type"};
inline constexpr ole::DefinedError LastGroup{kNumber, "Can't remove all groups fromt eh control"};
inline constexpr ole::DefinedError InvalidButtonObject{kNumber, "Invalid button object"};
inline constexpr ole::DefinedError InvalidGroupObject{kNumber, "Invalid Group object"};
inline constexpr ole::DefinedError InvalidIndex{kNumber, "Invalid index specified"};
inline constexpr ole::DefinedError AlienButton{kNumber, "Alien button specified"};
inline constexpr ole::DefinedError AlienGroup{kNumber, "Alien Group specified"};
inline constexpr ole::DefinedError InvalidPropertyValue{kNumber, "Invalid property value."};
inline constexpr ole::DefinedError NoActiveGroup{kNumber, "Active group can't be set to nothing."};
inline constexpr ole::DefinedError ForeignGroup{kNumber, "Group does not belong to this control."};
inline constexpr ole::DefinedError HiddenActiveGroup{kNumber,
                                                     "Hidden group cannot be made active."};
inline constexpr ole::DefinedError ForeignButton{kNumber, "Button does not belong to this control"};
inline constexpr ole::DefinedError LastVisibleGroup{kNumber, "Atleast one group must be visible."};

} // namespace shelfstrip::errors
