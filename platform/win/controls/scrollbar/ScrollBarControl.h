#pragma once

#include "platform/win/controls/scrollbar/ScrollBarLayout.h"
#include "platform/win/controls/scrollbar/ScrollRange.h"

namespace win::controls {

// One scroll bar control. It reports what the user does to its parent (WM_HSCROLL/WM_VSCROLL)
// and never moves its own thumb except while dragging: the parent sets the position.
//
// A press, in order:
//   arrow or page area  code at once; again after 400 ms, then every 50 ms while the pointer
//                       stays over that part (a page area ends where the thumb now is)
//   thumb               SB_THUMBTRACK for every position the drag passes
//   release             SB_THUMBPOSITION (thumb only), then SB_ENDSCROLL
class ScrollBarControl {
public:
    static constexpr UINT_PTR kRepeatTimer = 1;
    static constexpr UINT kFirstRepeatMs = 400;
    static constexpr UINT kRepeatMs = 50;

    explicit ScrollBarControl(HWND hwnd) : m_hwnd(hwnd) {}

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void MarkDead() { m_dead = true; }

private:
    bool Vertical() const;
    bool PartOfList() const;
    ScrollBarLayout Layout() const;
    void Send(WORD code, int pos = 0);
    void Redraw(BOOL redraw);

    void OnButtonDown(POINT pt);
    void OnMouseMove(POINT pt);
    void OnButtonUp();
    void OnRepeat();
    void EndPress(bool notify);
    void OnKeyDown(int vk);
    void Paint();

    HWND m_hwnd;
    ScrollRange m_range;
    ScrollPart m_pressed = ScrollPart::None;
    bool m_tracking = false;
    int m_dragOffset = 0;
    int m_trackPos = 0;
    bool m_focused = false;
    bool m_dead = false;
};

} // namespace win::controls
