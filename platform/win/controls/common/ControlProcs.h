#pragma once

#include "platform/win/WinTypes.h"

namespace win::controls {

// The class procedures of the standard controls, registered with the system classes.
LRESULT StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ButtonWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ListBoxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ComboBoxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT DateTimeWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT MonthCalendarWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT EditWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ScrollBarWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT TooltipWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace win::controls
