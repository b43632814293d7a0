#pragma once

#include "platform/win/WinTypes.h"

#include <array>
#include <optional>

namespace forms {

using CustomColors = std::array<win::COLORREF, 16>;

// A colour dialog call as the dialog reads it.
struct ColorDialogRequest {
    win::HWND owner; // the top-level ancestor of hwndOwner
    win::DWORD flags = 0;
    win::COLORREF initial = 0;   // rgbResult with CC_RGBINIT, else black
    CustomColors customColors{}; // as passed, high bytes included; white without a table
    bool fullOpen = false;       // the definition area shows from the start
    bool canFullOpen = true;
};

// OK with the chosen colour (and the custom colours, when the answer changes them), or Cancel.
struct ColorDialogAnswer {
    bool ok = true;
    win::COLORREF color = 0;
    std::optional<CustomColors> customColors;

    static ColorDialogAnswer Cancel() { return ColorDialogAnswer{false, 0, std::nullopt}; }
};

} // namespace forms
