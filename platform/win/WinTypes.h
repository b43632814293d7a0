#pragma once

// The platform's scalar types, handles, callback types, structures and the word/colour helpers
// that control code expects under their platform names.

#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <type_traits>

namespace win {

using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = uint32_t;
using INT = int32_t;
using LONG = int32_t;
using ULONG = uint32_t;
using BOOL = int32_t;
using ATOM = uint16_t;
using COLORREF = uint32_t;
using UINT_PTR = uintptr_t;
using ULONG_PTR = uintptr_t;
using DWORD_PTR = uintptr_t;
using INT_PTR = intptr_t;
using LONG_PTR = intptr_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LPVOID = void*;
using LPCSTR = const char*;
using LPSTR = char*;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

namespace detail {
// One process-wide counter for every handle kind: values are unique across kinds and never reused.
uint32_t AllocateHandleValue();
} // namespace detail

// Handle kinds. GDI object kinds convert implicitly to HGDIOBJ and back only explicitly.
struct WindowTag {};
struct DcTag {};
struct GdiObjectTag {};
struct PenTag {};
struct BrushTag {};
struct FontTag {};
struct BitmapTag {};
struct RegionTag {};
struct IconTag {};
struct MenuTag {};
struct AccelTag {};
struct HookTag {};
struct InstanceTag {};

template <class Tag>
inline constexpr bool IsGdiObjectKind =
    std::is_same_v<Tag, PenTag> || std::is_same_v<Tag, BrushTag> || std::is_same_v<Tag, FontTag> ||
    std::is_same_v<Tag, BitmapTag> || std::is_same_v<Tag, RegionTag>;

// A 32-bit handle value of one kind; 0 is null.
template <class Tag>
class Handle {
public:
    constexpr Handle() = default;
    constexpr Handle(std::nullptr_t) {}

    // A GDI object handle of a specific kind from the generic one (SelectObject's result).
    template <class Other>
    requires(IsGdiObjectKind<Tag>&& std::is_same_v<Other, GdiObjectTag>) constexpr explicit Handle(
        Handle<Other> object)
        : m_value(object.Value()) {}

    static constexpr Handle FromValue(uint32_t value) {
        Handle h;
        h.m_value = value;
        return h;
    }
    static Handle New() { return FromValue(detail::AllocateHandleValue()); }

    constexpr uint32_t Value() const { return m_value; }
    constexpr explicit operator bool() const { return m_value != 0; }

    template <class Target = GdiObjectTag>
    requires(IsGdiObjectKind<Tag>&& std::is_same_v<Target, GdiObjectTag>) constexpr
    operator Handle<Target>() const {
        return Handle<Target>::FromValue(m_value);
    }

    friend constexpr bool operator==(Handle, Handle) = default;
    friend constexpr auto operator<=>(Handle, Handle) = default;
    friend constexpr bool operator==(Handle h, std::nullptr_t) { return h.m_value == 0; }

private:
    uint32_t m_value = 0;
};

using HWND = Handle<WindowTag>;
using HDC = Handle<DcTag>;
using HGDIOBJ = Handle<GdiObjectTag>;
using HPEN = Handle<PenTag>;
using HBRUSH = Handle<BrushTag>;
using HFONT = Handle<FontTag>;
using HBITMAP = Handle<BitmapTag>;
using HRGN = Handle<RegionTag>;
using HICON = Handle<IconTag>;
using HCURSOR = HICON;
using HMENU = Handle<MenuTag>;
using HACCEL = Handle<AccelTag>;
using HHOOK = Handle<HookTag>;
using HINSTANCE = Handle<InstanceTag>;
using HMODULE = HINSTANCE;

// Handles travel through WPARAM/LPARAM/LRESULT as their 32-bit value.
template <class Tag>
constexpr LPARAM HandleToParam(Handle<Tag> h) {
    return static_cast<LPARAM>(h.Value());
}
template <class H>
constexpr H HandleFromParam(intptr_t value) {
    return H::FromValue(static_cast<uint32_t>(value));
}
constexpr HWND HwndFromParam(intptr_t value) {
    return HandleFromParam<HWND>(value);
}
constexpr HDC HdcFromParam(intptr_t value) {
    return HandleFromParam<HDC>(value);
}
constexpr HBRUSH HbrushFromParam(intptr_t value) {
    return HandleFromParam<HBRUSH>(value);
}
constexpr HFONT HfontFromParam(intptr_t value) {
    return HandleFromParam<HFONT>(value);
}

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using HOOKPROC = LRESULT (*)(int, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);

struct POINT {
    LONG x = 0;
    LONG y = 0;
    friend constexpr bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
    friend constexpr bool operator==(const SIZE&, const SIZE&) = default;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
    friend constexpr bool operator==(const RECT&, const RECT&) = default;
};

struct MSG {
    HWND hwnd;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    POINT pt;
};

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase = FALSE;
    RECT rcPaint;
    BOOL fRestore = FALSE;
    BOOL fIncUpdate = FALSE;
    BYTE rgbReserved[32] = {};
};

