#include "platform/win/controls/tooltip/TooltipPainter.h"

#include "platform/win/WinConstants.h"
#include "platform/win/gdi/Brushes.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/icon/Icons.h"
#include "platform/win/text/Fonts.h"
#include "platform/win/text/Text.h"

#include <string>

namespace win::controls {

namespace {

// The bold variant of a font for the title line, deleted with the guard.
class BoldFont {
public:
    explicit BoldFont(HFONT base) {
        LOGFONTA logFont;
        const HFONT source = base ? base : HFONT(GetStockObject(SYSTEM_FONT));
        if (GetFontLogFont(source, &logFont)) {
            logFont.lfWeight = FW_BOLD;
            m_font = CreateFontIndirectA(&logFont);
        }
    }
    ~BoldFont() {
        if (m_font) {
            DeleteObject(HGDIOBJ(m_font));
        }
    }
    BoldFont(const BoldFont&) = delete;
    BoldFont& operator=(const BoldFont&) = delete;
    HFONT Get() const { return m_font; }

private:
    HFONT m_font;
};

// TTS_NOPREFIX shows "&" as it is; otherwise it marks a prefix as in menus.
UINT Format(const TipLook& look) {
    return DT_SINGLELINE | DT_LEFT | DT_TOP | (look.noPrefix ? DT_NOPREFIX : 0);
}

SIZE Extent(HDC hdc, std::string_view text, UINT format) {
    const std::string copy(text);
    RECT r{};
    DrawTextA(hdc, copy.c_str(), -1, &r, format | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

void Draw(HDC hdc, std::string_view text, RECT rect, UINT format) {
    const std::string copy(text);
    DrawTextA(hdc, copy.c_str(), -1, &rect, format);
}

// A right triangle standing on the box's top edge, its upright at kStemWidth.
void PaintStem(HDC hdc, const TipLook& look, const RECT& box, HBRUSH back) {
    const int apex = TooltipMetrics::kStemWidth;
    for (int row = 0; row < box.top; ++row) {
        const int width = row * TooltipMetrics::kStemWidth / box.top;
        const RECT inner{apex + 1, row, apex + width, row + 1};
        FillRect(hdc, &inner, back);
        SetPixelV(hdc, apex, row, look.ink);
        SetPixelV(hdc, apex + width, row, look.ink);
    }
    const RECT opening{apex + 1, box.top, apex + TooltipMetrics::kStemWidth, box.top + 1};
    FillRect(hdc, &opening, back);
}

} // namespace

TooltipLayout MeasureTip(HDC hdc, const TipLook& look) {
    TooltipContent content;
    content.margin = look.margin;
    content.balloon = look.balloon;
    const SelectedObject font(hdc, look.font);
    content.text = Extent(hdc, look.text, Format(look));
    if (!look.title.empty()) {
        const BoldFont bold(look.font);
        const SelectedObject boldSelection(hdc, bold.Get());
        content.title = Extent(hdc, look.title, Format(look));
        content.icon = look.iconId != 0;
    }
    return TooltipLayout(content);
}

void PaintTip(HDC hdc, const TipLook& look, const RECT& client) {
    const TooltipLayout layout = MeasureTip(hdc, look);
    const HBRUSH back = CreateSolidBrush(look.back);
    const HBRUSH frame = CreateSolidBrush(look.ink);
    FillRect(hdc, &client, back);
    const RECT box = layout.Box();
    FrameRect(hdc, &box, frame);
    if (look.balloon) {
        PaintStem(hdc, look, box, back);
    }
    DeleteObject(HGDIOBJ(back));
    DeleteObject(HGDIOBJ(frame));

    const SavedDc saved(hdc);
    if (look.font) {
        SelectObject(hdc, look.font);
    }
    SetTextColor(hdc, look.ink);
    SetBkMode(hdc, TRANSPARENT);
    if (!look.title.empty()) {
        if (look.iconId) {
            constexpr int size = TooltipMetrics::kIconSize;
            const POINT at = layout.IconOrigin();
            const HICON icon = LoadIconSized(look.iconId, size, size);
            DrawIconEx(hdc, at.x, at.y, icon, size, size, 0, {}, DI_NORMAL);
            DestroyIcon(icon);
        }
        const BoldFont bold(look.font);
        const SelectedObject boldSelection(hdc, bold.Get());
        Draw(hdc, look.title, layout.TitleRect(), Format(look));
    }
    Draw(hdc, look.text, layout.TextRect(), Format(look));
}

} // namespace win::controls
