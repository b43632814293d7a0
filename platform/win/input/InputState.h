#pragma once

#include "platform/win/input/KeyTable.h"

#include <optional>

namespace win::detail {

// What the thread has learned from retrieved input: key states, the virtual cursor, the cursor
// clip and the press a double click would pair with.
class InputState {
public:
    static constexpr UINT kDefaultDoubleClickTime = 500;

    static InputState& Instance();

    KeyTable& Keys() { return m_keys; }
    const KeyTable& Keys() const { return m_keys; }
    POINT CursorPos() const { return m_cursor; }
    void SetCursorPos(POINT pt) { m_cursor = pt; }

    // Null while unclipped.
    const RECT* Clip() const { return m_clip ? &*m_clip : nullptr; }
    void SetClip(const RECT* clip);
    POINT ClampToClip(POINT pt) const;

    UINT DoubleClickTime() const { return m_doubleClickTime; }
    void SetDoubleClickTime(UINT ms) { m_doubleClickTime = ms; }

    // A press pairs with the previous one when it is the same button on the same window, within
    // the double-click time, inside the SM_CXDOUBLECLK x SM_CYDOUBLECLK box centred on the first.
    bool PairsWithLastPress(MouseButton button, HWND hwnd, DWORD time, POINT pt) const;
    void RememberPress(MouseButton button, HWND hwnd, DWORD time, POINT pt);
    // After a double click the next press starts over.
    void ForgetPress() { m_lastPress.reset(); }
    void ForgetPressOn(HWND hwnd);

    // The key of the last key press (0 after a mouse press): Alt released with nothing pressed
    // since it went down enters the menu bar.
    int LastPress() const { return m_lastPressKey; }
    void NotePress(int vk) { m_lastPressKey = vk; }

    void Reset();

private:
    struct Press {
        MouseButton button;
        HWND hwnd;
        DWORD time;
        POINT pt;
    };

    KeyTable m_keys;
    POINT m_cursor;
    std::optional<RECT> m_clip;
    UINT m_doubleClickTime = kDefaultDoubleClickTime;
    std::optional<Press> m_lastPress;
    int m_lastPressKey = 0;
};

} // namespace win::detail
