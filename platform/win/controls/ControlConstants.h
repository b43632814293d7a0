#pragma once

// Styles, messages, notifications and structures of the standard controls (Edit, ScrollBar, the
// tooltip control) and of common-control initialisation.

#include "platform/win/WinTypes.h"

namespace win {

// Edit styles, messages and notifications.
inline constexpr DWORD ES_LEFT = 0x0000;
inline constexpr DWORD ES_MULTILINE = 0x0004;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_READONLY = 0x0800;
inline constexpr UINT EM_GETSEL = 0x00B0;
inline constexpr UINT EM_SETSEL = 0x00B1;
inline constexpr UINT EM_REPLACESEL = 0x00C2;
inline constexpr UINT EM_LIMITTEXT = 0x00C5;
inline constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
inline constexpr UINT EM_SETREADONLY = 0x00CF;
inline constexpr UINT EM_GETLIMITTEXT = 0x00D5;
inline constexpr WORD EN_SETFOCUS = 0x0100;
inline constexpr WORD EN_KILLFOCUS = 0x0200;
inline constexpr WORD EN_CHANGE = 0x0300;
inline constexpr WORD EN_UPDATE = 0x0400;
inline constexpr WORD EN_MAXTEXT = 0x0501;

// Scroll bar styles, messages and codes.
inline constexpr DWORD SBS_HORZ = 0x0000;
inline constexpr DWORD SBS_VERT = 0x0001;
inline constexpr UINT SBM_SETPOS = 0x00E0;
inline constexpr UINT SBM_GETPOS = 0x00E1;
inline constexpr UINT SBM_SETRANGE = 0x00E2;
inline constexpr UINT SBM_GETRANGE = 0x00E3;
inline constexpr UINT SBM_SETRANGEREDRAW = 0x00E6;
inline constexpr UINT SBM_SETSCROLLINFO = 0x00E9;
inline constexpr UINT SBM_GETSCROLLINFO = 0x00EA;
inline constexpr UINT SIF_RANGE = 0x0001;
inline constexpr UINT SIF_PAGE = 0x0002;
inline constexpr UINT SIF_POS = 0x0004;
inline constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
inline constexpr UINT SIF_TRACKPOS = 0x0010;
inline constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
inline constexpr WORD SB_LINEUP = 0;
inline constexpr WORD SB_LINELEFT = 0;
inline constexpr WORD SB_LINEDOWN = 1;
inline constexpr WORD SB_LINERIGHT = 1;
inline constexpr WORD SB_PAGEUP = 2;
inline constexpr WORD SB_PAGELEFT = 2;
inline constexpr WORD SB_PAGEDOWN = 3;
inline constexpr WORD SB_PAGERIGHT = 3;
inline constexpr WORD SB_THUMBPOSITION = 4;
inline constexpr WORD SB_THUMBTRACK = 5;
inline constexpr WORD SB_TOP = 6;
inline constexpr WORD SB_LEFT = 6;
inline constexpr WORD SB_BOTTOM = 7;
inline constexpr WORD SB_RIGHT = 7;
inline constexpr WORD SB_ENDSCROLL = 8;

struct SCROLLINFO {
    UINT cbSize = 0;
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

// Tooltip styles, flags, messages, notifications and delay kinds.
inline constexpr DWORD TTS_ALWAYSTIP = 0x0001;
inline constexpr DWORD TTS_NOPREFIX = 0x0002;
inline constexpr DWORD TTS_NOANIMATE = 0x0010;
inline constexpr DWORD TTS_NOFADE = 0x0020;
inline constexpr DWORD TTS_BALLOON = 0x0040;
inline constexpr UINT TTF_IDISHWND = 0x0001;
inline constexpr UINT TTF_CENTERTIP = 0x0002;
inline constexpr UINT TTF_SUBCLASS = 0x0010;
inline constexpr UINT TTF_TRANSPARENT = 0x0100;
inline constexpr UINT TTM_ACTIVATE = 0x0401;
inline constexpr UINT TTM_SETDELAYTIME = 0x0403;
inline constexpr UINT TTM_ADDTOOLA = 0x0404;
inline constexpr UINT TTM_DELTOOLA = 0x0405;
inline constexpr UINT TTM_NEWTOOLRECTA = 0x0406;
inline constexpr UINT TTM_RELAYEVENT = 0x0407;
inline constexpr UINT TTM_GETTOOLINFOA = 0x0408;
inline constexpr UINT TTM_SETTOOLINFOA = 0x0409;
inline constexpr UINT TTM_GETTEXTA = 0x040B;
inline constexpr UINT TTM_UPDATETIPTEXTA = 0x040C;
inline constexpr UINT TTM_GETTOOLCOUNT = 0x040D;
inline constexpr UINT TTM_ENUMTOOLSA = 0x040E;
inline constexpr UINT TTM_SETTIPBKCOLOR = 0x0413;
inline constexpr UINT TTM_SETTIPTEXTCOLOR = 0x0414;
inline constexpr UINT TTM_GETDELAYTIME = 0x0415;
inline constexpr UINT TTM_GETTIPBKCOLOR = 0x0416;
inline constexpr UINT TTM_GETTIPTEXTCOLOR = 0x0417;
inline constexpr UINT TTM_SETMARGIN = 0x041A;
inline constexpr UINT TTM_GETMARGIN = 0x041B;
inline constexpr UINT TTM_POP = 0x041C;
inline constexpr UINT TTM_ADJUSTRECT = 0x041F;
inline constexpr UINT TTM_SETTITLEA = 0x0420;
inline constexpr int TTN_SHOW = -521;
inline constexpr int TTN_POP = -522;
inline constexpr WPARAM TTDT_AUTOMATIC = 0;
inline constexpr WPARAM TTDT_RESHOW = 1;
inline constexpr WPARAM TTDT_AUTOPOP = 2;
inline constexpr WPARAM TTDT_INITIAL = 3;
inline constexpr WPARAM TTI_NONE = 0;
inline constexpr WPARAM TTI_INFO = 1;
inline constexpr WPARAM TTI_WARNING = 2;
inline constexpr WPARAM TTI_ERROR = 3;

struct TOOLINFOA {
    UINT cbSize = 0;
    UINT uFlags = 0;
    HWND hwnd;
    UINT_PTR uId = 0;
    RECT rect;
    HINSTANCE hinst;
    LPSTR lpszText = nullptr;
    LPARAM lParam = 0;
};
using TTTOOLINFOA = TOOLINFOA;
// The size a 32-bit caller writes; the native size is accepted too.
inline constexpr UINT TTTOOLINFOA_V2_SIZE = 44;

// Common-control initialisation.
inline constexpr DWORD ICC_LISTVIEW_CLASSES = 0x0001;
inline constexpr DWORD ICC_TREEVIEW_CLASSES = 0x0002;
inline constexpr DWORD ICC_BAR_CLASSES = 0x0004;
inline constexpr DWORD ICC_TAB_CLASSES = 0x0008;
inline constexpr DWORD ICC_UPDOWN_CLASS = 0x0010;
inline constexpr DWORD ICC_PROGRESS_CLASS = 0x0020;
inline constexpr DWORD ICC_HOTKEY_CLASS = 0x0040;
inline constexpr DWORD ICC_ANIMATE_CLASS = 0x0080;
inline constexpr DWORD ICC_WIN95_CLASSES = 0x00FF;
inline constexpr DWORD ICC_DATE_CLASSES = 0x0100;
inline constexpr DWORD ICC_USEREX_CLASSES = 0x0200;
inline constexpr DWORD ICC_COOL_CLASSES = 0x0400;
inline constexpr DWORD ICC_STANDARD_CLASSES = 0x4000;

struct INITCOMMONCONTROLSEX {
    DWORD dwSize = 0;
    DWORD dwICC = 0;
};
static_assert(sizeof(INITCOMMONCONTROLSEX) == 8);

inline constexpr const char* TOOLTIPS_CLASSA = "tooltips_class32";

} // namespace win
