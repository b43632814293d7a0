#pragma once

// The open and save file dialogs: the platform calls and their test responder.

#include "platform/forms/dialogs/DialogResponder.h"
#include "platform/forms/dialogs/file/FileDialogRequest.h"

namespace win {

inline constexpr DWORD OFN_READONLY = 0x00000001;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
inline constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
inline constexpr DWORD OFN_NOVALIDATE = 0x00000100;
inline constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
inline constexpr DWORD OFN_CREATEPROMPT = 0x00002000;
inline constexpr DWORD OFN_SHAREAWARE = 0x00004000;
inline constexpr DWORD OFN_NOREADONLYRETURN = 0x00008000;
inline constexpr DWORD OFN_NOLONGNAMES = 0x00040000;
inline constexpr DWORD OFN_EXPLORER = 0x00080000;
inline constexpr DWORD OFN_NODEREFERENCELINKS = 0x00100000;
inline constexpr DWORD OFN_LONGNAMES = 0x00200000;

struct OPENFILENAMEA {
    DWORD lStructSize = 0;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCSTR lpstrFilter = nullptr; // "description\0pattern\0...\0\0"
    LPSTR lpstrCustomFilter = nullptr;
    DWORD nMaxCustFilter = 0;
    DWORD nFilterIndex = 0; // 1-based
    LPSTR lpstrFile = nullptr;
    DWORD nMaxFile = 0;
    LPSTR lpstrFileTitle = nullptr;
    DWORD nMaxFileTitle = 0;
    LPCSTR lpstrInitialDir = nullptr;
    LPCSTR lpstrTitle = nullptr;
    DWORD Flags = 0;
    WORD nFileOffset = 0;
    WORD nFileExtension = 0;
    LPCSTR lpstrDefExt = nullptr;
    LPARAM lCustData = 0;
    void* lpfnHook = nullptr;
    LPCSTR lpTemplateName = nullptr;
};
// The size a 32-bit caller writes; the native size is accepted too.
inline constexpr DWORD OPENFILENAMEA_V1_SIZE = 76;

// Non-zero on OK with the chosen path in lpstrFile (and the fields the flags ask for written);
// 0 on Cancel (CommDlgExtendedError 0) or an error: CDERR_STRUCTSIZE, CDERR_INITIALIZATION (no
// file buffer), FNERR_BUFFERTOOSMALL (the first two bytes of lpstrFile then hold the size
// needed). Modal over the top-level ancestor of hwndOwner; headless without a responder, Cancel.
BOOL GetOpenFileNameA(OPENFILENAMEA* ofn);
BOOL GetSaveFileNameA(OPENFILENAMEA* ofn);

} // namespace win

namespace forms {

using FileDialogResponderType = DialogResponder<FileDialogRequest, FileDialogAnswer>;
// One responder answers both kinds; FileDialogRequest::kind tells them apart.
FileDialogResponderType& FileDialogResponder();

} // namespace forms
