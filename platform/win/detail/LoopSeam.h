#pragma once

#include "platform/win/WinTypes.h"

#include <cstdint>

// What the message loop and input side offers the window manager.
namespace win::detail {

// Walks the hooks of one type from the newest, honouring CallNextHookEx; 0 when none is installed.
LRESULT CallHookChain(int idHook, int nCode, WPARAM wParam, LPARAM lParam);

// Called while hwnd is being destroyed, before its handle dies: drops its posted messages, kills
// its timers, and releases capture and caret if it holds them.
void ForgetWindow(HWND hwnd);

// Called when hwnd is hidden: releases capture held by hwnd or one of its descendants.
void OnWindowHidden(HWND hwnd);

// The platform clock in milliseconds (what GetTickCount returns).
uint32_t ClockNow();

// Empties queues, hooks, timers, capture, caret, cursor and input state; restores the settings.
void ResetLoopAndInput();

} // namespace win::detail
