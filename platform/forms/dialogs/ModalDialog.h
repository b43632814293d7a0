#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/loop/ModalLoop.h"

#include <functional>

namespace forms {

// What every modal dialog (message box, and the file, colour, font and folder dialogs) shares.

// The window a dialog is owned by: the top-level ancestor of the owner argument (callers pass
// child windows, a "..." button); null for null, dead or desktop windows.
win::HWND DialogOwnerOf(win::HWND hwnd);

// Extended styles that keep a dialog above its owner: the topmost band when the owner is in it.
win::DWORD DialogExStyleFor(win::HWND owner);

// Registers a dialog window class once (arrow cursor, button-face background); false on failure.
bool EnsureDialogClass(const char* className, win::WNDPROC proc);

// Creates a dialog's owned popup hidden, with a caption and close box, its client area `client`
// big, centred over `owner`; `param` reaches WM_NCCREATE. Null on failure.
win::HWND CreateDialogWindow(const char* className, const char* caption, win::DWORD exStyle,
                             win::HWND owner, win::SIZE client, void* param);

// Moves the dialog so it is centred over its owner (the screen without one), kept on screen.
void CentreDialog(win::HWND dialog, win::HWND owner);

// Shows the dialog, activates it and runs the nested loop (owner disabled, re-enabled and
// re-activated afterwards) until `done` holds. While it runs, the dialog is in the topmost band
// when a topmost window its owner owns would otherwise cover it. `ask` runs once from inside the
// loop, while the dialog is open and its owner disabled: that is where a responder answers.
// Headless with nothing left that could end the loop, it returns instead of waiting.
win::ModalLoopEnd RunDialog(win::HWND dialog, const std::function<void()>& ask,
                            const std::function<bool()>& done);

} // namespace forms
