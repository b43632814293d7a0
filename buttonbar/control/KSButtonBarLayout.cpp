// Placing the four boxes, the group bars in their boxes, and the active group's buttons as a grid
// of equal cells, in pixels. Integer division truncates toward zero; halves round to even.

#include "buttonbar/control/KSButtonBar.h"

#include "platform/base/Rounding.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"

#include <algorithm>

namespace shelfstrip {

namespace {

constexpr int32_t kHimetric = 8;
constexpr int32_t kPixels = 3;
constexpr int32_t kArrowStrip = 15;
constexpr int32_t kNoPictureSide = 32;
constexpr int32_t kTurnedUp = 900;

win::SIZE ClientSize(win::HWND hwnd) {
    win::RECT client{};
    if (hwnd)
        win::GetClientRect(hwnd, &client);
    return {client.right - client.left, client.bottom - client.top};
}

win::SIZE ClientSize(const forms::PictureBox* box) {
    return ClientSize(box ? box->Window() : win::HWND{});
}

// "Ag" in the font the cache holds under `key`; nothing without a DC. With no font the DC's own
// font measures.
std::optional<win::SIZE> MeasureAg(win::HWND hwnd, shared::CResourceMgr& cache,
                                   const ole::Ptr<ole::Font>& font, const char* key,
                                   int32_t orientation) {
    const win::WindowDc dc(hwnd);
    if (!hwnd || !dc.Get())
        return std::nullopt;
    const win::HFONT handle = font ? cache.GetFont(*font, key, orientation) : win::HFONT{};
    std::optional<win::SelectedObject> selected;
    if (handle)
        selected.emplace(dc.Get(), handle);
    win::SIZE extent{};
    win::GetTextExtentPoint32A(dc.Get(), "Ag", 2, &extent);
    return extent;
}

} // namespace

void KSButtonBar::LayoutControl() {
    // A stored bar places its boxes once, when its rebuild ends, not once per group it adds.
    if (!m_setUp || m_released || m_bLayoutSuspended)
        return;
    ole::Ptr<KSButtonBar> self(this);
    const win::SIZE inner = ClientSize(hWnd());
    const int32_t W = inner.cx;
    const int32_t H = inner.cy;
    const int32_t C = m_ShowCaptionBar ? std::max(0, m_layout.groupBarHeight - 4) : 0;
    const int32_t U = CalcGroupBoxExtent(*m_UpperGroups);
    const int32_t L = CalcGroupBoxExtent(*m_LowerGroups);
    if (m_GroupFlow == ksHorizontal) {
        m_picCaptionBar->SetPixelBounds({0, 0, C, H});
        m_PicUpperGroups->SetPixelBounds({C, 0, C + U, H});
        m_PicLowerGroups->SetPixelBounds({W - L, 0, W, H});
        const int32_t left = C + U;
        m_PicButtons->SetPixelBounds({left, 0, left + std::max(0, W - L - left), H});
    } else {
        m_picCaptionBar->SetPixelBounds({0, 0, W, C});
        m_PicUpperGroups->SetPixelBounds({0, C, W, C + U});
        m_PicLowerGroups->SetPixelBounds({0, H - L, W, H});
        const int32_t top = C + U;
        m_PicButtons->SetPixelBounds({0, top, W, top + std::max(0, H - L - top)});
    }
}

void KSButtonBar::CalcGroupBarHeight() {
    if (!m_setUp || m_released)
        return;
    const std::optional<win::SIZE> extent = MeasureAg(hWnd(), *m_ResourceMgr, m_Font, "GROUPFONT",
                                                      m_GroupFlow == ksHorizontal ? kTurnedUp : 0);
    if (extent)
        m_layout.groupBarHeight = extent->cy + 4;
}

int32_t KSButtonBar::CalcGroupBoxExtent(const CGroupButtons& list) const {
    int32_t count = 0;
    for (int32_t i = 1; i <= list.Count(); ++i) {
        if (const ole::Ptr<CGroup> group = list.Item(i); group && TakesPart(*group))
            ++count;
    }
    return count * m_layout.groupBarHeight;
}

void KSButtonBar::SplitGroupLists(const ole::Ptr<CGroup>& aGroup) {
    if (!m_setUp || m_released)
        return;
    m_UpperGroups->Clear();
    m_LowerGroups->Clear();
    // Without an active group (a stored bar with none marked current) every bar is below.
    bool passed = !aGroup;
    for (int32_t i = 1; i <= m_Groups->Count(); ++i) {
        const ole::Ptr<CGroup> group = m_Groups->At(i);
        if (!TakesPart(*group))
            continue;
        (passed ? m_LowerGroups : m_UpperGroups)->AddGroupButton(group->InternalKey());
        if (group == aGroup)
            passed = true;
    }
}

void KSButtonBar::LayoutGroupBars(const CGroupButtons& list, forms::PictureBox& box) {
    const win::SIZE inner = ClientSize(&box);
    const int32_t bar = m_layout.groupBarHeight;
    int32_t offset = 0;
    for (int32_t i = 1; i <= list.Count(); ++i) {
        const ole::Ptr<CGroup> group = list.Item(i);
        if (!group || !TakesPart(*group))
            continue;
        if (m_GroupFlow == ksHorizontal)
            group->LetBounds({offset, 0, offset + bar, inner.cy});
        else
            group->LetBounds({0, offset, inner.cx, offset + bar});
        offset += bar;
    }
}

int32_t KSButtonBar::CountLayoutButtons(const CButtons& buttons) const {
    int32_t count = 0;
    for (int32_t i = 1; i <= buttons.Count(); ++i) {
        if (TakesPart(*buttons.At(i)))
            ++count;
    }
    return count;
}

int32_t KSButtonBar::MaxPictureWidth(const CButtons& buttons) const {
    int32_t widest = 0;
    for (int32_t i = 1; i <= buttons.Count(); ++i) {
        const ole::Ptr<CButton> button = buttons.At(i);
        if (const ole::Ptr<ole::Picture> picture = button->GetPicture();
            picture && TakesPart(*button))
            widest = std::max(widest, picture->Width());
    }
    const int32_t pixels = static_cast<int32_t>(base::RoundHalfEven(
        ScaleX(static_cast<float>(widest), ole::Variant(kHimetric), ole::Variant(kPixels))));
    return pixels == 0 ? kNoPictureSide : pixels;
}

int32_t KSButtonBar::MaxPictureHeight(const CButtons& buttons) const {
    int32_t tallest = 0;
    for (int32_t i = 1; i <= buttons.Count(); ++i) {
        const ole::Ptr<CButton> button = buttons.At(i);
        if (const ole::Ptr<ole::Picture> picture = button->GetPicture();
            picture && TakesPart(*button))
            tallest = std::max(tallest, picture->Height());
    }
    const int32_t pixels = static_cast<int32_t>(base::RoundHalfEven(
        ScaleY(static_cast<float>(tallest), ole::Variant(kHimetric), ole::Variant(kPixels))));
    return pixels == 0 ? kNoPictureSide : pixels;
}

int32_t KSButtonBar::MeasureButtonCaption(const CButtons& buttons, int32_t wrap) {
    m_layout.captionHeight = 0;
    if (m_ShowButtonInfo != ksPictureAndCaption)
        return 0;
    const win::HWND area = m_hWndButtons;
    const win::WindowDc dc(area);
    if (!area || !dc.Get())
        return 0;
    const win::HFONT handle =
        m_Font ? m_ResourceMgr->GetFont(*m_Font, "BUTTONFONT", 0) : win::HFONT{};
    std::optional<win::SelectedObject> selected;
    if (handle)
        selected.emplace(dc.Get(), handle);
    win::SIZE extent{};
    win::GetTextExtentPoint32A(dc.Get(), "Ag", 2, &extent);
    const int32_t line = extent.cy + 2;
    // Two lines when any caption is wider than the wrap width.
    const int32_t widest = m_widestCaption.Of(
        buttons, dc.Get(), handle, [this](const CButton& button) { return TakesPart(button); });
    const int32_t height = widest > wrap ? 2 * line : line;
    m_layout.captionHeight = height;
    return height;
}

std::pair<int32_t, int32_t> KSButtonBar::CalcButtonCellSize(const CButtons& buttons) {
    const int32_t P = m_layout.maxPictureWidth;
    const int32_t Q = m_layout.maxPictureHeight;
    const bool textBeside = m_ButtonTextPosition == ksLeft || m_ButtonTextPosition == ksRight;
    const win::SIZE area = ClientSize(m_hWndButtons);
    // A picture may claim any size (a metafile's is only declared); a side the area gives is no
    // larger than the area.
    const auto side = [](int32_t pixels) { return std::min(pixels, kMaxCellPixels); };
    if (m_ButtonLayout == ksTiled) {
        const int32_t t = m_ShowButtonInfo == ksPictureOnly ? P : (textBeside ? 3 * P : 2 * P);
        return {side(t + 4), side(Q + MeasureButtonCaption(buttons, t) + 10)};
    }
    if (m_ButtonFlow == ksVertical) {
        if (textBeside)
            return {area.cx, side(Q + 10)};
        return {area.cx, side(Q + MeasureButtonCaption(buttons, area.cx) + 10)};
    }
    return {side((textBeside ? 3 * P : 2 * P) + 4), area.cy};
}

void KSButtonBar::LayoutButtons() {
    if (!m_setUp || m_released || m_bLayoutSuspended || !m_ActiveGroup)
        return;
    ole::Ptr<KSButtonBar> self(this);
    const ole::Ptr<CButtons> buttons = m_ActiveGroup->GetButtons();
    const CButtons& B = *buttons;
    m_layout.maxPictureWidth = MaxPictureWidth(B);
    m_layout.maxPictureHeight = MaxPictureHeight(B);
    int32_t cw = 0;
    int32_t ch = 0;
    if (m_ButtonSize == ksUserSpecified) {
        std::tie(cw, ch) = UserCellSize();
    } else {
        std::tie(cw, ch) = CalcButtonCellSize(B);
        m_layout.cellWidth = cw;
        m_layout.cellHeight = ch;
    }
    const win::SIZE area = ClientSize(m_hWndButtons);
    const int32_t aw = area.cx;
    const int32_t ah = area.cy;
    m_layout.scrollMax = 0;
    const int32_t n = CountLayoutButtons(B);
    const bool linear = m_ButtonLayout == ksLinear;
    const bool horizontal = m_ButtonFlow == ksHorizontal;
    // A cell the area gives (a linear line across it) is as thin as the area, down to nothing.
    const auto whole = [](int32_t extent, int32_t cell) { return extent / std::max(1, cell); };
    const int32_t fit = horizontal ? whole(aw, cw) : whole(ah, ch);
    m_layout.buttonsPerLine = linear ? 1 : std::max(1, horizontal ? whole(ah, ch) : whole(aw, cw));
    const int32_t perLine = m_layout.buttonsPerLine;
    int32_t lines = n;
    if (!linear)
        lines = n < perLine ? 1 : n / perLine + (n % perLine != 0 ? 1 : 0);

    if (fit >= lines) {
        m_layout.upLeftArrow = {};
        m_layout.downRightArrow = {};
    } else if (horizontal) {
        // An area smaller than the two strips has no room between them, not less than none.
        m_layout.scrollMax = lines - whole(std::max(0, aw - 2 * kArrowStrip), cw);
        m_layout.upLeftArrow = {0, 0, kArrowStrip, ah};
        m_layout.downRightArrow = {aw - kArrowStrip, 0, aw, ah};
    } else {
        m_layout.scrollMax = lines - whole(std::max(0, ah - 2 * kArrowStrip), ch);
        m_layout.upLeftArrow = {0, 0, aw, kArrowStrip};
        m_layout.downRightArrow = {0, ah - kArrowStrip, aw, ah};
    }
    m_layout.firstVisibleLine = std::min(m_layout.firstVisibleLine, m_layout.scrollMax);

    const auto centred = [](int32_t extent, int32_t cell) {
        return std::max(0, static_cast<int32_t>(base::RoundHalfEven((extent - cell) / 2.0)));
    };
    const int32_t scrolled =
        m_layout.scrollMax >= 1
            ? PinnedCoordinate(kArrowStrip -
                               int64_t{m_layout.firstVisibleLine} * (horizontal ? cw : ch))
            : 0;
    const int32_t x0 = horizontal ? scrolled : (linear ? centred(aw, cw) : 0);
    const int32_t y0 = horizontal ? (linear ? centred(ah, ch) : 0) : scrolled;
    PlaceButtons(B, cw, ch, x0, y0);
    m_hitIndex.Build(m_ActiveGroup, {{x0, y0}, cw, ch, horizontal}, n > 0);

    // A keyboard cell the smaller grid no longer has starts over at the first cell.
    if (m_layout.keyLine >= m_layout.GridLines() || m_layout.keyPosition >= perLine)
        m_layout.keyLine = m_layout.keyPosition = 0;
}

void KSButtonBar::PlaceButtons(const CButtons& buttons, int32_t cw, int32_t ch, int32_t x0,
                               int32_t y0) {
    const win::SIZE area = ClientSize(m_hWndButtons);
    const int32_t perLine = m_layout.buttonsPerLine;
    const int32_t n = CountLayoutButtons(buttons);
    if (n > 0) {
        const int32_t lines = n / perLine + (n % perLine != 0 ? 1 : 0);
        m_layout.buttonGrid.assign(static_cast<size_t>(lines),
                                   std::vector<int32_t>(static_cast<size_t>(perLine), 0));
    }
    const bool linear = m_ButtonLayout == ksLinear;
    const bool horizontal = m_ButtonFlow == ksHorizontal;
    int64_t x = x0;
    int64_t y = y0;
    int32_t line = 0;
    int32_t position = 0;
    for (int32_t k = 1; k <= buttons.Count(); ++k) {
        const ole::Ptr<CButton> button = buttons.At(k);
        if (!TakesPart(*button))
            continue;
        const int32_t left = PinnedCoordinate(x);
        const int32_t top = PinnedCoordinate(y);
        button->LetBounds({left, top, left + cw, top + ch});
        button->LetLineIndex(static_cast<int16_t>(line));
        button->LetPositionInLine(static_cast<int16_t>(position));
        if (line < m_layout.GridLines() && position < perLine)
            m_layout.buttonGrid[static_cast<size_t>(line)][static_cast<size_t>(position)] = k;
        ++position;
        const auto newLine = [&] {
            position = 0;
            ++line;
        };
        if (linear) {
            newLine();
            (horizontal ? x : y) += horizontal ? cw : ch;
        } else if (horizontal) {
            y += ch;
            if (y + ch > area.cy) {
                x += cw;
                y = y0;
                newLine();
            }
        } else {
            x += cw;
            if (x + cw > area.cx) {
                y += ch;
                x = x0;
                newLine();
            }
        }
    }
}

void KSButtonBar::CalcCloseButtonRect() {
    const win::SIZE caption = ClientSize(m_picCaptionBar.Get());
    const int32_t w = caption.cx;
    const int32_t h = caption.cy;
    if (m_GroupFlow == ksHorizontal)
        m_layout.closeButton = {2, 2, w - 2, w - 2};
    else
        m_layout.closeButton = {w - h + 2, 2, w - 2, h - 2};
}

} // namespace shelfstrip
