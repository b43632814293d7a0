#pragma once

#include "platform/win/controls/common/ControlFont.h"
#include "platform/win/controls/edit/EditText.h"

#include <vector>

namespace win::controls {

// One single-line edit window: its text and selection, font, horizontal scroll and focus.
// Notifications go out from here, inside the class procedure, so a subclass sees each message
// before the control reacts to it.
//
// A change of the text (typing, Backspace, Delete, EM_REPLACESEL, WM_SETTEXT with other text):
//   1. the text, the window text and the caret are updated
//   2. EN_UPDATE (nothing redrawn yet)
//   3. the control is invalidated
//   4. EN_CHANGE
// A typed character that the limit refuses sends EN_MAXTEXT instead (after EN_CHANGE when part
// of an insertion fitted).
class EditControl {
public:
    // Text starts this far from the left and top of the client area.
    static constexpr int kMarginX = 1;
    static constexpr int kMarginY = 1;

    explicit EditControl(HWND hwnd) : m_hwnd(hwnd) {}

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void MarkDead() { m_dead = true; }

private:
    bool ReadOnly() const;
    bool Enabled() const;

    void OnChar(char32_t c);
    void OnKeyDown(int vk);
    void OnMouseDown(POINT pt, bool shift, bool doubleClick);
    void OnMouseMove(POINT pt);
    void OnSetFocus();
    void OnKillFocus();
    LRESULT OnSetText(LPCSTR text);
    LRESULT GetSel(WPARAM wParam, LPARAM lParam) const;
    void SetSel(LPARAM start, LPARAM end);
    void ReplaceSel(LPCSTR text);

    // Announces a change made by the user or by WM_SETTEXT: EN_UPDATE before the redraw,
    // EN_CHANGE after it. False when a handler destroyed the control.
    bool AnnounceChange();
    void SelectionMoved();

    // x of each caret position in text pixels (0 at the start of the text), refreshed from the
    // font whenever the text or font changes.
    void Measure();
    int PositionX(size_t position) const;
    size_t PositionAt(int clientX) const;
    void ScrollToCaret();
    void PlaceCaret();
    void Paint();

    HWND m_hwnd;
    EditText m_text;
    ControlFont m_font;
    std::vector<int> m_x{0};
    int m_lineHeight = 13;
    int m_scroll = 0;
    bool m_focused = false;
    bool m_dragging = false;
    bool m_dead = false;
};

} // namespace win::controls
