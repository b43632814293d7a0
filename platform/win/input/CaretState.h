#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>

namespace win::detail {

// The thread's caret. While shown it blinks on a platform timer on the clock; with blinking off
// (a test setting) it stays lit, so caret pixels are deterministic. A lit caret is drawn by
// inverting its rectangle in the owner's framebuffer, so drawing it again erases it; painting
// hides it first (BeginPaint) and shows it after (EndPaint).
class CaretState {
public:
    static constexpr UINT kDefaultBlinkTime = 530;

    static CaretState& Instance();

    bool Create(HWND owner, HBITMAP bitmap, int width, int height);
    bool Destroy();
    bool Show(HWND hwnd);
    bool Hide(HWND hwnd);
    bool SetPos(POINT pt);

    bool Exists() const { return static_cast<bool>(m_owner); }
    HWND Owner() const { return m_owner; }
    POINT Pos() const { return m_pos; }
    SIZE Size() const { return SIZE{m_width, m_height}; }
    HBITMAP Bitmap() const { return m_bitmap; }
    bool Shown() const { return Exists() && m_hideCount == 0; }
    // Shown and in the lit half of the blink.
    bool Lit() const { return Shown() && m_lit; }

    UINT BlinkTime() const { return m_blinkTime; }
    void SetBlinkTime(UINT ms);
    void SetBlinking(bool blinking);
    bool Blinking() const { return m_blinking; }

    void ForgetWindow(HWND hwnd);
    void Reset();

private:
    bool Owns(HWND hwnd) const { return Exists() && (!hwnd || hwnd == m_owner); }
    void RestartBlink();
    void StopBlink();
    void ToggleBlink();
    // Draws or erases so that the pixels match Lit().
    void SyncPixels();
    void Invert(HWND owner, const RECT& clientRect);

    HWND m_owner;
    HBITMAP m_bitmap;
    POINT m_pos;
    int m_width = 0;
    int m_height = 0;
    int m_hideCount = 0;
    bool m_lit = true;
    UINT m_blinkTime = kDefaultBlinkTime;
    bool m_blinking = true;
    uint32_t m_blinkTimer = 0;
    bool m_drawn = false;
    RECT m_drawnRect;
};

} // namespace win::detail
