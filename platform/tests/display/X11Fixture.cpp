#include "X11Fixture.h"

#include "platform/win/WinConstants.h"
#include "platform/win/test/Snapshot.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XRes.h>
#include <X11/extensions/XTest.h>

#include <thread>

namespace displaytest {

using namespace win;

namespace {

constexpr const char* kClass = "X11Test";

// Long enough for a busy machine to deliver what the server already sent.
constexpr int kQuietMs = 30;

} // namespace

void X11Test::SetUp() {
    std::string error;
    m_server = XvfbServer::Start(&error);
    if (!m_server) {
        GTEST_SKIP() << "no private X server: " << error;
    }
    test::resetPlatform();
    m_backend = display::X11Backend::Install(m_server->DisplayName().c_str(), &error);
    ASSERT_NE(m_backend, nullptr) << error;
    m_x = XOpenDisplay(m_server->DisplayName().c_str());
    ASSERT_NE(m_x, nullptr);
    int event = 0, errorBase = 0, major = 0, minor = 0;
    ASSERT_TRUE(XTestQueryExtension(m_x, &event, &errorBase, &major, &minor));

    WNDCLASSEXA wc;
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kClass;
    RegisterClassExA(&wc);
}

void X11Test::TearDown() {
    if (m_backend) {
        test::resetPlatform();
        display::InstallBackend(nullptr);
        m_backend = nullptr;
    }
    if (m_x) {
        XCloseDisplay(m_x);
        m_x = nullptr;
    }
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

void X11Test::Settle() {
    // Quiet once a round trip on each side brings in nothing new for a while.
    auto quietSince = std::chrono::steady_clock::now();
    const auto deadline = quietSince + 10s;
    while (std::chrono::steady_clock::now() < deadline) {
        XSync(m_x, False);
        m_backend->Sync();
        const size_t before = test::pendingInputCount();
        m_backend->WaitForEvents(5);
        const bool arrived = test::pendingInputCount() != before;
        const bool busy = test::pumpOnce();
        if (arrived || busy) {
            test::pump();
            quietSince = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - quietSince >
                   std::chrono::milliseconds(kQuietMs)) {
            return;
        }
    }
}

HWND X11Test::TopLevel(int x, int y, int w, int h, DWORD exStyle, HWND owner) {
    return CreateWindowExA(exStyle, kClass, "", WS_POPUP | WS_VISIBLE, x, y, w, h, owner, nullptr,
                           nullptr, nullptr);
}

bool X11Test::Viewable(HWND hwnd) const {
    XWindowAttributes attrs{};
    return XWindow(hwnd) != 0 && XGetWindowAttributes(m_x, XWindow(hwnd), &attrs) &&
           attrs.map_state == IsViewable;
}

size_t X11Test::DifferingPixels(HWND top) const {
    const test::Snapshot framebuffer = test::CaptureFramebuffer(top);
    XImage* image = XGetImage(m_x, XWindow(top), 0, 0, static_cast<unsigned>(framebuffer.width),
                              static_cast<unsigned>(framebuffer.height), AllPlanes, ZPixmap);
    if (!image) {
        return SIZE_MAX;
    }
    size_t differing = 0;
    for (int y = 0; y < framebuffer.height; ++y) {
        for (int x = 0; x < framebuffer.width; ++x) {
            differing += (XGetPixel(image, x, y) & 0xFFFFFF) != (framebuffer.At(x, y) & 0xFFFFFF);
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
    std::map<std::string, unsigned> counts{{"WINDOW", 0}, {"PIXMAP", 0}, {"GC", 0}};
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

void X11Test::MoveTo(int x, int y) {
    XTestFakeMotionEvent(m_x, DefaultScreen(m_x), x, y, CurrentTime);
    XFlush(m_x);
}

void X11Test::Button(unsigned button, bool down) {
    XTestFakeButtonEvent(m_x, button, down ? True : False, CurrentTime);
    XFlush(m_x);
}

void X11Test::Click(unsigned button) {
    Button(button, true);
    Button(button, false);
}

void X11Test::Key(unsigned long keysym, bool down) {
    XTestFakeKeyEvent(m_x, XKeysymToKeycode(m_x, keysym), down ? True : False, CurrentTime);
    XFlush(m_x);
}

void X11Test::Tap(unsigned long keysym) {
    Key(keysym, true);
    Key(keysym, false);
}

} // namespace displaytest
