#include "platform/display/x11/CursorGlyphs.h"

#include "platform/win/WinConstants.h"

#include <X11/cursorfont.h>

#include <array>

namespace display {

namespace {

struct Glyph {
    int cursorId;
    unsigned glyph;
};

constexpr std::array kGlyphs{
    Glyph{win::IDC_ARROW, XC_left_ptr},
    Glyph{win::IDC_IBEAM, XC_xterm},
    Glyph{win::IDC_WAIT, XC_watch},
    Glyph{win::IDC_CROSS, XC_crosshair},
    Glyph{win::IDC_UPARROW, XC_sb_up_arrow},
    Glyph{win::IDC_SIZENWSE, XC_bottom_right_corner},
    Glyph{win::IDC_SIZENESW, XC_bottom_left_corner},
    Glyph{win::IDC_SIZEWE, XC_sb_h_double_arrow},
    Glyph{win::IDC_SIZENS, XC_sb_v_double_arrow},
    Glyph{win::IDC_SIZEALL, XC_fleur},
    Glyph{win::IDC_NO, XC_X_cursor},
    Glyph{win::IDC_APPSTARTING, XC_watch},
    Glyph{win::IDC_HELP, XC_question_arrow},
};

} // namespace

unsigned CursorFontGlyph(int cursorId) {
    for (const Glyph& g : kGlyphs) {
        if (g.cursorId == cursorId) {
            return g.glyph;
        }
    }
    return XC_left_ptr;
}

} // namespace display
