#pragma once

#include "platform/forms/dialogs/MessageBoxRequest.h"
#include "platform/win/WinTypes.h"

#include <string_view>

namespace forms {

// How a message box's parts look. Text and icons go through the platform's text and icon calls.
class MessageBoxPainter {
public:
    // The size of the text word-wrapped to maxWidth in the box's font.
    static win::SIZE MeasureText(std::string_view text, int maxWidth);
    static void DrawText(win::HDC dc, std::string_view text, const win::RECT& rect);
    static void DrawIcon(win::HDC dc, const win::RECT& rect, MessageBoxIcon icon);
    // A push button; `isDefault` adds the dark outline, `pressed` sinks it, `focused` marks it.
    static void DrawButton(win::HDC dc, const win::RECT& rect, std::string_view caption,
                           bool isDefault, bool pressed, bool focused);
};

} // namespace forms
