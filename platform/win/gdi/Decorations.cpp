#include "platform/win/gdi/Decorations.h"

#include "platform/win/gdi/DcState.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/detail/Bitmap.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/gdi/painter/FrameControl.h"
#include "platform/win/icon/IconTable.h"
#include "platform/win/icon/Icons.h"
#include "platform/win/image/Image.h"
#include "platform/win/image/ImageBlit.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/text/Text.h"
#include "platform/win/text/TextConstants.h"

#include <cstring>

namespace win {

BOOL DrawFrameControl(HDC hdc, RECT* rect, UINT type, UINT state) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || !rect) {
        return FALSE;
    }
    return gdi::FrameControl::Draw(*dc, *rect, type, state) ? TRUE : FALSE;
}

namespace {

// A disabled image is embossed: its ink (opaque pixels that are not near white) in the highlight
// colour one pixel down and right, then in the shadow colour in place.
bool IsInk(uint32_t pixel) {
    const uint32_t sum = ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
    return (pixel >> 24) >= 128 && sum < 3 * 192;
}

using Sampler = std::function<uint32_t(int, int)>;

void DrawImage(gdi::DeviceContext& dc, int x, int y, int width, int height, const RECT& clip,
               const Sampler& sample, const image::PixelOp& normal, bool disabled) {
    if (!disabled) {
        image::BlitScaled(dc, x, y, width, height, &clip, width, height, sample, normal);
        return;
    }
    const auto solid = [](COLORREF color) {
        const uint32_t pixel = gdi::ColorToPixel(color);
        return [pixel](uint32_t source, uint32_t& destination) {
            if (IsInk(source)) {
                destination = pixel;
            }
        };
    };
    const RECT shifted{clip.left + 1, clip.top + 1, clip.right + 1, clip.bottom + 1};
    image::BlitScaled(dc, x + 1, y + 1, width, height, &shifted, width, height, sample,
                      solid(GetSysColor(COLOR_BTNHIGHLIGHT)));
    image::BlitScaled(dc, x, y, width, height, &clip, width, height, sample,
                      solid(GetSysColor(COLOR_BTNSHADOW)));
}

BOOL DrawStateText(HDC hdc, LPCSTR text, int length, int x, int y, int cx, int cy, UINT flags) {
    if (!text) {
        return FALSE;
    }
    UINT format = DT_SINGLELINE | DT_NOCLIP;
    if ((flags & 0xF) == DST_TEXT) {
        format |= DT_NOPREFIX;
    } else if (flags & DSS_HIDEPREFIX) {
        format |= DT_HIDEPREFIX;
    }
    if (flags & DSS_RIGHT) {
        format |= DT_RIGHT;
    }
    if (cx == 0 || cy == 0) {
        SIZE size;
        GetTextExtentPoint32A(hdc, text, length < 0 ? static_cast<int>(std::strlen(text)) : length,
                              &size);
        cx = cx == 0 ? size.cx : cx;
        cy = cy == 0 ? size.cy : cy;
    }
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    const COLORREF oldColor = GetTextColor(hdc);
    const auto draw = [&](int dx, int dy) {
        RECT rc{x + dx, y + dy, x + dx + cx, y + dy + cy};
        DrawTextA(hdc, text, length, &rc, format);
    };
    if (flags & DSS_DISABLED) {
        SetTextColor(hdc, GetSysColor(COLOR_BTNHIGHLIGHT));
        draw(1, 1);
        SetTextColor(hdc, GetSysColor(COLOR_BTNSHADOW));
    }
    draw(0, 0);
    SetTextColor(hdc, oldColor);
    SetBkMode(hdc, oldMode);
    return TRUE;
}

} // namespace

BOOL DrawStateA(HDC hdc, HBRUSH, DRAWSTATEPROC lpfn, LPARAM lData, WPARAM wData, int x, int y,
                int cx, int cy, UINT flags) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc) {
        return FALSE;
    }
    const auto handleValue = static_cast<uint32_t>(lData);
    const bool disabled = (flags & DSS_DISABLED) != 0;
    switch (flags & 0xF) {
    case DST_COMPLEX:
        // The callback draws at (0, 0) of the DC it gets; this DC, with the origin moved.
        if (!lpfn) {
            return FALSE;
        } else {
            POINT old;
            GetViewportOrgEx(hdc, &old);
            SetViewportOrgEx(hdc, old.x + x, old.y + y, nullptr);
            const BOOL result = lpfn(hdc, lData, wData, cx, cy);
            SetViewportOrgEx(hdc, old.x, old.y, nullptr);
            return result;
        }
    case DST_TEXT:
    case DST_PREFIXTEXT:
        return DrawStateText(hdc, reinterpret_cast<LPCSTR>(lData),
                             wData == 0 ? -1 : static_cast<int>(wData), x, y, cx, cy, flags);
    case DST_ICON: {
        const icon::Icon* found = icon::IconTable::Find(HICON::FromValue(handleValue));
        if (!found) {
            return FALSE;
        }
        const int w = cx > 0 ? cx : found->Width();
        const int h = cy > 0 ? cy : found->Height();
        const RECT clip{x, y, x + w, y + h};
        if (!disabled) {
            found->Draw(*dc, x, y, found->Width(), found->Height(), &clip, DI_NORMAL);
            return TRUE;
        }
        DrawImage(
            *dc, x, y, found->Width(), found->Height(), clip,
            [found](int sx, int sy) {
                const uint32_t color = found->Color(sx, sy);
                if (found->HasAlpha()) {
                    return color;
                }
                return (found->Masked(sx, sy) ? 0u : image::kOpaque) | (color & 0x00FFFFFFu);
            },
            {}, true);
        return TRUE;
    }
    case DST_BITMAP: {
        const gdi::Bitmap* bitmap = gdi::LookupBitmap(HBITMAP::FromValue(handleValue));
        if (!bitmap) {
            return FALSE;
        }
        const int w = cx > 0 ? cx : bitmap->Width();
        const int h = cy > 0 ? cy : bitmap->Height();
        const RECT clip{x, y, x + w, y + h};
        const gdi::Surface& pixels = bitmap->Pixels();
        DrawImage(
            *dc, x, y, bitmap->Width(), bitmap->Height(), clip,
            [&](int sx, int sy) { return pixels.Pixel(sx, sy) | image::kOpaque; },
            [](uint32_t source, uint32_t& destination) { destination = source; }, disabled);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

} // namespace win
