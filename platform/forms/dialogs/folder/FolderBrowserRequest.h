#pragma once

#include "platform/win/WinTypes.h"

#include <string>

namespace forms {

// A folder browser call as the dialog reads it.
struct FolderBrowserRequest {
    win::HWND owner;         // the top-level ancestor of hwndOwner
    std::string instruction; // lpszTitle
    win::UINT flags = 0;
    std::string root; // "" for the virtual root
    std::string home; // the home folder the virtual root shows

    // Only Cancel is possible: the platform has no computers or printers to offer.
    bool NothingSelectable() const;
    bool EditBox() const;
    bool IncludeFiles() const;
};

// OK with the chosen item's path ("" for the virtual root), or Cancel.
struct FolderBrowserAnswer {
    bool ok = true;
    std::string path;

    static FolderBrowserAnswer Cancel() { return FolderBrowserAnswer{false, {}}; }
};

} // namespace forms
