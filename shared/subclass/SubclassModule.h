#pragma once

#include "shared/subclass/SubclassWnd.h"

#include <cstddef>
#include <new>

namespace shared {

// The subclassing registry of one library of the second build, named by a tag type of that
// library. Each such library keeps its records and its procedure apart from every other library
// in the process, the first build's SubclassWnd::Module() included, also when their static cores
// are linked into one program: two libraries on one window chain through each other.
//
// Immortal for the same reason as Module(): at exit the windows may be gone before a static
// destructor could restore them.
template <class LibraryTag>
SubclassWnd& SubclassModule() {
    alignas(SubclassWnd) static std::byte storage[sizeof(SubclassWnd)];
    static SubclassWnd* const module = ::new (static_cast<void*>(storage)) SubclassWnd();
    return *module;
}

} // namespace shared
