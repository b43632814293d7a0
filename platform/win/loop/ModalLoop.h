#pragma once

#include "platform/win/WinTypes.h"

#include <functional>

namespace win {

struct ModalLoopOptions {
    // Popup menus and drop-down lists leave their owner enabled.
    bool disableOwner = true;
    // Sees each retrieved message before it is translated and dispatched; true consumes it. The
    // menu loop reads keys and the mouse this way, wherever they were headed.
    std::function<bool(MSG&)> preview;
};

enum class ModalLoopEnd {
    Done,       // the predicate held
    DialogGone, // the dialog window was destroyed
    Quit,       // WM_QUIT arrived; it was posted again for the enclosing loop
    Idle,       // headless and nothing left that could end it
};

// The one nested loop for message boxes, dialogs, popup menus, modal forms and drop-downs: disables
// the top-level window of the dialog's owner, runs GetMessage/TranslateMessage/DispatchMessage
// until `until` holds, then re-enables and re-activates that window. Works inside window
// procedures and hook procedures; hooks stay installed and see the nested loop's messages.
ModalLoopEnd RunModalLoop(HWND dialog, const std::function<bool()>& until,
                          ModalLoopOptions options = {});

} // namespace win
