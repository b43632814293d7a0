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

// One path, or with several files the folder followed by the names, each NUL-terminated, the
// first name at `nameOffset`. Only that offset tells the two apart: a single path shorter than
// the name the dialog started with leaves the rest of that name after its NUL.
std::string ChosenPath(const std::string& buffer, size_t nameOffset) {
    const auto nul = buffer.find('\0');
    std::string path = buffer.substr(0, nul);
    if (nul == std::string::npos || nameOffset != nul + 1 || nameOffset >= buffer.size())
        return path;
    const std::string name = buffer.substr(nameOffset, buffer.find('\0', nameOffset) - nameOffset);
    if (name.empty())
        return path;
    return path.ends_with('/') ? path + name : path + "/" + name;
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
    return ChosenPath(file, ofn.nFileOffset);
}

} // namespace attrgrid
