#pragma once

#include "platform/display/Backend.h"

#include <map>
#include <string>
#include <vector>

namespace display {

// No display connection: surfaces are bookkeeping, presenting only marks the screen composite
// dirty (the window layer builds the composite from its framebuffers on demand), and the screen
// size is whatever the tests configure.
class HeadlessBackend final : public Backend {
public:
    static constexpr int kDefaultWidth = 1024;
    static constexpr int kDefaultHeight = 768;

    struct Surface {
        Rect rect;
        uint32_t ownerId = 0;
        bool mayActivate = true;
        bool borderless = false;
        bool visible = false;
        bool minimized = false;
        std::string title;
        uint64_t presentCount = 0;
    };

    void CreateSurface(uint32_t id, Rect screenRect, const SurfaceTraits& traits) override;
    void DestroySurface(uint32_t id) override;
    void Present(uint32_t id, Rect damage, std::span<const uint32_t> bgra, int width,
                 int height) override;
    void MoveResize(uint32_t id, Rect screenRect) override;
    void Show(uint32_t id, bool show) override;
    void Restack(std::span<const uint32_t> topToBottom) override;
    void SetMinimized(uint32_t id, bool minimized) override;
    void SetTitle(uint32_t id, std::string_view title) override;
    void SetCursorShape(int cursorId) override;
    void GrabPointer(bool grab, const Rect* confine) override;
    int ScreenWidth() const override { return m_width; }
    int ScreenHeight() const override { return m_height; }
    void WaitForEvents(int timeoutMs) override;

    void SetScreenSize(int width, int height);

    // Probes for tests.
    const Surface* FindSurface(uint32_t id) const;
    size_t SurfaceCount() const { return m_surfaces.size(); }
    const std::vector<uint32_t>& Stacking() const { return m_stacking; }
    int CursorShape() const { return m_cursorShape; }
    bool PointerGrabbed() const { return m_grabbed; }
    const Rect* PointerConfinement() const { return m_confined ? &m_confine : nullptr; }
    bool CompositeDirty() const { return m_compositeDirty; }
    void MarkCompositeClean() { m_compositeDirty = false; }

private:
    Surface* Find(uint32_t id);

    std::map<uint32_t, Surface> m_surfaces;
    std::vector<uint32_t> m_stacking;
    int m_width = kDefaultWidth;
    int m_height = kDefaultHeight;
    int m_cursorShape = 0;
    bool m_grabbed = false;
    bool m_confined = false;
    Rect m_confine;
    bool m_compositeDirty = true;
};

// The current backend when it is the headless one, else null.
HeadlessBackend* CurrentHeadless();

} // namespace display
