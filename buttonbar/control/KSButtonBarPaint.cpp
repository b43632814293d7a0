// Painting of the button area: the background, then the active group's buttons in their states
// (normal, hot, selected, pressed) with picture, caption and edges, clipped between the scroll
// strips when the grid overflows. Everything selected into a DC goes back before the pass ends.

#include "buttonbar/control/KSButtonBar.h"
#include "buttonbar/control/paint/Gradients.h"
#include "buttonbar/control/paint/TransparentBitmap.h"

#include "shared/util/ColorUtils.h"
#include "shared/util/Geometry.h"

#include "platform/base/Rounding.h"
#include "platform/ole/picture/PictureType.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/OwnedObject.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace shelfstrip {

namespace {

constexpr uint32_t kButtonFace = 0x8000000FU;
constexpr int32_t kBlockSide = 64;
constexpr win::UINT kCaptionFormat = win::DT_CENTER | win::DT_WORDBREAK | win::DT_NOPREFIX |
                                     win::DT_EDITCONTROL | win::DT_END_ELLIPSIS |
                                     win::DT_WORD_ELLIPSIS;

win::COLORREF Rgb(int32_t oleColor) {
    return shared::TranslateColor(static_cast<uint32_t>(oleColor));
}

int32_t Nint(double value) {
    return base::RoundHalfEvenToInt32(value);
}

// Where a button's picture sits and what its caption may cover.
struct ButtonGeometry {
    win::RECT caption{};
    win::RECT zone{};
};

} // namespace

void KSButtonBar::PaintButtonArea(win::HDC hdc, const win::RECT& update) {
    if (!m_ResourceMgr)
        return;
    PaintButtonBackground(hdc, update);
    if (!m_ActiveGroup)
        return;
    win::RECT clip{};
    win::GetClientRect(m_hWndButtons, &clip);
    if (m_layout.scrollMax > 0) {
        const win::RECT& first = m_layout.upLeftArrow;
        const win::RECT& second = m_layout.downRightArrow;
        clip = m_ButtonFlow == ksHorizontal
                   ? win::RECT{first.right, first.top, second.left, second.bottom}
                   : win::RECT{first.left, first.bottom, second.right, second.top};
    }
    if (m_layout.scrollMax > 0)
        PaintScrollArrows(hdc);
    win::IntersectClipRect(hdc, clip.left, clip.top, clip.right, clip.bottom);
    PaintButtons(hdc, *m_ActiveGroup, update);
}

void KSButtonBar::PaintButtonBackground(win::HDC hdc, const win::RECT& update) {
    const ole::Ptr<ole::Picture> picture =
        m_ActiveGroup ? m_ActiveGroup->GetButtonBackgroundPicture() : nullptr;
    const int16_t type = picture ? picture->Type() : ole::PICTYPE_NONE;
    const int32_t layout = m_ActiveGroup ? m_ActiveGroup->GetButtonBackgroundLayout() : 0;
    // Only bitmaps and icons can be drawn; anything else leaves the back colour showing.
    const bool drawable = type == ole::PICTYPE_BITMAP || type == ole::PICTYPE_ICON;
    const win::HBRUSH back = m_ResourceMgr->GetBrush(Rgb(m_ButtonBackColor), "BUTTONBACK");
    // An icon's transparent pixels show what lies under them, which is the back colour on a
    // first paint and must be on every other (tiles bring their own).
    if (!drawable || layout == ksPictureCentered ||
        (type == ole::PICTYPE_ICON && layout != ksPictureTiled))
        win::FillRect(hdc, &update, back);
    if (!drawable)
        return;
    win::RECT client{};
    win::GetClientRect(m_hWndButtons, &client);
    const int32_t aw = client.right;
    const int32_t ah = client.bottom;
    const int32_t pw = ole::Picture::HimetricToPixels(picture->Width());
    const int32_t ph = ole::Picture::HimetricToPixels(picture->Height());
    if (pw <= 0 || ph <= 0)
        return;
    if (layout == ksPictureTiled) {
        PaintTiles(hdc, *picture, back, update);
        return;
    }
    const auto handle = static_cast<uint32_t>(picture->Handle());
    if (type == ole::PICTYPE_ICON) {
        const auto icon = [&](int32_t x, int32_t y, int32_t w, int32_t h) {
            win::DrawStateA(hdc, win::HBRUSH{}, nullptr, static_cast<win::LPARAM>(handle), 0, x, y,
                            w, h, win::DST_ICON);
        };
        if (layout == ksPictureCentered)
            icon(Nint((aw - pw) / 2.0), Nint((ah - ph) / 2.0), pw, ph);
        else
            icon(0, 0, aw, ah);
        return;
    }
    const win::SelectedObject selection(MemDC(), win::HBITMAP::FromValue(handle));
    if (!selection.Selected())
        return;
    if (layout == ksPictureCentered) {
        win::BitBlt(hdc, Nint((aw - pw) / 2.0), Nint((ah - ph) / 2.0), pw, ph, MemDC(), 0, 0,
                    win::SRCCOPY);
    } else {
        const win::SavedDc saved(hdc);
        win::SetStretchBltMode(hdc, win::COLORONCOLOR);
        win::StretchBlt(hdc, 0, 0, aw, ah, MemDC(), 0, 0, pw, ph, win::SRCCOPY);
    }
}

