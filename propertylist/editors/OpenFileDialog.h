#pragma once

#include "platform/win/WinTypes.h"

#include <optional>
#include <string>

namespace attrgrid {

// What the file and picture editors ask of the open-file dialog.
struct OpenFileSetup {
    win::HWND owner;
    // Description and pattern pairs joined by "|"; "" lists every file.
    std::string filter;
    std::string initialDir;
    std::string caption;
    // The name box's start, followed by `room` NULs; the dialog may fill `room` bytes past it.
    std::string file;
    size_t room = 0;
    win::DWORD flags = 0;
    std::string defaultExt;
};

// The chosen path, or nothing when the dialog was cancelled or failed. Several chosen files give
// the first one's full path.
std::optional<std::string> ChooseFile(const OpenFileSetup& setup);

} // namespace attrgrid
