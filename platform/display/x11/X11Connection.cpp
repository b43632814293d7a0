#include "platform/display/x11/X11Connection.h"

#include <X11/Xlib.h>

#include <string>

namespace display {

namespace {

// Requests on windows the server has already dropped (a surface destroyed while a window manager
// still held it, focus on a window being unmapped) fail harmlessly; Xlib's default handler would
// end the process instead.
int IgnoreProtocolError(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

std::unique_ptr<X11Connection> X11Connection::Open(const char* displayName, std::string* error) {
    Display* display = XOpenDisplay(displayName);
    if (display == nullptr) {
        if (error) {
            *error = std::string("cannot open display ") + XDisplayName(displayName);
        }
        return nullptr;
    }
    return std::make_unique<X11Connection>(display);
}

X11Connection::X11Connection(Display* display) : m_display(display) {
    XSetErrorHandler(IgnoreProtocolError);
    m_screen = DefaultScreen(display);
    m_root = RootWindow(display, m_screen);
    auto intern = [display](const std::string& name) {
        return XInternAtom(display, name.c_str(), False);
    };
    m_atoms.wmProtocols = intern("WM_PROTOCOLS");
    m_atoms.wmDeleteWindow = intern("WM_DELETE_WINDOW");
    m_atoms.wmState = intern("WM_STATE");
    m_atoms.wmChangeState = intern("WM_CHANGE_STATE");
    m_atoms.wmScreenSelection = intern("WM_S" + std::to_string(m_screen));
    m_atoms.netWmState = intern("_NET_WM_STATE");
    m_atoms.netWmStateAbove = intern("_NET_WM_STATE_ABOVE");
    m_atoms.netActiveWindow = intern("_NET_ACTIVE_WINDOW");
    m_atoms.netWmName = intern("_NET_WM_NAME");
    m_atoms.utf8String = intern("UTF8_STRING");
    m_atoms.netWmWindowType = intern("_NET_WM_WINDOW_TYPE");
    m_atoms.netWmWindowTypeUtility = intern("_NET_WM_WINDOW_TYPE_UTILITY");
    m_atoms.motifWmHints = intern("_MOTIF_WM_HINTS");
    m_atoms.netFrameExtents = intern("_NET_FRAME_EXTENTS");
}

X11Connection::~X11Connection() {
    XCloseDisplay(m_display);
}

std::vector<long> X11Connection::Property32(unsigned long window, unsigned long property,
                                            unsigned long type) const {
    constexpr long kMaxItems = 64;
    ::Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* raw = nullptr;
    std::vector<long> items;
    if (XGetWindowProperty(m_display, window, property, 0, kMaxItems, False, type, &actualType,
                           &format, &count, &after, &raw) != Success) {
        return items;
    }
    // Format 32 comes as longs, whatever their width.
    if (raw && actualType == type && format == 32) {
        const auto* values = reinterpret_cast<const long*>(raw);
        items.assign(values, values + count);
    }
    XFree(raw);
    return items;
}

} // namespace display
