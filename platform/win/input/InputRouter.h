#pragma once

#include "platform/win/input/InputEvent.h"
#include "platform/win/input/KeyTable.h"

namespace win::detail {

// An input event turned into the message it becomes. msg.hwnd is null when no window takes it
// (nothing under the pointer, a disabled window, no focus and no active window).
struct RoutedInput {
    MSG msg;
    int hitCode = 0;
    bool client = true;
    bool captured = false;
};

// Mouse: the capture window (client coordinates, also outside it), else the window under the
// point, whose WM_NCHITTEST picks client or non-client messages; the wheel goes to the capture,
// focus or active window. Keys: the focus window, else the active window; Alt combinations and F10
// become WM_SYSKEY*. before/after are the key tables around the event.
RoutedInput RouteInput(const InputEvent& event, const KeyTable& before, const KeyTable& after);

bool IsButtonPress(UINT msg);

// Retrieving the front input event for good, in this order (each step observable):
//
//   1  the key-state tables and the virtual cursor take the event
//   2  a press pairing with the previous one becomes xBUTTONDBLCLK (CS_DBLCLKS or non-client)
//   3  WH_MOUSE for mouse messages, WH_KEYBOARD for keys; non-zero discards the message
//   4  a press activates an inactive top-level window; WM_MOUSEACTIVATE may refuse or eat it
//   5  a move without capture sends WM_SETCURSOR to the window under the pointer
//   6  the message is handed out for dispatch
//
// False when the message was discarded or nobody takes it.
bool DequeueInput(MSG& out);

// The message the front input event would become, with no state change and no hook call.
bool PeekInput(MSG& out);

} // namespace win::detail
