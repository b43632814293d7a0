#include "platform/forms/dialogs/file/FileDialogRequest.h"

#include "platform/base/Utf8.h"
#include "platform/forms/dialogs/CommonDialogError.h"
#include "platform/forms/dialogs/ModalDialog.h"
#include "platform/forms/dialogs/file/FileDialog.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace forms {

namespace fs = std::filesystem;

namespace {

std::vector<FileFilter> DecodeFilters(const char* list) {
    std::vector<FileFilter> filters;
    if (list == nullptr) {
        return filters;
    }
    // Pairs of NUL-terminated strings up to an empty one.
    const char* p = list;
    while (*p != '\0') {
        FileFilter filter;
        filter.description = p;
        p += filter.description.size() + 1;
        if (*p == '\0') {
            break; // a description without its pattern ends the list
        }
        filter.patterns = p;
        p += filter.patterns.size() + 1;
        filters.push_back(std::move(filter));
    }
    return filters;
}

std::string ReadBounded(const char* buffer, size_t capacity) {
    if (buffer == nullptr || capacity == 0) {
        return {};
    }
    const auto* end = static_cast<const char*>(std::memchr(buffer, '\0', capacity));
    return std::string(buffer, end != nullptr ? static_cast<size_t>(end - buffer) : capacity);
}

std::string StartFolder(const std::string& asked) {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    if (asked.empty()) {
        return current.string();
    }
    const fs::path folder = fs::path(asked).is_absolute() ? fs::path(asked) : current / asked;
    if (!fs::is_directory(folder, error)) {
        return current.string();
    }
    return folder.lexically_normal().string();
}

} // namespace

FileDialogRequest FileDialogRequest::Decode(FileDialogKind kind, const win::OPENFILENAMEA& ofn) {
    FileDialogRequest request;
    request.kind = kind;
    request.owner = DialogOwnerOf(ofn.hwndOwner);
    request.flags = ofn.Flags;
    request.title = ofn.lpstrTitle != nullptr ? ofn.lpstrTitle : "";
    if (request.title.empty()) {
        request.title = kind == FileDialogKind::Open ? "Open" : "Save As";
    }
    request.filters = DecodeFilters(ofn.lpstrFilter);
    request.filterIndex = ofn.nFilterIndex >= 1 && ofn.nFilterIndex <= request.filters.size()
                              ? static_cast<int>(ofn.nFilterIndex)
                              : 1;
    request.maxFile = ofn.nMaxFile;
    // A path in the file buffer names the start folder as well as the name.
    const std::string file = ReadBounded(ofn.lpstrFile, ofn.nMaxFile);
    const size_t slash = file.rfind('/');
    std::string folder = ofn.lpstrInitialDir != nullptr ? ofn.lpstrInitialDir : "";
    if (slash != std::string::npos) {
        folder = slash == 0 ? "/" : file.substr(0, slash);
        request.name = file.substr(slash + 1);
    } else {
        request.name = file;
    }
    request.folder = StartFolder(folder);
    request.defaultExtension = ofn.lpstrDefExt != nullptr ? ofn.lpstrDefExt : "";
    if (!request.defaultExtension.empty() && request.defaultExtension.front() == '.') {
        request.defaultExtension.erase(0, 1);
    }
    return request;
}

std::string FileDialogRequest::Patterns(int index) const {
    if (index < 1 || static_cast<size_t>(index) > filters.size()) {
        return {};
    }
    return filters[static_cast<size_t>(index - 1)].patterns;
}

win::DWORD WriteFileAnswer(win::OPENFILENAMEA& ofn, const FileDialogAnswer& answer) {
    using namespace win;
    if (answer.paths.empty() || answer.paths.front().empty()) {
        return FNERR_INVALIDFILENAME;
    }
    const fs::path first(answer.paths.front());
    std::string result;
    size_t nameOffset = 0;
    size_t extensionOffset = 0;
    if (answer.paths.size() > 1 && (ofn.Flags & OFN_ALLOWMULTISELECT) != 0) {
        // "folder NUL name1 NUL name2 NUL NUL"
        result = first.parent_path().string();
        result += '\0';
        nameOffset = result.size();
        for (const std::string& path : answer.paths) {
            result += fs::path(path).filename().string();
            result += '\0';
        }
    } else {
        result = answer.paths.front();
        const size_t slash = result.rfind('/');
        nameOffset = slash == std::string::npos ? 0 : slash + 1;
        const size_t dot = result.rfind('.');
        // Without an extension the offset is that of the terminating NUL.
        extensionOffset = dot != std::string::npos && dot >= nameOffset ? dot + 1 : result.size();
    }
    result += '\0';
    if (result.size() > ofn.nMaxFile) {
        if (ofn.nMaxFile >= 2) {
            const auto needed = static_cast<WORD>(std::min<size_t>(result.size(), 0xFFFF));
            ofn.lpstrFile[0] = static_cast<char>(needed & 0xFF);
            ofn.lpstrFile[1] = static_cast<char>(needed >> 8);
        }
        return FNERR_BUFFERTOOSMALL;
    }
    std::memcpy(ofn.lpstrFile, result.data(), result.size());
    ofn.nFileOffset = static_cast<WORD>(std::min<size_t>(nameOffset, 0xFFFF));
    ofn.nFileExtension = static_cast<WORD>(std::min<size_t>(extensionOffset, 0xFFFF));
    if (ofn.lpstrFileTitle != nullptr && ofn.nMaxFileTitle > 0) {
        base::CopyUtf8ToBuffer(first.filename().string(), ofn.lpstrFileTitle, ofn.nMaxFileTitle);
    }
    ofn.Flags = answer.readOnly ? ofn.Flags | OFN_READONLY : ofn.Flags & ~OFN_READONLY;
    if (answer.filterIndex > 0) {
        ofn.nFilterIndex = static_cast<DWORD>(answer.filterIndex);
    }
    return 0;
}

} // namespace forms