void KSButtonBar::PaintTiles(win::HDC hdc, const ole::Picture& picture, win::HBRUSH back,
                             const win::RECT& update) {
    const int32_t pw = ole::Picture::HimetricToPixels(picture.Width());
    const int32_t ph = ole::Picture::HimetricToPixels(picture.Height());
    // Small tiles are copied as blocks of whole tiles at least kBlockSide across, built by
    // doubling, so a repaint costs a few copies per block instead of one per tile.
    const int32_t bw = pw * std::max(1, (kBlockSide + pw - 1) / pw);
    const int32_t bh = ph * std::max(1, (kBlockSide + ph - 1) / ph);
    const auto handle = static_cast<uint32_t>(picture.Handle());
    const bool icon = picture.Type() == ole::PICTYPE_ICON;
    std::optional<win::SelectedObject> bitmap;
    if (!icon) {
        bitmap.emplace(MemDC(), win::HBITMAP::FromValue(handle));
        if (!bitmap->Selected())
            return;
    }
    // A bitmap tile as large as a block is copied as it is.
    win::HDC source = MemDC();
    std::optional<win::MemoryDc> block;
    std::optional<win::OwnedObject<win::HBITMAP>> blockBitmap;
    std::optional<win::SelectedObject> blockSelection;
    if (icon || bw != pw || bh != ph) {
        block.emplace(hdc);
        blockBitmap.emplace(win::CreateCompatibleBitmap(hdc, bw, bh));
        if (!block->Get() || !blockBitmap->Get())
            return;
        blockSelection.emplace(block->Get(), blockBitmap->Get());
        source = block->Get();
        if (icon) {
            // An icon's transparent pixels show the back colour.
            const win::RECT tile{0, 0, pw, ph};
            win::FillRect(source, &tile, back);
            win::DrawStateA(source, win::HBRUSH{}, nullptr, static_cast<win::LPARAM>(handle), 0, 0,
                            0, pw, ph, win::DST_ICON);
        } else {
            win::BitBlt(source, 0, 0, pw, ph, MemDC(), 0, 0, win::SRCCOPY);
        }
        for (int32_t w = pw; w < bw; w *= 2)
            win::BitBlt(source, w, 0, std::min(w, bw - w), ph, source, 0, 0, win::SRCCOPY);
        for (int32_t h = ph; h < bh; h *= 2)
            win::BitBlt(source, 0, h, bw, std::min(h, bh - h), source, 0, 0, win::SRCCOPY);
    }

    // Only the tiles the update meets, anchored at the area's origin.
    win::RECT client{};
    win::GetClientRect(m_hWndButtons, &client);
    const auto down = [](int32_t at, int32_t tile) {
        return static_cast<int32_t>(std::floor(static_cast<double>(at) / tile) * tile);
    };
    const auto up = [](int32_t at, int32_t tile) {
        return static_cast<int32_t>(std::ceil(static_cast<double>(at) / tile) * tile);
    };
    const win::RECT meet{std::max(0, down(update.left, pw)), std::max(0, down(update.top, ph)),
                         std::min(client.right, up(update.right, pw)),
                         std::min(client.bottom, up(update.bottom, ph))};
    const win::SavedDc saved(hdc);
    win::IntersectClipRect(hdc, meet.left, meet.top, meet.right, meet.bottom);
    shared::ForEachTile(client, meet, bw, bh, [&](int32_t x, int32_t y) {
        win::BitBlt(hdc, x, y, std::min(bw, client.right - x), std::min(bh, client.bottom - y),
                    source, 0, 0, win::SRCCOPY);
    });
}

