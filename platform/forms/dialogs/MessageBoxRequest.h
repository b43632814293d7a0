#pragma once

#include "platform/win/WinTypes.h"

#include <span>
#include <string>
#include <vector>

namespace forms {

enum class MessageBoxIcon { None, Stop, Question, Exclamation, Information };

// A message box call decoded the way the box itself reads it; what responders and the log see.
struct MessageBoxRequest {
    win::HWND owner;          // the top-level ancestor of the hwnd argument, null when none
    std::string text;         // as given
    std::string caption;      // what the title bar shows ("Error" for a null caption)
    win::UINT type = 0;       // the style argument, unchanged
    std::vector<int> buttons; // result ids, left to right (IDOK, IDCANCEL, ...)
    int defaultButton = 0;    // result id of the default button
    int escapeResult = 0;     // what Esc and the close box answer; 0 when they are refused
    MessageBoxIcon icon = MessageBoxIcon::None;

    static MessageBoxRequest Decode(win::HWND hwnd, const char* text, const char* caption,
                                    win::UINT type);

    bool HasButton(int id) const;
};

// The caption of a result id's push button: "OK", "Cancel", "&Abort", ... ("" for other ids).
const char* MessageBoxButtonText(int id);

} // namespace forms
