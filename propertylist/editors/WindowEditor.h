#pragma once

#include "propertylist/editors/BuiltinEditor.h"

#include "shared/subclass/cSubclassListener.h"

#include "platform/win/WinTypes.h"

#include <span>
#include <vector>

namespace attrgrid {

// The editors that make a window of their own over the cell (the value box, the date picker):
// pixels, shown and hidden with the window, the list's font sent to it, its messages hooked with
// the editor as listener. The window is unhooked when it is destroyed (the grid window going
// first) and destroyed with the editor when it is still there.
class WindowEditor : public BuiltinEditor, public shared::cSubclassListener {
public:
    ~WindowEditor() override;

    int32_t ScaleMode() override;
    bool GetVisible() override;
    void LetVisible(bool visible) override;
    int32_t hwnd() override;
    // 0 leaves the font as it is.
    void LethFont(int32_t hFont) override;
    // Pixels, rounded half to even.
    void Move(float nLeft, float nTop, float nWidth, float nHeight) override;

protected:
    WindowEditor() = default;

    win::HWND Window() const { return m_window; }
    // Takes the made window (nothing when it was not made) and hooks `messages` on it.
    void Attach(win::HWND window, std::span<const win::UINT> messages);
    void UnhookWindow();
    // Enter commits and Escape cancels.
    void EndOnKey(win::WPARAM key);

private:
    win::HWND m_window;
    std::vector<win::UINT> m_hooked;
};

} // namespace attrgrid
