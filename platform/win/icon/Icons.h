#pragma once

// Icons and cursors from pixels: a colour bitmap, an AND mask and, for 32-bit images, an alpha
// channel that is blended when drawn.

#include "platform/win/WinTypes.h"

#include <cstddef>

namespace win {

// Built-in icons for LoadIconA(NULL, id).
inline constexpr int IDI_APPLICATION = 32512;
inline constexpr int IDI_HAND = 32513;
inline constexpr int IDI_ERROR = IDI_HAND;
inline constexpr int IDI_QUESTION = 32514;
inline constexpr int IDI_EXCLAMATION = 32515;
inline constexpr int IDI_WARNING = IDI_EXCLAMATION;
inline constexpr int IDI_ASTERISK = 32516;
inline constexpr int IDI_INFORMATION = IDI_ASTERISK;

// DrawIconEx flags.
inline constexpr UINT DI_MASK = 0x0001;
inline constexpr UINT DI_IMAGE = 0x0002;
inline constexpr UINT DI_NORMAL = 0x0003;
inline constexpr UINT DI_COMPAT = 0x0004;
inline constexpr UINT DI_DEFAULTSIZE = 0x0008;

struct ICONINFO {
    BOOL fIcon = TRUE;  // FALSE for a cursor
    DWORD xHotspot = 0; // centre for icons
    DWORD yHotspot = 0;
    HBITMAP hbmMask;  // 1 bit per pixel, set = transparent; the caller deletes it
    HBITMAP hbmColor; // 32 bits per pixel; the caller deletes it
};

// Built-in icons (hInstance null), 32 x 32; the same id always yields the same handle, which
// DestroyIcon leaves alive. Unknown ids and non-null instances fail with null.
HICON LoadIconA(HINSTANCE hInstance, int iconId);

// Built-in icon at cx x cy: the built-in drawings exist in 32 x 32 and 16 x 16; other sizes
// scale the nearer one.
HICON LoadIconSized(int iconId, int cx, int cy);

// Copies both bitmaps; hbmColor may be null (the mask then holds AND and XOR halves, as on the
// platform, and is read as a monochrome icon). Null for a missing or unusable mask.
HICON CreateIconIndirect(const ICONINFO* info);

// Fresh copies of the icon's bitmaps; the caller deletes them.
BOOL GetIconInfo(HICON icon, ICONINFO* info);

BOOL DestroyIcon(HICON icon);
BOOL DestroyCursor(HCURSOR cursor);

// Draws at (x, y) scaled to cx x cy (0 = natural size), nearest neighbour. istepIfAniCur and
// hbrFlickerFreeDraw are accepted and unused. Logical coordinates, the DC's clip honoured.
BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int cx, int cy, UINT istepIfAniCur,
                HBRUSH hbrFlickerFreeDraw, UINT flags);
BOOL DrawIcon(HDC hdc, int x, int y, HICON icon);

namespace test {
// Icons and cursors created and not yet destroyed (built-in icons excluded).
size_t LiveIconCount();
} // namespace test

} // namespace win
