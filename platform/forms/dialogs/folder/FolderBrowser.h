#pragma once

// The folder browser: the platform calls, item-id lists and the test responder.

#include "platform/forms/dialogs/DialogResponder.h"
#include "platform/forms/dialogs/folder/FolderBrowserRequest.h"

#include <cstddef>

namespace win {

inline constexpr UINT BIF_RETURNONLYFSDIRS = 0x0001;
inline constexpr UINT BIF_DONTGOBELOWDOMAIN = 0x0002;
inline constexpr UINT BIF_EDITBOX = 0x0010;
inline constexpr UINT BIF_BROWSEFORCOMPUTER = 0x1000;
inline constexpr UINT BIF_BROWSEFORPRINTER = 0x2000;
inline constexpr UINT BIF_BROWSEINCLUDEFILES = 0x4000;

// An item of the folder browser: a file-system path or a virtual item. Opaque to callers.
struct ITEMIDLIST;
using LPITEMIDLIST = ITEMIDLIST*;
using LPCITEMIDLIST = const ITEMIDLIST*;

struct BROWSEINFOA {
    HWND hwndOwner;
    LPCITEMIDLIST pidlRoot = nullptr; // null: the virtual root
    LPSTR pszDisplayName = nullptr;   // null, or MAX_PATH bytes
    LPCSTR lpszTitle = nullptr;       // the instruction above the tree
    UINT ulFlags = 0;
    void* lpfn = nullptr;
    LPARAM lParam = 0;
    int iImage = 0;
};

// The chosen item, which the caller frees with CoTaskMemFree, or null on Cancel. Modal over the
// top-level ancestor of hwndOwner; headless without a responder, Cancel.
LPITEMIDLIST SHBrowseForFolderA(BROWSEINFOA* bi);

// TRUE with the item's file-system path in `path` (260 bytes), FALSE for a virtual item or a
// list that is not live.
BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, LPSTR path);

// Frees what the platform handed out as task memory (the folder browser's item-id lists); null
// and pointers it did not hand out are ignored.
void CoTaskMemFree(void* memory);

} // namespace win

namespace forms {

using FolderBrowserResponderType = DialogResponder<FolderBrowserRequest, FolderBrowserAnswer>;
FolderBrowserResponderType& FolderBrowserResponder();

// Item-id lists handed out and not yet freed.
size_t LiveItemIdListCount();

} // namespace forms
