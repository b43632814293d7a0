#include "platform/win/text/Text.h"

#include "platform/base/Utf8.h"
#include "platform/win/gdi/detail/DcTable.h"
#include "platform/win/text/DrawTextLayout.h"
#include "platform/win/text/Font.h"
#include "platform/win/text/TextPainter.h"
#include "platform/win/window/Geometry.h"

#include <cstring>
#include <optional>

namespace win {

namespace {

std::string_view Bytes(LPCSTR text, int length) {
    if (!text || length == 0) {
        return {};
    }
    return length < 0 ? std::string_view(text)
                      : std::string_view(text, static_cast<size_t>(length));
}

// The line as drawn: one entry per code point, with the font's advances or the caller's. A
// caller's advances are cut so the line stays within the coordinate range.
text::TextLine LineOf(text::Font& font, std::string_view bytes, const INT* dx = nullptr) {
    text::TextLine line;
    size_t index = 0;
    for (size_t offset = 0; offset < bytes.size(); ++index) {
        const base::Utf8Step step = base::DecodeUtf8(bytes, offset);
        offset += step.length;
        const int advance = dx ? PinCoordinate(int64_t{line.width} + dx[index]) - line.width
                               : font.Advance(step.code);
        line.Append({step.code, advance, false});
    }
    return line;
}

int FloorHalf(int value) {
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

} // namespace

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int length, SIZE* size) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || !size || length < 0 || (!text && length > 0)) {
        return FALSE;
    }
    text::Font& font = text::Font::Resolve(dc->SelectedFont());
    size->cx = LineOf(font, Bytes(text, length)).width;
    size->cy = font.Metrics().tmHeight;
    return TRUE;
}

BOOL GetTextExtentExPointA(HDC hdc, LPCSTR text, int length, int maxExtent, int* fit, int* dx,
                           SIZE* size) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || length < 0 || (!text && length > 0)) {
        return FALSE;
    }
    text::Font& font = text::Font::Resolve(dc->SelectedFont());
    const text::TextLine line = LineOf(font, Bytes(text, length));
    int extent = 0;
    int fitting = 0;
    for (size_t i = 0; i < line.chars.size(); ++i) {
        extent += line.chars[i].advance;
        if (extent <= maxExtent && fitting == static_cast<int>(i)) {
            ++fitting;
        }
        if (dx) {
            dx[i] = extent;
        }
    }
    if (fit) {
        *fit = fitting;
    }
    if (size) {
        *size = {line.width, font.Metrics().tmHeight};
    }
    return TRUE;
}

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT length,
                 const INT* dx) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || (!text && length > 0)) {
        return FALSE;
    }
    text::Font& font = text::Font::Resolve(dc->SelectedFont());
    const text::TextLine line = LineOf(font, Bytes(text, static_cast<int>(length)), dx);
    const TEXTMETRICA& tm = font.Metrics();
    const UINT align = dc->TextAlign();
    const bool updateCp = align & TA_UPDATECP;
    const POINT logical = updateCp ? dc->CurrentPosition() : POINT{x, y};

    if (rect && (options & ETO_OPAQUE)) {
        dc->FillSolid(*rect, dc->BkColor());
    }
    int u = 0;
    if ((align & TA_CENTER) == TA_CENTER) {
        u = -(line.width / 2);
    } else if (align & TA_RIGHT) {
        u = -line.width;
    }
    int v = 0;
    if ((align & TA_BASELINE) == TA_BASELINE) {
        v = -tm.tmAscent;
    } else if (align & TA_BOTTOM) {
        v = -tm.tmHeight;
    }
    text::LinePaint paint;
    paint.reference = dc->ToDevice(logical);
    paint.cellOrigin = {u, v};
    paint.chars = line.chars;
    paint.width = line.width;
    paint.opaqueCells = dc->BkMode() == OPAQUE;
    if (rect && (options & ETO_CLIPPED)) {
        paint.clip = dc->ToDevice(*rect);
    }
    text::PaintLine(*dc, font, paint);

    if (updateCp && (align & TA_CENTER) != TA_CENTER) {
        // The position moves along the text's direction, to the end it was not anchored at.
        const int along = (align & TA_RIGHT) ? -line.width : line.width;
        const POINT moved = text::TextToDevice(font.QuarterTurns(), logical, along, 0);
        dc->SetCurrentPosition(moved);
    }
    return TRUE;
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int length) {
    if (length < 0) {
        return FALSE;
    }
    return ExtTextOutA(hdc, x, y, 0, nullptr, text, static_cast<UINT>(length), nullptr);
}

int DrawTextA(HDC hdc, LPCSTR text, int length, RECT* rect, UINT format) {
    gdi::DeviceContext* dc = gdi::DcTable::Find(hdc);
    if (!dc || !rect || (!text && length != 0)) {
        return 0;
    }
    text::Font& font = text::Font::Resolve(dc->SelectedFont());
    const TEXTMETRICA& tm = font.Metrics();
    // Laid out within the coordinate range, so widths and offsets cannot overflow.
    const RECT area{PinCoordinate(rect->left), PinCoordinate(rect->top), PinCoordinate(rect->right),
                    PinCoordinate(rect->bottom)};
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    text::DrawTextLayout::Params params;
    params.format = format;
    params.width = width;
    params.height = height;
    params.lineHeight = tm.tmHeight;
    params.tabWidth = 8 * tm.tmAveCharWidth;
    params.advance = [&font](char32_t code) { return font.Advance(code); };
    const text::DrawTextLayout layout(Bytes(text, length), std::move(params));
    const auto& lines = layout.Lines();
    const int textHeight = static_cast<int>(lines.size()) * tm.tmHeight;

    if (format & DT_CALCRECT) {
        rect->right = area.left + layout.MaxWidth();
        rect->bottom = area.top + textHeight;
        return textHeight;
    }
    int top = area.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) {
            top += FloorHalf(height - tm.tmHeight);
        } else if (format & DT_BOTTOM) {
            top = area.bottom - tm.tmHeight;
        }
    }
    std::optional<RECT> clip;
    if (!(format & DT_NOCLIP)) {
        clip = dc->ToDevice(area);
    }
    for (const text::TextLine& line : lines) {
        int left = area.left;
        if (format & DT_CENTER) {
            left += FloorHalf(width - line.width);
        } else if (format & DT_RIGHT) {
            left = area.right - line.width;
        }
        text::LinePaint paint;
        paint.reference = dc->ToDevice(POINT{left, top});
        paint.chars = line.chars;
        paint.width = line.width;
        paint.opaqueCells = dc->BkMode() == OPAQUE;
        paint.clip = clip;
        text::PaintLine(*dc, font, paint);
        top += tm.tmHeight;
    }
    return textHeight;
}

} // namespace win
