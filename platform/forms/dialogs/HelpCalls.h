#pragma once

#include "platform/win/WinTypes.h"

#include <string>
#include <vector>

namespace win {

inline constexpr UINT HH_DISPLAY_TOPIC = 0x0000;
inline constexpr UINT HH_HELP_CONTEXT = 0x000F;
inline constexpr UINT HELP_CONTEXT = 0x0001;
inline constexpr UINT HELP_QUIT = 0x0002;
inline constexpr UINT HELP_FINDER = 0x000B;

// Help viewers are not part of the platform: both calls record what was asked and report success
// (HtmlHelpA a non-null window, WinHelpA TRUE). Nothing opens help by itself either.
HWND HtmlHelpA(HWND hwndCaller, LPCSTR file, UINT command, DWORD_PTR data);
BOOL WinHelpA(HWND hwnd, LPCSTR file, UINT command, ULONG_PTR data);

} // namespace win

namespace forms {

struct HelpCall {
    std::string function; // "HtmlHelpA" or "WinHelpA"
    std::string file;
    win::UINT command = 0;
    uintptr_t data = 0; // the context id for the context commands

    bool operator==(const HelpCall&) const = default;
};

const std::vector<HelpCall>& HelpCalls();
std::vector<HelpCall> TakeHelpCalls();

} // namespace forms
