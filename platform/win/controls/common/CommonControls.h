#pragma once

#include "platform/win/controls/ControlConstants.h"

namespace win {

// Every class is registered when the platform starts, so these only check their argument:
// TRUE for any class mask; FALSE for a null pointer or a dwSize other than 8.
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);
void InitCommonControls();

} // namespace win
