#include "X11Fixture.h"

#include "platform/win/WinConstants.h"
#include "platform/win/detail/WindowTable.h"
#include "platform/win/test/Snapshot.h"
#include "platform/win/test/TestWindowClass.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XRes.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>

namespace displaytest {

using namespace win;

void X11Test::SetUp() {
    std::string error;
    m_server = XvfbServer::Start(&error, kScreenWidth, kScreenHeight);
    if (!m_server) {
        GTEST_SKIP() << "no private X server: " << error;
    }
    CleanPlatform::SetUp();
    m_backend = display::X11Backend::Install(m_server->DisplayName().c_str(), &error);
    ASSERT_NE(m_backend, nullptr) << error;
    m_connection = display::X11Connection::Open(m_server->DisplayName().c_str(), &error);
    ASSERT_NE(m_connection, nullptr) << error;
    m_x = m_connection->Get();
    int event = 0, errorBase = 0, major = 0, minor = 0;
    ASSERT_TRUE(XTestQueryExtension(m_x, &event, &errorBase, &major, &minor));
    test::TestWindowClass::Register(kWindowClass, {}, CS_DBLCLKS);
}

void X11Test::TearDown() {
    if (m_backend) {
        CleanPlatform::TearDown();
        display::InstallBackend(nullptr);
        m_backend = nullptr;
    }
    m_connection.reset();
    m_x = nullptr;
    m_server.reset();
}

bool X11Test::WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        XSync(m_x, False);
        m_backend->WaitForEvents(5);
        test::pump();
        m_backend->Sync();
        if (done()) {
            return true;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
    }
}

HWND X11Test::TopLevel(int x, int y, int w, int h, DWORD exStyle, HWND owner) {
    return CreateWindowExA(exStyle, kWindowClass, "", WS_POPUP | WS_VISIBLE, x, y, w, h, owner,
                           nullptr, nullptr, nullptr);
}

bool X11Test::Viewable(HWND hwnd) const {
    XWindowAttributes attrs{};
    return XWindow(hwnd) != 0 && XGetWindowAttributes(m_x, XWindow(hwnd), &attrs) &&
           attrs.map_state == IsViewable;
}

size_t X11Test::DifferingPixels(HWND top) const {
    const test::Snapshot framebuffer = test::CaptureFramebuffer(top);
    // Under a window manager's frame the X window shows only part of the framebuffer.
    RECT window;
    GetWindowRect(top, &window);
    const RECT shown = Geometry(top);
    const int dx = shown.left - window.left;
    const int dy = shown.top - window.top;
    const int width = shown.right - shown.left;
    const int height = shown.bottom - shown.top;
    if (dx < 0 || dy < 0 || dx + width > framebuffer.width || dy + height > framebuffer.height) {
        return SIZE_MAX;
    }
    XImage* image = XGetImage(m_x, XWindow(top), 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image) {
        return SIZE_MAX;
    }
    size_t differing = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            differing +=
                (XGetPixel(image, x, y) & 0xFFFFFF) != (framebuffer.At(x + dx, y + dy) & 0xFFFFFF);
        }
    }
    XDestroyImage(image);
    return differing;
}

// The platform's connection is the one client that is neither the test's own nor the server.
std::map<std::string, unsigned> X11Test::PlatformResources() const {
    int count = 0;
    XResClient* clients = nullptr;
    XResQueryClients(m_x, &count, &clients);
    const XID mine = XAllocID(m_x);
    XID platform = 0;
    for (int i = 0; i < count; ++i) {
        if (clients[i].resource_base != 0 &&
            (mine & ~clients[i].resource_mask) != clients[i].resource_base) {
            platform = clients[i].resource_base;
        }
    }
    XFree(clients);
    std::map<std::string, unsigned> counts{{"WINDOW", 0}, {"PIXMAP", 0}, {"GC", 0}, {"CURSOR", 0}};
    XResType* types = nullptr;
    if (platform && XResQueryClientResources(m_x, platform, &count, &types)) {
        for (int i = 0; i < count; ++i) {
            char* name = XGetAtomName(m_x, types[i].resource_type);
            if (counts.contains(name)) {
                counts[name] = types[i].count;
            }
            XFree(name);
        }
        XFree(types);
    }
    return counts;
}

HWND X11Test::FocusedWindow() const {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(m_x, &focus, &revert);
    for (HWND hwnd : Stacking()) {
        if (XWindow(hwnd) == focus) {
            return hwnd;
        }
    }
    return {};
}

