#pragma once

// Accelerator tables: key combinations that become menu commands.

#include "platform/win/menu/MenuConstants.h"

namespace win {

// Null for no entries.
HACCEL CreateAcceleratorTableA(const ACCEL* entries, int count);
BOOL DestroyAcceleratorTable(HACCEL table);

// A key-down (FVIRTKEY entries: the virtual key with exactly the modifiers named) or character
// message (other entries: the character, Alt as named) that matches an entry sends hwnd
// WM_COMMAND(MAKEWPARAM(cmd, 1), 0) and returns TRUE, so the caller does not dispatch it. An entry
// whose command is a disabled or grayed item of hwnd's menu bar swallows the key without a command.
int TranslateAcceleratorA(HWND hwnd, HACCEL table, const MSG* msg);

} // namespace win

namespace forms {
// Live accelerator tables, for teardown checks.
size_t LiveAcceleratorTableCount();
} // namespace forms