struct WNDCLASSEXA {
    UINT cbSize = 0;
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground; // a brush, or COLOR_x + 1
    LPCSTR lpszMenuName = nullptr;
    LPCSTR lpszClassName = nullptr;
    HICON hIconSm;
};

struct CREATESTRUCTA {
    LPVOID lpCreateParams = nullptr;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    LPCSTR lpszName = nullptr;
    LPCSTR lpszClass = nullptr;
    DWORD dwExStyle = 0;
};

struct WINDOWPOS {
    HWND hwnd;
    HWND hwndInsertAfter;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
};

struct NCCALCSIZE_PARAMS {
    RECT rgrc[3];
    WINDOWPOS* lppos = nullptr;
};

struct STYLESTRUCT {
    DWORD styleOld = 0;
    DWORD styleNew = 0;
};

struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom = 0;
    int code = 0;
};

struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;
    WORD wDayOfWeek = 0;
    WORD wDay = 0;
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};

struct MOUSEHOOKSTRUCT {
    POINT pt;
    HWND hwnd;
    UINT wHitTestCode = 0;
    ULONG_PTR dwExtraInfo = 0;
};

struct OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize = 0;
    DWORD dwMajorVersion = 0;
    DWORD dwMinorVersion = 0;
    DWORD dwBuildNumber = 0;
    DWORD dwPlatformId = 0;
    char szCSDVersion[128] = {};
};
static_assert(sizeof(OSVERSIONINFOA) == 148);

// Word and colour helpers.
constexpr WORD LOWORD(uint64_t value) {
    return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(uint64_t value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr BYTE LOBYTE(uint64_t value) {
    return static_cast<BYTE>(value & 0xFF);
}
constexpr LONG MAKELONG(uint32_t low, uint32_t high) {
    return static_cast<LONG>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
constexpr WPARAM MAKEWPARAM(uint32_t low, uint32_t high) {
    return static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(low, high)));
}
constexpr LPARAM MAKELPARAM(uint32_t low, uint32_t high) {
    return static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(low, high)));
}
constexpr LRESULT MAKELRESULT(uint32_t low, uint32_t high) {
    return MAKELPARAM(low, high);
}
// Signed 16-bit coordinates packed in a mouse message's lParam.
constexpr int GET_X_LPARAM(LPARAM lParam) {
    return static_cast<int16_t>(LOWORD(static_cast<uint64_t>(lParam)));
}
constexpr int GET_Y_LPARAM(LPARAM lParam) {
    return static_cast<int16_t>(HIWORD(static_cast<uint64_t>(lParam)));
}
constexpr short GET_WHEEL_DELTA_WPARAM(WPARAM wParam) {
    return static_cast<short>(HIWORD(wParam));
}

constexpr COLORREF RGB(uint32_t r, uint32_t g, uint32_t b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}

} // namespace win

template <class Tag>
struct std::hash<win::Handle<Tag>> {
    size_t operator()(win::Handle<Tag> h) const noexcept {
        return std::hash<uint32_t>{}(h.Value());
    }
};