std::vector<HWND> X11Test::Stacking() const {
    Window root = None, parent = None;
    Window* children = nullptr;
    unsigned count = 0;
    std::vector<HWND> order;
    if (!XQueryTree(m_x, DefaultRootWindow(m_x), &root, &parent, &children, &count)) {
        return order;
    }
    // Children come bottom first; the platform's list of top-level windows gives the handles.
    for (unsigned i = count; i-- > 0;) {
        for (HWND hwnd : detail::TopLevelWindowsInZOrder()) {
            if (XWindow(hwnd) == children[i]) {
                order.push_back(hwnd);
            }
        }
    }
    XFree(children);
    return order;
}

HWND X11Test::TransientFor(HWND hwnd) const {
    Window owner = None;
    XGetTransientForHint(m_x, XWindow(hwnd), &owner);
    for (HWND candidate : detail::TopLevelWindowsInZOrder()) {
        if (owner != None && XWindow(candidate) == owner) {
            return candidate;
        }
    }
    return {};
}

bool X11Test::OverrideRedirect(HWND hwnd) const {
    XWindowAttributes attrs{};
    return XGetWindowAttributes(m_x, XWindow(hwnd), &attrs) && attrs.override_redirect;
}

bool X11Test::StateAbove(HWND hwnd) const {
    const auto states =
        m_connection->Property32(XWindow(hwnd), m_connection->Atom().netWmState, XA_ATOM);
    return std::find(states.begin(), states.end(),
                     static_cast<long>(m_connection->Atom().netWmStateAbove)) != states.end();
}

std::string X11Test::WindowType(HWND hwnd) const {
    const auto types =
        m_connection->Property32(XWindow(hwnd), m_connection->Atom().netWmWindowType, XA_ATOM);
    if (types.size() != 1) {
        return {};
    }
    char* atomName = XGetAtomName(m_x, static_cast<Atom>(types[0]));
    const std::string name = atomName;
    XFree(atomName);
    return name;
}

RECT X11Test::Geometry(HWND hwnd) const {
    Window root = None;
    int x = 0, y = 0;
    unsigned w = 0, h = 0, border = 0, depth = 0;
    XGetGeometry(m_x, XWindow(hwnd), &root, &x, &y, &w, &h, &border, &depth);
    return {x, y, x + static_cast<int>(w), y + static_cast<int>(h)};
}