void KSButtonBar::PaintScrollArrows(win::HDC hdc) {
    const bool vertical = m_ButtonFlow != ksHorizontal;
    PaintScrollArrow(hdc, m_layout.upLeftArrow, vertical ? kArrowUp : kArrowLeft,
                     m_bArrowPressed && m_bFirstArrowPressed);
    PaintScrollArrow(hdc, m_layout.downRightArrow, vertical ? kArrowDown : kArrowRight,
                     m_bArrowPressed && !m_bFirstArrowPressed);
}

void KSButtonBar::PaintScrollArrow(win::HDC hdc, win::RECT rect, int32_t direction, bool pressed) {
    if (!hdc)
        return;
    const win::COLORREF grad = Rgb(m_ButtonGradientColor);
    const win::COLORREF back = Rgb(m_ButtonBackColor);
    if (m_ButtonGradientType != ksGradientNone && !m_ActiveGroup->GetButtonBackgroundPicture() &&
        grad != back) {
        if (m_bHasMsImg32)
            FillGradient(hdc, rect, grad, back, m_ButtonGradientType, *m_ResourceMgr);
        else
            FillGradientBanded(hdc, rect, grad, back, m_ButtonGradientType, *m_ResourceMgr);
    }
    if (pressed) {
        win::DrawEdge(hdc, &rect, win::BDR_RAISEDOUTER, win::BF_RECT);
    } else if (m_ButtonAppearance == ksFlatWithBorder) {
        // One line on the side facing the buttons.
        constexpr win::UINT kFacing[] = {win::BF_BOTTOM, win::BF_TOP, win::BF_RIGHT, win::BF_LEFT};
        const bool onFace = back == Rgb(static_cast<int32_t>(kButtonFace));
        win::DrawEdge(hdc, &rect, onFace ? win::BDR_RAISEDOUTER : win::BDR_RAISEDINNER,
                      kFacing[direction] | win::BF_FLAT);
    }
    DrawArrowGlyph(hdc, rect, direction);
}

void KSButtonBar::DrawArrowGlyph(win::HDC hdc, const win::RECT& rect, int32_t direction) {
    const int32_t W = rect.right - rect.left;
    const int32_t H = rect.bottom - rect.top;
    std::array<win::POINT, 3> points{};
    if (direction == kArrowUp || direction == kArrowDown) {
        const int32_t s = Nint(H / 4.0);
        const int32_t x0 = Nint((W - 2 * s) / 2.0 + rect.left);
        const int32_t y0 = direction == kArrowUp ? Nint(rect.bottom - (H - s) / 2.0)
                                                 : Nint((H - s) / 2.0 + rect.top);
        const int32_t tip = direction == kArrowUp ? y0 - s : y0 + s;
        points = {win::POINT{x0, y0}, win::POINT{x0 + s, tip}, win::POINT{x0 + 2 * s, y0}};
    } else {
        const int32_t s = Nint(W / 4.0);
        const int32_t x0 = direction == kArrowLeft ? Nint(rect.right - (W - s) / 2.0)
                                                   : Nint(rect.left + (W - s) / 2.0);
        const int32_t y0 = Nint((H - 2 * s) / 2.0 + rect.top);
        const int32_t tip = direction == kArrowLeft ? x0 - s : x0 + s;
        points = {win::POINT{x0, y0}, win::POINT{tip, y0 + s}, win::POINT{x0, y0 + 2 * s}};
    }
    const win::COLORREF fore = Rgb(m_ButtonForeColor);
    const win::SelectedObject pen(hdc, m_ResourceMgr->GetPen(fore, "ArrowColor", win::PS_SOLID, 0));
    const win::SelectedObject brush(hdc, m_ResourceMgr->GetBrush(fore, "ArrowFillColor"));
    win::Polygon(hdc, points.data(), static_cast<int>(points.size()));
}

