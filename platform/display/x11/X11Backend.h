#pragma once

#include "platform/display/Backend.h"
#include "platform/display/x11/X11Connection.h"
#include "platform/display/x11/X11Input.h"

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>

struct _XGC;
union _XEvent;

namespace display {

// Top-level surfaces as X windows on one display connection. The window layer keeps every piece of
// window state; this mirrors it on the server and turns what the server reports back into
// EventSink calls. Pixels go up with XPutImage straight from the window layer's framebuffers, so
// the visual must be 24- or 32-bit true colour with the usual masks.
class X11Backend final : public Backend {
public:
    // Null with a reason in error when the display cannot be opened or its visual does not fit.
    // displayName null means $DISPLAY.
    static std::unique_ptr<X11Backend> Open(const char* displayName, std::string* error = nullptr);
    // Opens the display, makes it the platform's backend and puts the platform's clock on real
    // time. Done at start-up, before any window exists; null (nothing changed) on failure.
    static X11Backend* Install(const char* displayName, std::string* error = nullptr);
    explicit X11Backend(std::unique_ptr<X11Connection> connection);
    ~X11Backend() override;

    void CreateSurface(uint32_t id, Rect screenRect, const SurfaceTraits& traits) override;
    void DestroySurface(uint32_t id) override;
    void Present(uint32_t id, Rect damage, std::span<const uint32_t> bgra, int width,
                 int height) override;
    void MoveResize(uint32_t id, Rect screenRect) override;
    void Show(uint32_t id, bool show) override;
    void Restack(std::span<const uint32_t> topToBottom) override;
    void SetMinimized(uint32_t id, bool minimized) override;
    void SetTitle(uint32_t id, std::string_view title) override;
    void SetTopmost(uint32_t id, bool topmost) override;
    void Activate(uint32_t id) override;
    void SetCursorShape(int cursorId) override;
    void GrabPointer(bool grab, const Rect* confine) override;
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    void WaitForEvents(int timeoutMs) override;

    // Probes for tests: the X window of a surface (0 when none), the X cursor shown for a shape,
    // and a round trip after which the server has carried out every request sent so far.
    unsigned long WindowOf(uint32_t id) const;
    unsigned long CursorFor(int cursorId);
    void Sync();

private:
    struct Surface {
        unsigned long window = 0;
        _XGC* gc = nullptr;
        Rect rect;
        bool visible = false;
        bool minimized = false;
        bool mapped = false;
        bool topmost = false;
        bool reparented = false;
        // Captioned or framed by the platform: a window manager may frame it instead.
        bool framed = false;
        // The window manager's frame around the X window, which then shows only the part of the
        // surface inside it.
        std::optional<Insets> extents;
        // Geometry reports older than the newest move we asked for echo earlier requests.
        unsigned long configureSerial = 0;
    };

    // Protocols, size, input and owner hints; borderless windows ask to go unframed.
    void DescribeToWindowManager(unsigned long window, Rect r, const SurfaceTraits& traits);
    Surface* Find(uint32_t id);
    uint32_t IdOf(unsigned long window) const;
    bool HasWindowManager();
    void ApplyMapping(uint32_t id, Surface& surface);
    void FocusSurface(const Surface& surface);
    // Window managers take state changes as a client message to the root window.
    void AskWindowManager(unsigned long window, unsigned long messageType,
                          std::array<long, 4> data);
    void ReleaseGrab();
    void ReleaseCursorsWhenIdle();
    void HandleEvent(_XEvent& event);
    void OnConfigure(uint32_t id, const _XEvent& event);
    void OnWmState(uint32_t id);
    void OnNetWmState(uint32_t id);
    void OnFrameExtents(uint32_t id);
    // Moves the X window to the surface's rectangle, less the window manager's frame.
    void PlaceWindow(Surface& surface);
    void OnFocusChange();

    std::unique_ptr<X11Connection> m_x;
    X11Input m_input;
    std::map<uint32_t, Surface> m_surfaces;
    std::map<unsigned long, uint32_t> m_ids;
    std::map<int, unsigned long> m_cursors;
    std::optional<int> m_cursorShape;
    unsigned long m_confineWindow = 0;
    bool m_grabbed = false;
    uint32_t m_activeId = 0;
};

} // namespace display
