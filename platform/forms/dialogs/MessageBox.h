#pragma once

// The message box: the platform call, the form runtime's MsgBox, and its test responder.

#include "platform/forms/dialogs/DialogResponder.h"
#include "platform/forms/dialogs/MessageBoxConstants.h"
#include "platform/forms/dialogs/MessageBoxRequest.h"

#include <optional>
#include <string_view>

namespace win {

// A modal box owned by the top-level ancestor of hwnd: that window is disabled while the box is
// open and re-enabled and re-activated afterwards; the nested loop also runs inside window and
// hook procedures. Returns the pressed button's id (IDOK ... IDNO). Enter presses the focused
// button (the default one at first), Esc and the close box give IDCANCEL when the box has a
// Cancel button and IDOK for MB_OK. A null caption shows "Error".
//
// A responder installed for message boxes answers from inside the nested loop while the box is
// open. Headless without one, the box returns its default button at once and the request is
// logged as unanswered.
int MessageBoxA(HWND hwnd, LPCSTR text, LPCSTR caption, UINT type);

} // namespace win

namespace forms {

class App;

// MsgBox buttons and icons (the MB_ values) and results (the ID values).
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;
inline constexpr int vbCritical = 0x10;
inline constexpr int vbQuestion = 0x20;
inline constexpr int vbExclamation = 0x30;
inline constexpr int vbInformation = 0x40;
inline constexpr int vbDefaultButton1 = 0;
inline constexpr int vbDefaultButton2 = 0x100;
inline constexpr int vbDefaultButton3 = 0x200;
inline constexpr int vbApplicationModal = 0;
inline constexpr int vbSystemModal = 0x1000;

inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbAbort = 3;
inline constexpr int vbRetry = 4;
inline constexpr int vbIgnore = 5;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// MessageBoxA owned by the thread's active window. An omitted title is the calling component's
// App.Title; the overload without a component is the program's.
int MsgBox(const App& component, std::string_view prompt, int buttons = vbOKOnly,
           std::optional<std::string_view> title = std::nullopt);
int MsgBox(std::string_view prompt, int buttons = vbOKOnly,
           std::optional<std::string_view> title = std::nullopt);

using MessageBoxResponderType = DialogResponder<MessageBoxRequest, int>;

// The message-box responder: a function or queued result ids, and the log of every box shown.
MessageBoxResponderType& MessageBoxResponder();

} // namespace forms
