#pragma once

#include "platform/ole/object/Object.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace attrgrid::load {

struct PropertyCategory {
    // 0 when the object does not categorize its properties; -1 ("Nil") means "do not show".
    int32_t number = 0;
    // Empty when none was found; the list shows such a property under DefaultCategory.
    std::string name;
};

inline constexpr int32_t kNilCategory = -1;

// The name of a standard category (-1 to -11); empty for any other number.
std::string_view StandardCategoryName(int32_t number);

// The category of `getterId` as `object`'s ICategorizeProperties maps it. A failing call ends the
// look-up with what was found so far.
PropertyCategory CategoryNameFromId(ole::Object& object, ole::DISPID getterId, uint32_t lcid);

} // namespace attrgrid::load
