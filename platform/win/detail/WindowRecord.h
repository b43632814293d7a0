#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/detail/SiblingOrder.h"
#include "platform/win/gdi/raster/Region.h"
#include "platform/win/window/NonClient.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace win::gdi {
class Surface;
}

namespace win::detail {

// A registered window class, shared by the windows created from it.
struct WindowClass {
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    HINSTANCE instance;
    HICON icon;
    HICON iconSmall;
    HCURSOR cursor;
    HBRUSH background; // a brush, or COLOR_x + 1
    int classExtra = 0;
    int windowExtra = 0;
    bool system = false;
    bool neverActivates = false; // tooltips, drop-down lists, menus, calendars
};

// Everything the platform knows about one window. Records are reference counted: a record stays
// alive while a dispatch to it is running, even after its handle became invalid.
struct WindowRecord {
    HWND hwnd;
    std::shared_ptr<const WindowClass> windowClass;
    WNDPROC proc = nullptr;

    // parent: the window this one is a child of (null for top-level windows).
    // owner: for top-level windows, the window given as parent at creation; may be a child window.
    HWND parent;
    HWND owner;
    SiblingOrder children; // z-order, topmost first

    DWORD style = 0;
    DWORD exStyle = 0;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    HINSTANCE instance;
    std::string text;

    RECT windowRect;  // screen coordinates, non-client area included
    RECT clientRect;  // screen coordinates
    RECT restoreRect; // window rectangle before minimise or maximise, parent coordinates
    bool maximizedBeforeMinimize = false; // restoring a minimised window maximises it again

    gdi::Region updateRegion; // client coordinates
    bool eraseBackground = false;
    bool frameDirty = false; // the non-client area waits for WM_NCPAINT
    bool redrawOff = false;  // WM_SETREDRAW(FALSE): invalidations are dropped until it is back on

    HWND lastFocus; // top-level windows: the focus to restore on activation

    bool beingDestroyed = false; // DestroyWindow has started on it
    bool destroySent = false; // WM_DESTROY went out (it goes out once, however destruction nests)
    bool destroyed = false;   // WM_NCDESTROY returned; the handle is invalid

    std::unique_ptr<gdi::Surface> surface; // top-level windows only
    // A display's window manager draws the frame and caption of this top-level window instead:
    // their thickness on each side, in place of the platform's own.
    std::optional<NonClientInsets> managerFrame;

    WindowRecord();
    ~WindowRecord();
    WindowRecord(const WindowRecord&) = delete;
    WindowRecord& operator=(const WindowRecord&) = delete;

    bool IsChild() const { return static_cast<bool>(parent); }
    UINT ClassStyle() const;
    HCURSOR ClassCursor() const;
    HBRUSH ClassBackground() const;
};

} // namespace win::detail