void KSButtonBar::PaintButtons(win::HDC hdc, const CGroup& group, const win::RECT& update) {
    const ole::Ptr<CButtons> buttons = group.GetButtons();
    if (m_ButtonSize == ksAutoCalculated)
        std::tie(m_layout.cellWidth, m_layout.cellHeight) = CalcButtonCellSize(*buttons);
    const auto [cw, ch] = CellSize();
    // The cell background is rendered once and copied under every button. Only a cell's corner
    // as large as the area can show (scrolled cells start inside the strips), so no more of it is
    // rendered.
    win::RECT area{};
    win::GetClientRect(m_hWndButtons, &area);
    const int32_t shownWidth = std::min(cw, area.right);
    const int32_t shownHeight = std::min(ch, area.bottom);
    std::optional<win::MemoryDc> cell;
    std::optional<win::OwnedObject<win::HBITMAP>> cellBitmap;
    std::optional<win::SelectedObject> cellSelection;
    if (!group.GetButtonBackgroundPicture()) {
        cell.emplace(hdc);
        cellBitmap.emplace(win::CreateCompatibleBitmap(hdc, shownWidth, shownHeight));
        if (cell->Get() && cellBitmap->Get())
            cellSelection.emplace(cell->Get(), cellBitmap->Get());
        if (cellSelection && cellSelection->Selected()) {
            const win::RECT rect{0, 0, cw, ch};
            const win::COLORREF grad = Rgb(m_ButtonGradientColor);
            const win::COLORREF back = Rgb(m_ButtonBackColor);
            // The banded routine leaves a cell without a gradient unfilled; the plain fill needs
            // no image functions.
            if (m_bHasMsImg32 || m_ButtonGradientType == ksGradientNone)
                FillGradient(cell->Get(), rect, grad, back, m_ButtonGradientType, *m_ResourceMgr);
            else
                FillGradientBanded(cell->Get(), rect, grad, back, m_ButtonGradientType,
                                   *m_ResourceMgr);
        } else {
            cellSelection.reset();
        }
    }

    // In collection order, so a button shown again on another's old place paints over it.
    for (const ole::Ptr<CButton>& button : ButtonsMeeting(group, update)) {
        const win::RECT& rc = button->Bounds();
        if (cellSelection)
            win::BitBlt(hdc, rc.left, rc.top, shownWidth, shownHeight, cell->Get(), 0, 0,
                        win::SRCCOPY);
        PaintButton(hdc, *button, rc, button == m_HighlightedButton);
    }
}

void KSButtonBar::PaintButton(win::HDC hdc, const CButton& button, const win::RECT& rc, bool hot) {
    const bool selected = m_SelectedButton.Get() == &button;
    auto [caption, zone] = DrawButtonPicture(hdc, button, rc, hot);

    if (m_ShowButtonInfo == ksPictureAndCaption) {
        const int32_t fore = selected ? m_SelectedButtonForeColor
                             : hot    ? m_HighlightedButtonForeColor
                                      : m_ButtonForeColor;
        const win::SavedDc saved(hdc);
        if (m_Font)
            if (const win::HFONT font = m_ResourceMgr->GetFont(*m_Font, "BUTTONFONT"))
                win::SelectObject(hdc, font);
        win::SetBkMode(hdc, win::TRANSPARENT);
        win::SetTextColor(hdc, Rgb(fore));
        const std::string text = button.GetCaption();
        win::DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &caption, kCaptionFormat);
    }

    const bool onFace = Rgb(m_ButtonBackColor) == Rgb(static_cast<int32_t>(kButtonFace));
    win::RECT edgeRect = m_ButtonHighlightZone == ksZonePicture ? zone : rc;
    win::RECT whole = rc;
    if (!selected) {
        DrawButtonEdge(hdc, whole, m_ButtonAppearance);
        if (hot)
            win::DrawEdge(hdc, &edgeRect, onFace ? win::BDR_RAISEDINNER : win::BDR_RAISEDOUTER,
                          win::BF_RECT);
    } else if (m_ButtonHighlightZone != ksZonePicture) {
        DrawButtonEdge(hdc, whole, m_SelectedButtonAppearance);
    } else if (m_SelectedButtonAppearance == ksFlatWithBorder) {
        win::DrawEdge(hdc, &zone, onFace ? win::BDR_RAISEDOUTER : win::BDR_RAISEDINNER,
                      win::BF_RECT | win::BF_FLAT);
    } else {
        DrawButtonEdge(hdc, zone, m_SelectedButtonAppearance);
    }
    if (hot && (win::GetAsyncKeyState(win::VK_LBUTTON) & 0x8000) != 0)
        DrawButtonEdge(hdc, edgeRect, ksClassic3dSunken);
}

