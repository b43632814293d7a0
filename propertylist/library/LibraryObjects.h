#pragma once

#include "platform/ole/object/Object.h"

namespace attrgrid {

// Objects of this library that a host may keep after the control that made them is gone (the
// property collection, its properties, the editor notifier). Their code lives in the library, so
// the library must not unload while any of them lives; the class-factory server counts only the
// controls it creates itself.
class LibraryObjects {
public:
    static void Track(const ole::Object* object);
    // Forgets the dead ones as it goes.
    static bool AnyAlive();
};

} // namespace attrgrid
