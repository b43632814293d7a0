#pragma once

#include <memory>
#include <string>
#include <vector>

struct _XDisplay;

namespace display {

// One open display connection and the atoms the backend speaks in; closing it frees every
// resource the server still holds for the connection.
class X11Connection {
public:
    struct Atoms {
        unsigned long wmProtocols = 0;
        unsigned long wmDeleteWindow = 0;
        unsigned long wmState = 0;
        unsigned long wmChangeState = 0;
        unsigned long wmScreenSelection = 0; // WM_S<screen>: owned while a window manager runs
        unsigned long netWmState = 0;
        unsigned long netWmStateAbove = 0;
        unsigned long netActiveWindow = 0;
        unsigned long netWmName = 0;
        unsigned long utf8String = 0;
        unsigned long netWmWindowType = 0;
        unsigned long netWmWindowTypeUtility = 0;
        unsigned long motifWmHints = 0;
        unsigned long netFrameExtents = 0;
    };

    // Null with a reason in error when the display cannot be opened.
    static std::unique_ptr<X11Connection> Open(const char* displayName, std::string* error);
    // Takes ownership of an open display.
    explicit X11Connection(_XDisplay* display);
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    _XDisplay* Get() const { return m_display; }
    int Screen() const { return m_screen; }
    unsigned long Root() const { return m_root; }
    const Atoms& Atom() const { return m_atoms; }

    // A window's 32-bit property of the given type; empty when it is missing or of another type.
    std::vector<long> Property32(unsigned long window, unsigned long property,
                                 unsigned long type) const;

private:
    _XDisplay* m_display;
    int m_screen = 0;
    unsigned long m_root = 0;
    Atoms m_atoms;
};

} // namespace display
