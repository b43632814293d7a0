#include "platform/forms/dialogs/folder/FolderBrowser.h"

#include "platform/base/Utf8.h"
#include "platform/forms/dialogs/ModalDialog.h"
#include "platform/forms/dialogs/folder/FolderBrowserWindow.h"
#include "platform/win/test/TestApi.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unordered_map>

namespace win {

struct ITEMIDLIST {
    std::string path; // "" for the virtual root
};

} // namespace win

namespace forms {

namespace {

constexpr size_t kMaxPath = 260;

// Lists handed out, owned here until CoTaskMemFree, so a stale or foreign pointer is recognised
// instead of freed twice.
std::unordered_map<const win::ITEMIDLIST*, std::unique_ptr<win::ITEMIDLIST>>& LiveLists() {
    static std::unordered_map<const win::ITEMIDLIST*, std::unique_ptr<win::ITEMIDLIST>> lists;
    return lists;
}

[[maybe_unused]] const bool g_resetAdded =
    (win::test::AddResetStep([] { LiveLists().clear(); }), true);

const win::ITEMIDLIST* Live(win::LPCITEMIDLIST pidl) {
    return pidl != nullptr && LiveLists().count(pidl) != 0 ? pidl : nullptr;
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    std::error_code error;
    return home != nullptr && std::filesystem::is_directory(home, error) ? home : "";
}

} // namespace

bool FolderBrowserRequest::NothingSelectable() const {
    return (flags & (win::BIF_BROWSEFORCOMPUTER | win::BIF_BROWSEFORPRINTER)) != 0;
}

bool FolderBrowserRequest::EditBox() const {
    return (flags & win::BIF_EDITBOX) != 0;
}

bool FolderBrowserRequest::IncludeFiles() const {
    return (flags & win::BIF_BROWSEINCLUDEFILES) != 0;
}

FolderBrowserResponderType& FolderBrowserResponder() {
    return ResponderInstance<FolderBrowserResponderType>();
}

size_t LiveItemIdListCount() {
    return LiveLists().size();
}

} // namespace forms

namespace win {

LPITEMIDLIST SHBrowseForFolderA(BROWSEINFOA* bi) {
    if (bi == nullptr) {
        return nullptr;
    }
    forms::FolderBrowserRequest request;
    request.owner = forms::DialogOwnerOf(bi->hwndOwner);
    request.instruction = bi->lpszTitle != nullptr ? bi->lpszTitle : "";
    request.flags = bi->ulFlags;
    if (const ITEMIDLIST* root = forms::Live(bi->pidlRoot)) {
        request.root = root->path;
    }
    request.home = forms::HomeFolder();

    forms::FolderBrowserWindow dialog(request);
    const std::optional<forms::FolderBrowserAnswer> answer = forms::RunCommonDialog(
        dialog, request.owner, forms::FolderBrowserResponder(), "folder browser responder");
    if (!answer || !answer->ok) {
        return nullptr;
    }
    if (bi->pszDisplayName != nullptr) {
        base::CopyUtf8ToBuffer(forms::FolderTree::DisplayName(answer->path), bi->pszDisplayName,
                               forms::kMaxPath);
    }
    bi->iImage = 0;
    auto list = std::make_unique<ITEMIDLIST>(ITEMIDLIST{answer->path});
    ITEMIDLIST* handed = list.get();
    forms::LiveLists().emplace(handed, std::move(list));
    return handed;
}

BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, LPSTR path) {
    const ITEMIDLIST* list = forms::Live(pidl);
    if (path == nullptr) {
        return FALSE;
    }
    if (list == nullptr || list->path.empty() || list->path.size() >= forms::kMaxPath) {
        path[0] = '\0';
        return FALSE;
    }
    base::CopyUtf8ToBuffer(list->path, path, forms::kMaxPath);
    return TRUE;
}

void CoTaskMemFree(void* memory) {
    forms::LiveLists().erase(static_cast<const ITEMIDLIST*>(memory));
}

} // namespace win