std::pair<win::RECT, win::RECT> KSButtonBar::DrawButtonPicture(win::HDC hdc, const CButton& button,
                                                               const win::RECT& rc, bool hot) {
    const ole::Ptr<ole::Picture> picture = button.GetPicture();
    if (!picture)
        return {};
    const auto [L, T, R, B] = rc;
    const int32_t P = m_layout.maxPictureWidth;
    const int32_t Q = m_layout.maxPictureHeight;
    const int32_t c = m_layout.captionHeight;
    const int32_t ch = CellSize().second;
    const int32_t pw = ole::Picture::HimetricToPixels(picture->Width());
    const int32_t ph = ole::Picture::HimetricToPixels(picture->Height());

    const int32_t centredX = P < R - L ? L + ((R - L) - P) / 2 : L;
    const int32_t middleY = Q < B - T ? T + ((B - T) - Q) / 2 : T;
    int32_t px = centredX;
    int32_t py = middleY;
    win::RECT caption{};
    if (m_ShowButtonInfo != ksPictureAndCaption) {
        py = Q < B - T ? middleY : T + 4;
    } else {
        const int32_t besideTop = Nint(((B - T) - c) / 2.0 + T);
        switch (m_ButtonTextPosition) {
        case ksLeft:
            px = R - P - 4;
            caption = {L + 2, besideTop, px - 4, 0};
            break;
        case ksRight:
            px = L + 4;
            caption = {px + P + 4, besideTop, R - 2, 0};
            break;
        case ksTop:
            py = ch <= c + Q ? B - Q - 4 : Nint((B - Q) - (ch - (c + Q)) / 2.0);
            caption = {L + 2, T < py - c - 4 ? py - c - 4 : T + 2, R - 2, 0};
            break;
        default:
            py = ch <= c + Q ? T + 4 : Nint((ch - (c + Q)) / 2.0 + T + 2);
            caption = {L + 2, py + Q + 2, R - 2, 0};
            break;
        }
        const int32_t b = m_ButtonTextPosition == ksTop ? py - 2 : B;
        caption.bottom = b <= caption.top + c ? b - 2 : caption.top + c;
    }
    const int32_t x = pw < P ? px + Nint((P - pw) / 2.0) : px;
    const int32_t y = ph < Q ? py + Nint((Q - ph) / 2.0) : py;
    const win::RECT zone{px - 2, py - 2, px + P + 2, py + Q + 2};

    const bool selected = m_SelectedButton.Get() == &button;
    if (!m_ActiveGroup->GetButtonBackgroundPicture() && m_ButtonGradientType == ksGradientNone) {
        const win::HBRUSH brush =
            selected ? m_ResourceMgr->GetBrush(Rgb(m_SelectedButtonBackColor), "SELBACKCOLOR")
            : hot    ? m_ResourceMgr->GetBrush(Rgb(m_HighlightedButtonBackColor), "HTBACKCOLOR")
                     : m_ResourceMgr->GetBrush(Rgb(m_ButtonBackColor), "ButtonBackColor");
        if (brush)
            win::FillRect(hdc, &rc, brush);
    }

    const auto handle = static_cast<uint32_t>(picture->Handle());
    if (picture->Type() == ole::PICTYPE_ICON) {
        win::DrawStateA(hdc, win::HBRUSH{}, nullptr, static_cast<win::LPARAM>(handle), 0, x, y, pw,
                        ph, win::DST_ICON);
    } else if (const win::SelectedObject selection(MemDC(), win::HBITMAP::FromValue(handle));
               selection.Selected()) {
        // A picture that is not a bitmap cannot be selected and draws nothing.
        if (m_bHasMsImg32)
            win::TransparentBlt(hdc, x, y, pw, ph, MemDC(), 0, 0, pw, ph,
                                Rgb(m_ButtonPictureMaskColor));
        else
            DrawTransparentBitmap(hdc, x, y, pw, ph, MemDC(), 0, 0, pw, ph,
                                  m_ButtonPictureMaskColor);
    }
    return {caption, zone};
}

void KSButtonBar::DrawButtonEdge(win::HDC hdc, win::RECT rect, int32_t appearance) {
    win::UINT edge = 0;
    win::UINT flags = win::BF_RECT;
    switch (appearance) {
    case ksFlatWithBorder:
        edge = Rgb(m_ButtonBackColor) == Rgb(static_cast<int32_t>(kButtonFace))
                   ? win::BDR_RAISEDOUTER
                   : win::BDR_RAISEDINNER;
        flags = m_ButtonLayout == ksTiled ? win::BF_FLAT | win::BF_RIGHT | win::BF_BOTTOM
                : m_ButtonFlow == ksVertical
                    ? win::BF_FLAT | win::BF_LEFT | win::BF_RIGHT | win::BF_BOTTOM
                    : win::BF_FLAT | win::BF_TOP | win::BF_RIGHT | win::BF_BOTTOM;
        break;
    case ksClassic3DRaised:
        edge = win::EDGE_RAISED;
        break;
    case ksModern3dRaised:
        edge = win::BDR_RAISEDOUTER;
        break;
    case ksClassic3dSunken:
        edge = win::EDGE_SUNKEN;
        break;
    case ksModern3dSunken:
        edge = win::BDR_SUNKENINNER;
        break;
    default:
        return;
    }
    win::DrawEdge(hdc, &rect, edge, flags);
}

} // namespace shelfstrip
