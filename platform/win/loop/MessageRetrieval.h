#pragma once

#include "platform/win/WinTypes.h"

#include <functional>

namespace win::detail {

// Which messages a GetMessageA/PeekMessageA call accepts: a window (null: any, else that window
// and its descendants) and a message range (0, 0: all). WM_QUIT passes every filter.
struct MessageFilter {
    HWND hwnd;
    UINT first = 0;
    UINT last = 0;

    bool Accepts(HWND target, UINT message) const;
    bool AcceptsAll() const { return !hwnd && first == 0 && last == 0; }
};

// One retrieval, first match wins:
//
//   1  posted messages, in posting order (sent messages never wait: they run when sent), then
//      WM_QUIT when PostQuitMessage asked for it
//   2  input from the hardware queue, routed and, with remove, taking its dequeue effects
//   3  WM_PAINT for the next window owed a paint (nothing else is pending by now)
//   4  WM_TIMER for the earliest due timer, which is rescheduled; platform timers run here
//
// With remove the message leaves its queue and WH_GETMESSAGE sees it; without it nothing changes
// and no hook runs. False when nothing is available.
bool RetrieveMessage(MSG& out, const MessageFilter& filter, bool remove);

// Posted messages, input, an update region or a due timer is waiting.
bool WorkPending();

// Time and cursor position of the last message retrieved.
DWORD LastMessageTime();
POINT LastMessagePos();

// Headless, nothing arrives while a loop waits; a responder installed here may act (inject input,
// close a dialog) and returns true when it did, else the waiting loop gives up. A thousand answers
// in a row without a message retrieved in between also give up.
void SetIdleResponder(std::function<bool()> responder);
bool RunIdleResponder();

void ResetRetrieval();

} // namespace win::detail
