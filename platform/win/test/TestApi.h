#pragma once

// Driving the platform from tests the way a user would: input goes through the hardware queue
// (never straight to a window procedure), time moves only when a test advances it, and every
// wait is bounded.

#include "platform/win/WinTypes.h"
#include "platform/win/input/InputEvent.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace win::test {

using MouseButton = detail::MouseButton;

enum class Modifiers : unsigned { None = 0, Shift = 1, Control = 2, Alt = 4 };
constexpr Modifiers operator|(Modifiers a, Modifiers b) {
    return static_cast<Modifiers>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool HasModifier(Modifiers set, Modifiers m) {
    return (static_cast<unsigned>(set) & static_cast<unsigned>(m)) != 0;
}

// Mouse input in screen pixels; the overloads taking a window take a point in its client area.
// A press or wheel somewhere the pointer is not yet first moves it there, as a hand would.
void mouseMove(POINT screenPt);
void mouseMove(HWND hwnd, POINT clientPt);
void mouseDown(MouseButton button, POINT screenPt);
void mouseDown(MouseButton button, HWND hwnd, POINT clientPt);
void mouseUp(MouseButton button, POINT screenPt);
void mouseUp(MouseButton button, HWND hwnd, POINT clientPt);
void click(POINT screenPt, MouseButton button = MouseButton::Left);
void click(HWND hwnd, POINT clientPt, MouseButton button = MouseButton::Left);
// A click on row `index` of a list box window, placed by its item height from the top.
void clickListItem(HWND list, int index);
// Two clicks at the same clock time.
void doubleClick(POINT screenPt, MouseButton button = MouseButton::Left);
void doubleClick(HWND hwnd, POINT clientPt, MouseButton button = MouseButton::Left);
// Press at from, steps moves along the line, release at to.
void drag(POINT from, POINT to, int steps = 4, MouseButton button = MouseButton::Left);
void drag(HWND hwnd, POINT fromClient, POINT toClient, int steps = 4,
          MouseButton button = MouseButton::Left);
// delta in WHEEL_DELTA units of 120 per notch; positive rolls away from the user.
void wheel(POINT screenPt, int delta);

void keyDown(int vk);
void keyUp(int vk);
// Modifiers down, the key down and up, modifiers up (e.g. Ctrl+S, Shift+Tab).
void keyPress(int vk, Modifiers modifiers = Modifiers::None);
// Each character as the keys that type it on the US layout (with Shift where needed); characters
// no key types arrive as VK_PACKET keys whose WM_CHAR carries the code point.
void typeText(std::string_view utf8);

// Retrieves and dispatches until nothing is pending: no posted message, no input, no update
// region, no due timer. False (and an entry in the caught-exception log) when it is still busy
// after maxMessages, e.g. a WM_PAINT handler that never validates.
bool pump(size_t maxMessages = 100000);
// One message retrieved and dispatched; false when nothing was pending.
bool pumpOnce();
// Moves the clock forward by ms, stopping at every timer due on the way so that timers fire in
// due order at their own times, and pumps after each stop.
void advanceTime(uint32_t ms);
// Pumps one message at a time until predicate holds; when idle, moves the clock to the next due
// timer. False instead of hanging when maxSteps pass, or nothing is left that could change state.
[[nodiscard]] bool runUntil(const std::function<bool()>& predicate, size_t maxSteps = 10000);
// The exit code of the last WM_QUIT pump or pumpOnce retrieved.
std::optional<int> quitCode();

// Settings, restored to their defaults by resetPlatform.
void setScreenSize(int width, int height);
void setCaretBlink(bool blink);
void setMsimg32Available(bool available);
void setDoubleClickTime(uint32_t ms);
// The scroll-bar thickness GetSystemMetrics reports (SM_CXVSCROLL and its kin).
void setScrollBarSize(int pixels);
// Called when a modal loop (or GetMessageA) waits headless with nothing pending; returns true when
// it acted. Lets scripted responders answer modal UI.
void setIdleResponder(std::function<bool()> responder);

// Probes.
int currentCursorId();
struct CaretInfo {
    HWND owner;
    POINT pos;
    SIZE size;
    bool shown = false;
    bool lit = false;
};
CaretInfo caretInfo();
size_t liveHookCount();
size_t liveTimerCount();
size_t pendingInputCount();

// Destroys every window, removes hooks and timers, empties queues, clears logs and responders,
// restores settings and resets the clock.
void resetPlatform();
// A layer above the window manager (automation, forms) clears what it keeps per process - logs,
// responders, the list of loaded libraries - in a step of resetPlatform. Steps run in the order
// added, after the windows are gone and before the libraries are closed.
void AddResetStep(std::function<void()> step);

} // namespace win::test
