#pragma once

#include "platform/ole/object/Object.h"
#include "platform/win/WinTypes.h"

#include <cstddef>
#include <string_view>

namespace forms {

// The control libraries a program uses. A library is a shared object lib<Name>.so exporting
// DllRegisterServer, DllUnregisterServer, DllCanUnloadNow and DllGetClassObject; loading it
// registers its classes (and type library) in the class registry, so creation by ProgID is the
// same whether a library was loaded here or linked in with static registration.
//
// Libraries are looked for in the executable's folder first, then beside the platform library,
// then on the platform's library search path; the file name matches the library name without
// regard to case, as ProgIDs do. A loaded library stays loaded while any object it made lives:
// FreeUnused only unloads those whose DllCanUnloadNow agrees.
class ControlLibraries {
public:
    // Loads the library (once; later calls return the same module) and registers its classes;
    // the library's App gets its file's folder as Path. 711 (with the library's name in the
    // description) when no such library loads, it lacks DllRegisterServer or registration fails.
    static win::HMODULE Load(std::string_view libraryName);

    // Creates an object by ProgID ("Rowbox.KSListBox"). A class the registry already knows is
    // created at once; otherwise the library named by the ProgID's first part is loaded first.
    // 711 when the ProgID is malformed, its library cannot be loaded or does not register it.
    static ole::Ptr<ole::Object> CreateObject(std::string_view progId);

    // Unregisters and unloads every library that can unload now; returns how many went.
    static size_t FreeUnused();

    static bool IsLoaded(std::string_view libraryName);
    static size_t LoadedCount();
};

// "Rowbox" for "Rowbox.KSListBox"; empty when the ProgID has no library part.
std::string_view LibraryNameOf(std::string_view progId);

} // namespace forms
