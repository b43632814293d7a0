#pragma once

// The font dialog: the platform call and its test responder.

#include "platform/forms/dialogs/DialogResponder.h"
#include "platform/forms/dialogs/font/FontDialogRequest.h"

namespace win {

inline constexpr DWORD CF_SCREENFONTS = 0x00000001;
inline constexpr DWORD CF_ENABLEHOOK = 0x00000008;
inline constexpr DWORD CF_INITTOLOGFONTSTRUCT = 0x00000040;
inline constexpr DWORD CF_USESTYLE = 0x00000080;
inline constexpr DWORD CF_EFFECTS = 0x00000100;
inline constexpr DWORD CF_LIMITSIZE = 0x00002000;

inline constexpr WORD BOLD_FONTTYPE = 0x0100;
inline constexpr WORD ITALIC_FONTTYPE = 0x0200;
inline constexpr WORD REGULAR_FONTTYPE = 0x0400;
inline constexpr WORD SCREEN_FONTTYPE = 0x2000;

struct CHOOSEFONTA {
    DWORD lStructSize = 0;
    HWND hwndOwner;
    HDC hDC;
    LOGFONTA* lpLogFont = nullptr;
    INT iPointSize = 0; // tenths of a point
    DWORD Flags = 0;
    COLORREF rgbColors = 0;
    LPARAM lCustData = 0;
    void* lpfnHook = nullptr;
    LPCSTR lpTemplateName = nullptr;
    HINSTANCE hInstance;
    LPSTR lpszStyle = nullptr; // 32 bytes or more
    WORD nFontType = 0;
    WORD alignment = 0;
    INT nSizeMin = 0;
    INT nSizeMax = 0;
};
// The size a 32-bit caller writes; the native size is accepted too.
inline constexpr DWORD CHOOSEFONTA_V1_SIZE = 60;

// Non-zero on OK with *lpLogFont, iPointSize, rgbColors, nFontType and the style name written;
// 0 on Cancel (nothing written, CommDlgExtendedError 0), on a bad structure size
// (CDERR_STRUCTSIZE) or without a LOGFONTA (CDERR_INITIALIZATION). Modal over the top-level
// ancestor of hwndOwner; headless without a responder, Cancel.
BOOL ChooseFontA(CHOOSEFONTA* cf);

} // namespace win

namespace forms {

using FontDialogResponderType = DialogResponder<FontDialogRequest, FontDialogAnswer>;
FontDialogResponderType& FontDialogResponder();

} // namespace forms
