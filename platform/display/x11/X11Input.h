#pragma once

#include "platform/display/Backend.h"

#include <map>
#include <optional>

union _XEvent;

namespace display {

class X11Connection;

// Pointer and keyboard events of the display as the platform's hardware input: screen positions,
// buttons 1 to 3 and the wheel's buttons 4 and 5, keysyms as virtual keys or typed code points.
class X11Input {
public:
    explicit X11Input(const X11Connection& x) : m_x(x) {}

    // Translates an input event for the sink; false for events that are not input.
    bool Translate(_XEvent& event, EventSink& sink);

    // Keeps the pointer inside confine by warping it back on every move, for when it could not be
    // grabbed; null ends it.
    void WarpInto(const Rect* confine);

private:
    void OnPointer(const _XEvent& event, EventSink& sink);
    void OnKey(_XEvent& event, bool down, EventSink& sink);
    void OnKeymap(const _XEvent& event, EventSink& sink);

    const X11Connection& m_x;
    std::map<unsigned, int> m_keysDown; // keycode -> the virtual key reported down
    std::optional<Rect> m_warpConfine;
};

} // namespace display
