#include "propertylist/editors/OpenFileDialog.h"

#include "platform/forms/dialogs/file/FileDialog.h"

#include <algorithm>

namespace attrgrid {

namespace {

// Description and pattern pairs, each NUL-terminated, with a NUL after the last pair.
std::string FilterList(std::string filter) {
    if (filter.empty())
        filter = "All Files (*.*)|*.*";
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.push_back('\0');
    return filter;
}

// One path, or with several files the folder followed by the names, each NUL-terminated.
std::string ChosenPath(const std::string& buffer) {
    const auto nul = buffer.find('\0');
    if (nul == std::string::npos || nul + 1 >= buffer.size() || buffer[nul + 1] == '\0')
        return buffer.substr(0, nul);
    const std::string folder = buffer.substr(0, nul);
    const std::string name = buffer.substr(nul + 1, buffer.find('\0', nul + 1) - nul - 1);
    return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

} // namespace

std::optional<std::string> ChooseFile(const OpenFileSetup& setup) {
    const std::string filter = FilterList(setup.filter);
    std::string file = setup.file + std::string(setup.room + 1, '\0');
    std::string title = file;
    win::OPENFILENAMEA ofn{};
    ofn.lStructSize = win::OPENFILENAMEA_V1_SIZE;
    ofn.hwndOwner = setup.owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<win::DWORD>(file.size() - 1);
    ofn.lpstrFileTitle = title.data();
    ofn.nMaxFileTitle = static_cast<win::DWORD>(title.size() - 1);
    ofn.lpstrInitialDir = setup.initialDir.c_str();
    ofn.lpstrTitle = setup.caption.c_str();
    ofn.Flags = setup.flags;
    ofn.lpstrDefExt = setup.defaultExt.empty() ? nullptr : setup.defaultExt.c_str();
    if (!win::GetOpenFileNameA(&ofn))
        return std::nullopt;
    return ChosenPath(file);
}

} // namespace attrgrid
