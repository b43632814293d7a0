#pragma once

#include "platform/win/controls/common/ControlFont.h"
#include "platform/win/controls/tooltip/ToolList.h"
#include "platform/win/controls/tooltip/TooltipPainter.h"

#include <optional>
#include <string>

namespace win::controls {

// One tooltip control: its tools, delays, colours and the tip it shows.
//
// The pointer, as relayed from the tools' windows:
//   enters a tool             wait the initial delay (the reshow delay when a tip was showing)
//   delay elapsed             text empty: nothing; else size, TTN_SHOW, place, show topmost
//   moves within the tool     nothing (no second TTN_SHOW)
//   leaves, presses a button  TTN_POP and hide; a press keeps the tip away until the pointer
//                             leaves the tool
//   autopop delay elapsed     TTN_POP and hide, until the pointer leaves the tool
class TooltipControl {
public:
    static constexpr UINT_PTR kShowTimer = 1;
    static constexpr UINT_PTR kAutopopTimer = 2;
    static constexpr UINT kDefaultInitial = 500;
    static constexpr UINT kDefaultReshow = 100;
    static constexpr UINT kDefaultAutopop = 5000;
    // TTM_GETTEXTA's buffer when the caller gives no size.
    static constexpr size_t kDefaultTextBuffer = 80;

    explicit TooltipControl(HWND hwnd) : m_hwnd(hwnd) {}

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

    // A message reached window beside the procedure chain (TTF_SUBCLASS and leave detection).
    void Observe(HWND window, UINT msg, LPARAM lParam);
    void ToolWindowGone(HWND window);

private:
    enum class Phase { Idle, Waiting, Shown, Popped };

    void OnMouse(HWND window, UINT msg, LPARAM lParam);
    void Leave();
    void Show();
    // TTN_POP to the tool and hide; phase becomes next.
    void Hide(Phase next);
    void SetDelay(WPARAM kind, LPARAM value);
    LRESULT GetDelay(WPARAM kind) const;
    TipLook Look(const Tool& tool, bool balloon) const;
    SIZE WindowSize(const Tool& tool, bool balloon) const;
    void Paint();

    COLORREF BackColor() const;
    COLORREF TextColor() const;

    HWND m_hwnd;
    ToolList m_tools;
    bool m_active = true;
    UINT m_initial = kDefaultInitial;
    UINT m_reshow = kDefaultReshow;
    UINT m_autopop = kDefaultAutopop;
    std::optional<COLORREF> m_backColor;
    std::optional<COLORREF> m_textColor;
    RECT m_margin;
    ControlFont m_font;
    std::string m_title;
    WPARAM m_titleIcon = 0;

    Phase m_phase = Phase::Idle;
    std::optional<ToolKey> m_current;
    bool m_shownBalloon = false;
    bool m_dead = false;
};

} // namespace win::controls
