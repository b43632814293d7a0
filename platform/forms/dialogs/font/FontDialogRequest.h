#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/text/TextConstants.h"

#include <string>

namespace forms {

// The font a font dialog shows and returns.
struct FontChoice {
    std::string face;
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    win::BYTE charSet = win::ANSI_CHARSET;
    win::COLORREF color = 0;

    // "Regular", "Italic", "Bold" or "Bold Italic".
    std::string StyleName() const;
    bool operator==(const FontChoice&) const = default;
};

// A font dialog call as the dialog reads it.
struct FontDialogRequest {
    win::HWND owner; // the top-level ancestor of hwndOwner
    win::DWORD flags = 0;
    win::LOGFONTA logFont; // as passed (zero without CF_INITTOLOGFONTSTRUCT)
    FontChoice initial;    // decoded from logFont with CF_INITTOLOGFONTSTRUCT
    int pointSize = 0;     // iPointSize as passed; the dialog reads it only when lfHeight is 0
    bool effects = false;  // CF_EFFECTS: strike-out, underline and colour are offered
    int sizeMin = 0;       // with CF_LIMITSIZE, else 0 and 0
    int sizeMax = 0;
};

// OK with the chosen font, or Cancel.
struct FontDialogAnswer {
    bool ok = true;
    FontChoice font;

    static FontDialogAnswer Cancel() { return FontDialogAnswer{false, {}}; }
};

} // namespace forms
