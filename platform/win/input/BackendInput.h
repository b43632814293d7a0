#pragma once

#include "platform/display/Backend.h"

namespace win::detail {

// Turns what a display backend reports into hardware-queue events, exactly as test injection
// does, so input from a real display takes the same path through retrieval; surface events go to
// the window layer.
class BackendInput final : public display::EventSink {
public:
    // The process's sink, installed with the backend on first use.
    static BackendInput& Instance();

    void PointerMoved(int x, int y) override;
    void ButtonChanged(Button button, bool down, int x, int y) override;
    void WheelTurned(int delta, int x, int y) override;
    void KeyChanged(int vk, bool down) override;
    void TextTyped(char32_t codePoint) override;

    void SurfaceFocusChanged(uint32_t id, bool focused) override;
    void CloseRequested(uint32_t id) override;
    void Exposed(uint32_t id, display::Rect damage) override;
    void MovedOrResized(uint32_t id, display::Rect screenRect) override;
    void Minimized(uint32_t id, bool minimized) override;
    void TopmostChanged(uint32_t id, bool topmost) override;
    void FrameExtentsChanged(uint32_t id, std::optional<display::Insets> extents) override;
};

} // namespace win::detail
