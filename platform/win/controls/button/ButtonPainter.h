#pragma once

#include "platform/win/WinTypes.h"

#include <string>

namespace win::controls {

// What a button looks like at the moment of painting.
struct ButtonLook {
    DWORD type = 0; // BS_* kind
    LRESULT check = 0;
    bool pushed = false;
    bool focused = false;
    bool enabled = true;
    std::string text;
};

// Paints a button into client with the colours the parent left in hdc after the colour message,
// using the classic painter for every bevel and box:
//   - push button: a COLOR_WINDOWFRAME outline first when default (BS_DEFPUSHBUTTON), then the
//     push face (sunken while pushed); the caption centred, one pixel down and right while pushed;
//     the focus rectangle one pixel inside the face;
//   - check box and radio button: a kBoxSize box at the left, vertically centred; the caption
//     kTextGap pixels to its right; the focus rectangle around the caption;
//   - group box: an etched frame whose top runs through the middle of the caption line, the
//     caption at kCaptionIndent over a background-filled gap; the inside is left to the parent.
// A disabled button draws its caption in COLOR_GRAYTEXT.
class ButtonPainter {
public:
    static constexpr int kBoxSize = 13;
    static constexpr int kTextGap = 4;
    static constexpr int kCaptionIndent = 8;

    static void Paint(HDC hdc, const RECT& client, HBRUSH background, const ButtonLook& look);
};

} // namespace win::controls
