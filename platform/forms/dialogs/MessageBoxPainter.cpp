#include "platform/forms/dialogs/MessageBoxPainter.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/Brushes.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/Decorations.h"
#include "platform/win/gdi/DeviceContexts.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/icon/Icons.h"
#include "platform/win/rect/RectHelpers.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/text/Text.h"

#include <string>

namespace forms {

using namespace win;

namespace {

// The box's text and captions use the stock dialog font.
HGDIOBJ DialogFont() {
    return GetStockObject(DEFAULT_GUI_FONT);
}

constexpr UINT kTextFormat = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;

int IconIdOf(MessageBoxIcon icon) {
    switch (icon) {
    case MessageBoxIcon::Stop:
        return IDI_HAND;
    case MessageBoxIcon::Question:
        return IDI_QUESTION;
    case MessageBoxIcon::Exclamation:
        return IDI_EXCLAMATION;
    case MessageBoxIcon::Information:
        return IDI_ASTERISK;
    default:
        return 0;
    }
}

} // namespace

SIZE MessageBoxPainter::MeasureText(std::string_view text, int maxWidth) {
    const WindowDc screen(HWND{});
    RECT rect{0, 0, maxWidth, 0};
    const SelectedObject font(screen.Get(), DialogFont());
    const std::string copy(text);
    DrawTextA(screen.Get(), copy.c_str(), static_cast<int>(copy.size()), &rect,
              kTextFormat | DT_CALCRECT);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void MessageBoxPainter::DrawText(HDC dc, std::string_view text, const RECT& rect) {
    const SavedDc saved(dc);
    SelectObject(dc, DialogFont());
    SetBkMode(dc, TRANSPARENT);
    RECT box = rect;
    const std::string copy(text);
    DrawTextA(dc, copy.c_str(), static_cast<int>(copy.size()), &box, kTextFormat);
}

void MessageBoxPainter::DrawIcon(HDC dc, const RECT& rect, MessageBoxIcon icon) {
    if (const int id = IconIdOf(icon)) {
        // Built-in icons are shared and never destroyed.
        win::DrawIcon(dc, rect.left, rect.top, LoadIconA({}, id));
    }
}

void MessageBoxPainter::DrawButton(HDC dc, const RECT& rect, std::string_view caption,
                                   bool isDefault, bool pressed, bool focused) {
    RECT face = rect;
    if (isDefault) {
        FrameRect(dc, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
        face = {face.left + 1, face.top + 1, face.right - 1, face.bottom - 1};
    }
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

    RECT label = face;
    if (pressed) {
        OffsetRect(&label, 1, 1);
    }
    {
        const SavedDc saved(dc);
        SelectObject(dc, DialogFont());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        const std::string copy(caption);
        DrawTextA(dc, copy.c_str(), static_cast<int>(copy.size()), &label,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if (focused) {
        const RECT focus{face.left + 3, face.top + 3, face.right - 3, face.bottom - 3};
        DrawFocusRect(dc, &focus);
    }
}

} // namespace forms
