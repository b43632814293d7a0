#pragma once

#include "XvfbServer.h"

#include "platform/display/x11/X11Backend.h"
#include "platform/display/x11/X11Connection.h"
#include "platform/win/Win.h"
#include "platform/win/test/Spy.h"
#include "platform/win/test/TestApi.h"
#include "testsupport/CleanPlatform.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace displaytest {

using namespace std::chrono_literals;

// The platform on a private X server with the X11 backend, starting and ending clean, and a
// second connection of the test's own that plays the user (XTest input) and the window manager
// (what one would request). Every wait polls the real clock with a generous limit.
class X11Test : public testsupport::CleanPlatform {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the platform's loop (X events, messages, timers) until done holds; false after limit.
    [[nodiscard]] bool WaitUntil(const std::function<bool()>& done,
                                 std::chrono::milliseconds limit = 10s);

    // Not the headless screen's size, so that it shows where the platform asks the display.
    static constexpr int kScreenWidth = 1280;
    static constexpr int kScreenHeight = 800;
    // The test window class, with CS_DBLCLKS.
    static constexpr const char* kWindowClass = "X11Test";
    // A visible frameless top-level window of the test class.
    static win::HWND TopLevel(int x, int y, int w, int h, win::DWORD exStyle = 0,
                              win::HWND owner = {});
    unsigned long XWindow(win::HWND hwnd) const { return m_backend->WindowOf(hwnd.Value()); }
    // Mapped and viewable on the server.
    bool Viewable(win::HWND hwnd) const;

    // Pixels of a top-level window's X window that differ from its framebuffer (alpha aside);
    // SIZE_MAX when the server has no image of that size.
    size_t DifferingPixels(win::HWND top) const;
    // Windows, pixmaps, GCs and cursors the server holds for the platform's connection ("WINDOW",
    // "PIXMAP", "GC", "CURSOR").
    std::map<std::string, unsigned> PlatformResources() const;

    // What the server says about the platform's windows.
    win::HWND FocusedWindow() const;
    // Our top-level windows on the server, topmost first.
    std::vector<win::HWND> Stacking() const;
    win::HWND TransientFor(win::HWND hwnd) const;
    bool OverrideRedirect(win::HWND hwnd) const;
    bool StateAbove(win::HWND hwnd) const;
    // The name of the _NET_WM_WINDOW_TYPE asked for, empty for none.
    std::string WindowType(win::HWND hwnd) const;
    win::RECT Geometry(win::HWND hwnd) const;
    // The title in WM_NAME and in _NET_WM_NAME.
    std::pair<std::string, std::string> Titles(win::HWND hwnd) const;
    // Windows on the screen, whoever made them.
    unsigned RootChildren() const;
    win::POINT PointerPosition() const;
    // The X window shows the cursor of the X cursor font the backend uses for cursorId.
    bool ShowsCursor(win::HWND hwnd, int cursorId) const;
    // Another client could grab the pointer now (it is released at once).
    bool PointerFree() const;

    // What a window manager would do. These, and the user's input, first let the server carry out
    // what the platform asked so far: they act on what is on the screen.
    void FocusExternally(win::HWND hwnd); // null: the root window
    void SetWmState(win::HWND hwnd, bool iconic);
    void SetStateAbove(win::HWND hwnd, bool above);
    // _NET_FRAME_EXTENTS as a framing window manager sets it; nullopt deletes it.
    void SetFrameExtents(win::HWND hwnd, std::optional<std::array<long, 4>> leftRightTopBottom);
    void RequestClose(win::HWND hwnd);
    void MoveResizeExternally(win::HWND hwnd, const win::RECT& rect);

    // The user, through XTest on the test's connection.
    void MoveTo(int x, int y);
    void Button(unsigned button, bool down);
    void Click(unsigned button = 1);
    void Key(unsigned long keysym, bool down);
    void Tap(unsigned long keysym);
    // Printable ASCII, with Shift held for the characters that need it on the server's keymap.
    void TypeText(std::string_view text);
    // A keysym no key of the keymap carries: a spare keycode is given it first.
    void TapSpareKey(unsigned long keysym);

    std::unique_ptr<XvfbServer> m_server;
    display::X11Backend* m_backend = nullptr;
    // The test's own connection.
    std::unique_ptr<display::X11Connection> m_connection;
    _XDisplay* m_x = nullptr;
};

} // namespace displaytest
