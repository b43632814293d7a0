#pragma once

#include "platform/ole/bag/PropertyBag.h"

#include <string>
#include <vector>

namespace testsupport {

// The names a property bag holds, in the order they were written: what a control's
// WriteProperties stored (values equal to their defaults are left out by the bag).
inline std::vector<std::string> StoredNames(const ole::PropertyBag& bag) {
    std::vector<std::string> names;
    for (const auto& [name, value] : bag.Entries().Entries())
        names.push_back(name);
    return names;
}

} // namespace testsupport
