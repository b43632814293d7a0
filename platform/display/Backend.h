#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

namespace display {

// Screen pixels, right and bottom exclusive. Kept apart from win's RECT so that backends never
// see the window layer.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The thickness of a frame on each side.
struct Insets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const Insets&) const = default;
};

// What a window manager of the display needs to know about a new top-level surface.
struct SurfaceTraits {
    uint32_t ownerId = 0;    // the owner's surface (owned windows stay above it); 0 for none
    bool mayActivate = true; // false for tooltips, drop-down lists, menus and calendars
    bool borderless = false; // no caption or sizing frame of the platform's own
};

// Where top-level windows go. The window layer owns every framebuffer and all window state
// (activation, z-order, capture, focus); a backend only mirrors top-level surfaces, shows pixels
// and reports the screen. Surface ids are HWND values.
class Backend {
public:
    virtual ~Backend() = default;

    virtual void CreateSurface(uint32_t id, Rect screenRect, const SurfaceTraits& traits) = 0;
    virtual void DestroySurface(uint32_t id) = 0;
    // bgra holds width x height pixels, row by row; only damage needs to reach the screen.
    virtual void Present(uint32_t id, Rect damage, std::span<const uint32_t> bgra, int width,
                         int height) = 0;
    virtual void MoveResize(uint32_t id, Rect screenRect) = 0;
    virtual void Show(uint32_t id, bool show) = 0;
    virtual void Restack(std::span<const uint32_t> topToBottom) = 0;
    virtual void SetMinimized(uint32_t id, bool minimized) = 0;
    virtual void SetTitle(uint32_t id, std::string_view title) = 0;
    // What a window manager of the display needs beyond the stacking order: the topmost band, and
    // which surface the platform made active (0: none) so that the keyboard follows it.
    virtual void SetTopmost(uint32_t /*id*/, bool /*topmost*/) {}
    virtual void Activate(uint32_t /*id*/) {}

    // A stock cursor id (32512 and up); 0 hides the pointer.
    virtual void SetCursorShape(int cursorId) = 0;
    // confine is null for a plain grab; grab false releases any grab and confinement.
    virtual void GrabPointer(bool grab, const Rect* confine) = 0;

    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;

    // Blocks until an event arrives or timeoutMs passes (negative: no timeout). A backend without
    // an event source returns at once.
    virtual void WaitForEvents(int timeoutMs) = 0;
};

// What a backend reports: input for the platform's hardware queue (screen pixels; the platform
// stamps each event with its clock) and events about its surfaces. The window layer installs the
// sink; surface events it does not handle are ignored.
class EventSink {
public:
    enum class Button { Left, Right, Middle };

    virtual ~EventSink() = default;

    virtual void PointerMoved(int x, int y) = 0;
    virtual void ButtonChanged(Button button, bool down, int x, int y) = 0;
    virtual void WheelTurned(int delta, int x, int y) = 0;
    // vk: the platform's virtual-key code.
    virtual void KeyChanged(int vk, bool down) = 0;
    // Text the key events above do not cover (input methods, composed characters).
    virtual void TextTyped(char32_t codePoint) = 0;

    virtual void SurfaceFocusChanged(uint32_t /*id*/, bool /*focused*/) {}
    virtual void CloseRequested(uint32_t /*id*/) {}
    virtual void Exposed(uint32_t /*id*/, Rect /*damage*/) {}
    virtual void MovedOrResized(uint32_t /*id*/, Rect /*screenRect*/) {}
    virtual void Minimized(uint32_t /*id*/, bool /*minimized*/) {}
    // A window manager put the surface in or out of the band above all others.
    virtual void TopmostChanged(uint32_t /*id*/, bool /*topmost*/) {}
    // A window manager framed the surface with its own decorations (extents: their thickness) or
    // stopped (nullopt). While framed, the screen shows only the surface inside the extents, and
    // the surface's rectangle stays the outer edge of the manager's frame.
    virtual void FrameExtentsChanged(uint32_t /*id*/, std::optional<Insets> /*extents*/) {}
};

// The sink backends deliver to; null until the window layer installs one.
EventSink* CurrentEventSink();
void InstallEventSink(EventSink* sink);

// The backend in use; headless until another one is installed.
Backend& CurrentBackend();

// Installs a backend (null restores a fresh headless one). Made at start-up, before any window
// exists.
void InstallBackend(std::unique_ptr<Backend> backend);

} // namespace display
