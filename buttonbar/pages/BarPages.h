#pragma once

#include "buttonbar/pages/PageIdentity.h"

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Ptr.h"

#include <span>

namespace shelfstrip {

// One served page class.
struct PageClass {
    const PageIdentity& identity;
    const ole::ClassInfo& (*info)();
    ole::Ptr<ole::Object> (*create)();
};

// The bar's property pages, in the order the bar lists them.
std::span<const PageClass> PageClasses();

// Registers the pages with the class registry (static linking and tests; the shared library
// serves them through its exports).
void RegisterPages();

} // namespace shelfstrip
