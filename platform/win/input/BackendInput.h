#pragma once

#include "platform/display/Backend.h"

namespace win::detail {

// Turns what a display backend reports into hardware-queue events, exactly as test injection
// does, so input from a real display takes the same path through retrieval.
class BackendInput final : public display::EventSink {
public:
    // The process's sink, installed with the backend on first use.
    static BackendInput& Instance();

    void PointerMoved(int x, int y) override;
    void ButtonChanged(Button button, bool down, int x, int y) override;
    void WheelTurned(int delta, int x, int y) override;
    void KeyChanged(int vk, bool down) override;
    void TextTyped(char32_t codePoint) override;
};

} // namespace win::detail