std::pair<std::string, std::string> X11Test::Titles(HWND hwnd) const {
    std::pair<std::string, std::string> titles;
    char* name = nullptr;
    if (XFetchName(m_x, XWindow(hwnd), &name) && name) {
        titles.first = name;
        XFree(name);
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(m_x, XWindow(hwnd), m_connection->Atom().netWmName, 0, 256, False,
                           m_connection->Atom().utf8String, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        titles.second.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    return titles;
}

unsigned X11Test::RootChildren() const {
    Window root = None, parent = None;
    Window* children = nullptr;
    unsigned count = 0;
    XQueryTree(m_x, DefaultRootWindow(m_x), &root, &parent, &children, &count);
    XFree(children);
    return count;
}

POINT X11Test::PointerPosition() const {
    Window root = None, child = None;
    int x = 0, y = 0, wx = 0, wy = 0;
    unsigned mask = 0;
    XQueryPointer(m_x, DefaultRootWindow(m_x), &root, &child, &x, &y, &wx, &wy, &mask);
    return {x, y};
}

bool X11Test::ShowsCursor(HWND hwnd, int cursorId) const {
    return XTestCompareCursorWithWindow(m_x, XWindow(hwnd), m_backend->CursorFor(cursorId));
}

bool X11Test::PointerFree() const {
    const int result = XGrabPointer(m_x, DefaultRootWindow(m_x), False, ButtonPressMask,
                                    GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
    XUngrabPointer(m_x, CurrentTime);
    XSync(m_x, False);
    return result == GrabSuccess;
}

void X11Test::FocusExternally(HWND hwnd) {
    m_backend->Sync();
    XSetInputFocus(m_x, hwnd ? XWindow(hwnd) : DefaultRootWindow(m_x), RevertToParent, CurrentTime);
    XFlush(m_x);
}

void X11Test::SetWmState(HWND hwnd, bool iconic) {
    m_backend->Sync();
    const Atom wmState = m_connection->Atom().wmState;
    const long state[2] = {iconic ? IconicState : NormalState, static_cast<long>(None)};
    XChangeProperty(m_x, XWindow(hwnd), wmState, wmState, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(state), 2);
    XFlush(m_x);
}

void X11Test::SetStateAbove(HWND hwnd, bool above) {
    m_backend->Sync();
    const Atom netWmState = m_connection->Atom().netWmState;
    const Atom state = m_connection->Atom().netWmStateAbove;
    if (above) {
        XChangeProperty(m_x, XWindow(hwnd), netWmState, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&state), 1);
    } else {
        XDeleteProperty(m_x, XWindow(hwnd), netWmState);
    }
    XFlush(m_x);
}

void X11Test::SetFrameExtents(HWND hwnd, std::optional<std::array<long, 4>> leftRightTopBottom) {
    m_backend->Sync();
    const Atom extents = m_connection->Atom().netFrameExtents;
    if (leftRightTopBottom) {
        XChangeProperty(m_x, XWindow(hwnd), extents, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(leftRightTopBottom->data()), 4);
    } else {
        XDeleteProperty(m_x, XWindow(hwnd), extents);
    }
    XFlush(m_x);
}

void X11Test::RequestClose(HWND hwnd) {
    m_backend->Sync();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = XWindow(hwnd);
    event.xclient.message_type = m_connection->Atom().wmProtocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(m_connection->Atom().wmDeleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_x, XWindow(hwnd), False, NoEventMask, &event);
    XFlush(m_x);
}

void X11Test::MoveResizeExternally(HWND hwnd, const RECT& r) {
    m_backend->Sync();
    XMoveResizeWindow(m_x, XWindow(hwnd), r.left, r.top, static_cast<unsigned>(r.right - r.left),
                      static_cast<unsigned>(r.bottom - r.top));
    XFlush(m_x);
}

void X11Test::MoveTo(int x, int y) {
    m_backend->Sync();
    XTestFakeMotionEvent(m_x, DefaultScreen(m_x), x, y, CurrentTime);
    XFlush(m_x);
}

void X11Test::Button(unsigned button, bool down) {
    m_backend->Sync();
    XTestFakeButtonEvent(m_x, button, down ? True : False, CurrentTime);
    XFlush(m_x);
}

void X11Test::Click(unsigned button) {
    Button(button, true);
    Button(button, false);
}

void X11Test::Key(unsigned long keysym, bool down) {
    m_backend->Sync();
    XTestFakeKeyEvent(m_x, XKeysymToKeycode(m_x, keysym), down ? True : False, CurrentTime);
    XFlush(m_x);
}

void X11Test::Tap(unsigned long keysym) {
    Key(keysym, true);
    Key(keysym, false);
}

void X11Test::TypeText(std::string_view text) {
    for (const char c : text) {
        const auto keysym = static_cast<KeySym>(static_cast<unsigned char>(c));
        const KeyCode code = XKeysymToKeycode(m_x, keysym);
        const bool shift = XkbKeycodeToKeysym(m_x, code, 0, 0) != keysym;
        if (shift) {
            Key(XK_Shift_L, true);
        }
        Tap(keysym);
        if (shift) {
            Key(XK_Shift_L, false);
        }
    }
}

void X11Test::TapSpareKey(unsigned long keysym) {
    int first = 0, last = 0, perCode = 0;
    XDisplayKeycodes(m_x, &first, &last);
    KeySym* map = XGetKeyboardMapping(m_x, static_cast<KeyCode>(first), last - first + 1, &perCode);
    int spare = 0;
    for (int code = last; code >= first && spare == 0; --code) {
        bool empty = true;
        for (int i = 0; i < perCode; ++i) {
            empty = empty && map[(code - first) * perCode + i] == NoSymbol;
        }
        spare = empty ? code : 0;
    }
    XFree(map);
    ASSERT_NE(spare, 0) << "no spare keycode";
    KeySym mapping = keysym;
    XChangeKeyboardMapping(m_x, spare, 1, &mapping, 1);
    XSync(m_x, False);
    XTestFakeKeyEvent(m_x, static_cast<unsigned>(spare), True, CurrentTime);
    XTestFakeKeyEvent(m_x, static_cast<unsigned>(spare), False, CurrentTime);
    XFlush(m_x);
}

} // namespace displaytest
