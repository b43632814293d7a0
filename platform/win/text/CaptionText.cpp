#include "platform/win/text/CaptionText.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/text/DrawTextLayout.h"
#include "platform/win/text/Font.h"
#include "platform/win/text/TextPainter.h"

#include <cstring>

namespace win::text {

namespace {

constexpr int kInset = 2;

// Kept outside the object table: the frame's font is not a caller's object and must not show in
// the live counts.
Font& CaptionFont() {
    static const std::unique_ptr<Font> font = [] {
        LOGFONTA request;
        request.lfHeight = -11;
        request.lfWeight = FW_BOLD;
        std::strcpy(request.lfFaceName, "MS Sans Serif");
        return Font::Create(request);
    }();
    return *font;
}

} // namespace

void DrawCaptionText(HDC hdc, const RECT& rect, std::string_view title, bool active) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || title.empty() || rect.right - rect.left <= kInset) {
        return;
    }
    Font& font = CaptionFont();
    const int height = font.Metrics().tmHeight;
    DrawTextLayout::Params params;
    params.format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    params.width = rect.right - rect.left - kInset;
    params.height = height;
    params.lineHeight = height;
    params.advance = [&font](char32_t code) { return font.Advance(code); };
    const DrawTextLayout layout(title, std::move(params));

    const COLORREF oldText = dc->TextColor();
    dc->SetTextColor(GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    const int slack = rect.bottom - rect.top - height;
    LinePaint paint;
    const int top = rect.top + (slack >= 0 ? slack / 2 : (slack - 1) / 2);
    paint.reference = dc->ToDevice(POINT{rect.left + kInset, top});
    paint.chars = layout.Lines().front().chars;
    paint.width = layout.Lines().front().width;
    paint.clip = dc->ToDevice(rect);
    PaintLine(*dc, font, paint);
    dc->SetTextColor(oldText);
}

} // namespace win::text
