#include "platform/win/controls/button/ButtonPainter.h"

#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/gdi/DecorationConstants.h"
#include "platform/win/gdi/Decorations.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/rect/RectHelpers.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/text/Fonts.h"
#include "platform/win/text/Text.h"

#include <algorithm>

namespace win::controls {

namespace {

void DrawCaption(HDC hdc, const ButtonLook& look, RECT rect, UINT format) {
    if (!look.enabled) {
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    }
    DrawTextA(hdc, look.text.c_str(), static_cast<int>(look.text.size()), &rect, format);
}

void PaintPush(HDC hdc, RECT rect, HBRUSH background, const ButtonLook& look) {
    FillRect(hdc, &rect, background);
    if (look.type == BS_DEFPUSHBUTTON) {
        FrameRect(hdc, &rect, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&rect, -1, -1);
    }
    DrawFrameControl(hdc, &rect, DFC_BUTTON,
                     DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (look.pushed ? DFCS_PUSHED : 0));
    RECT text = rect;
    if (look.pushed) {
        OffsetRect(&text, 1, 1);
    }
    DrawCaption(hdc, look, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (look.focused) {
        InflateRect(&rect, -1, -1);
        DrawFocusRect(hdc, &rect);
    }
}

void PaintCheck(HDC hdc, const RECT& client, HBRUSH background, const ButtonLook& look) {
    FillRect(hdc, &client, background);
    const int top = client.top + (client.bottom - client.top - ButtonPainter::kBoxSize) / 2;
    RECT box{client.left, top, client.left + ButtonPainter::kBoxSize,
             top + ButtonPainter::kBoxSize};
    const bool radio = look.type == BS_RADIOBUTTON || look.type == BS_AUTORADIOBUTTON;
    UINT state = radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    if (look.check == BST_INDETERMINATE) {
        state |= DFCS_BUTTON3STATE | DFCS_CHECKED;
    } else if (look.check == BST_CHECKED) {
        state |= DFCS_CHECKED;
    }
    state |= (look.pushed ? DFCS_PUSHED : 0) | (look.enabled ? 0 : DFCS_INACTIVE);
    DrawFrameControl(hdc, &box, DFC_BUTTON, state);

    RECT text{box.right + ButtonPainter::kTextGap, client.top, client.right, client.bottom};
    DrawCaption(hdc, look, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (look.focused && !look.text.empty()) {
        RECT extent = text;
        DrawTextA(hdc, look.text.c_str(), static_cast<int>(look.text.size()), &extent,
                  DT_CALCRECT | DT_SINGLELINE);
        const int height = extent.bottom - extent.top;
        extent.top = text.top + (text.bottom - text.top - height) / 2;
        extent.bottom = extent.top + height;
        InflateRect(&extent, 1, 1);
        IntersectRect(&extent, &extent, &client);
        DrawFocusRect(hdc, &extent);
    }
}

void PaintGroup(HDC hdc, const RECT& client, HBRUSH background, const ButtonLook& look) {
    TEXTMETRICA metrics;
    GetTextMetricsA(hdc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    DrawEdge(hdc, &frame, EDGE_ETCHED, BF_RECT);
    if (look.text.empty()) {
        return;
    }
    RECT caption{client.left + ButtonPainter::kCaptionIndent, client.top, client.right,
                 client.top + metrics.tmHeight};
    DrawTextA(hdc, look.text.c_str(), static_cast<int>(look.text.size()), &caption,
              DT_CALCRECT | DT_SINGLELINE);
    // Two pixels of background either side keep the frame line off the caption.
    caption.left -= 2;
    caption.right = std::min(caption.right + 2, client.right - 2);
    FillRect(hdc, &caption, background);
    caption.left += 2;
    DrawCaption(hdc, look, caption, DT_LEFT | DT_SINGLELINE);
}

} // namespace

void ButtonPainter::Paint(HDC hdc, const RECT& client, HBRUSH background, const ButtonLook& look) {
    switch (look.type) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        PaintPush(hdc, client, background, look);
        break;
    case BS_GROUPBOX:
        PaintGroup(hdc, client, background, look);
        break;
    default:
        PaintCheck(hdc, client, background, look);
        break;
    }
}

} // namespace win::controls
