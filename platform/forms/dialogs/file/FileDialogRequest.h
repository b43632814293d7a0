#pragma once

#include "platform/win/WinTypes.h"

#include <string>
#include <vector>

namespace win {
struct OPENFILENAMEA;
}

namespace forms {

enum class FileDialogKind { Open, Save };

struct FileFilter {
    std::string description;
    std::string patterns; // ";"-separated globs

    bool operator==(const FileFilter&) const = default;
};

// An open or save call as the dialog reads it.
struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    win::HWND owner;   // the top-level ancestor of hwndOwner
    std::string title; // the caption ("Open" / "Save As" for none)
    win::DWORD flags = 0;
    std::vector<FileFilter> filters;
    int filterIndex = 1;          // 1-based; 1 when out of range
    std::string folder;           // absolute start folder
    std::string name;             // what the name box starts with
    std::string defaultExtension; // without the dot
    size_t maxFile = 0;

    static FileDialogRequest Decode(FileDialogKind kind, const win::OPENFILENAMEA& ofn);
    // The filter's patterns, or "" (every file) without filters.
    std::string Patterns(int index) const;
};

// OK with the chosen full paths (several only with OFN_ALLOWMULTISELECT, all in one folder), the
// read-only box and the filter index, or Cancel.
struct FileDialogAnswer {
    bool ok = true;
    std::vector<std::string> paths;
    bool readOnly = false;
    int filterIndex = 0; // 0 keeps the caller's

    static FileDialogAnswer Cancel() { return FileDialogAnswer{false, {}, false, 0}; }
};

// Writes an OK answer into the caller's structure as the dialog does; returns 0 or the
// CommDlgExtendedError code (then the call returns 0).
win::DWORD WriteFileAnswer(win::OPENFILENAMEA& ofn, const FileDialogAnswer& answer);

} // namespace forms
