#pragma once

#include "platform/win/WinTypes.h"

namespace win {

using FARPROC = intptr_t (*)();

// hModule null: the executable's path; a loaded library: its file. Truncates to nSize bytes
// including the NUL (never inside a UTF-8 sequence) and then returns nSize.
DWORD GetModuleFileNameA(HMODULE hModule, LPSTR buf, DWORD nSize);

// "msimg32.dll" (any case) loads only while the msimg32 switch is on; any other name is opened as
// a shared library, "Name.dll" / "Name.ocx" as libName.so when the name itself does not load.
// Loading the same library twice returns the same handle and counts a reference.
HMODULE LoadLibraryA(LPCSTR name);
BOOL FreeLibrary(HMODULE hModule);
FARPROC GetProcAddress(HMODULE hModule, LPCSTR procName);

namespace detail {
// The test switch "msimg32 available" (on by default).
void SetMsimg32Available(bool available);
bool Msimg32Available();
size_t LoadedLibraryCount();
void UnloadAllLibraries();
} // namespace detail

} // namespace win
