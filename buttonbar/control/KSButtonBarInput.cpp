// The button area's mouse and keys: hit tests in whole pixels (strict on every side), scrolling
// by the arrow strips, selection by click and Enter, hot tracking with capture while the control
// has the focus, and keyboard moves through the grid with scrolling into view.
//
// A click on a button, as the area sees it:
//   MouseDown   the button repaints pressed; MouseDown(ksButtonHit, button)
//   MouseUp     the button repaints; MouseUp(ksButtonHit, button); the capture goes
//   Click       SelectedButton = the button; ButtonSelectionChanged

#include "buttonbar/control/KSButtonBar.h"

#include "shared/util/Geometry.h"

#include "platform/base/Rounding.h"
#include "platform/win/Win.h"

#include <numeric>

namespace shelfstrip {

namespace {

constexpr int16_t kPixels = 3;

bool Inside(win::POINT pt, const win::RECT& rect) {
    return shared::PointInRect(static_cast<float>(pt.x), static_cast<float>(pt.y), rect);
}

int32_t StepsToCover(int32_t distance, int32_t cell) {
    return cell > 0 ? (distance + cell - 1) / cell : 0;
}

} // namespace

// ---- Shared by the boxes ----

win::POINT KSButtonBar::BoxPixels(const forms::PictureBox& box, const BoxMouse& mouse) {
    const ole::Variant from(box.GetScaleMode());
    const ole::Variant to(kPixels);
    return {base::RoundHalfEvenToInt32(box.DoScaleX(mouse.x, from, to)),
            base::RoundHalfEvenToInt32(box.DoScaleY(mouse.y, from, to))};
}

void KSButtonBar::RaiseBoxMouse(EventId id, const forms::PictureBox& box, const BoxMouse& mouse,
                                int32_t eHitType, const ole::Ptr<ole::Object>& hitItem,
                                bool rounded) {
    float x = box.Left() + mouse.x;
    float y = box.Top() + mouse.y;
    if (rounded) {
        x = static_cast<float>(base::RoundHalfEven(x));
        y = static_cast<float>(base::RoundHalfEven(y));
    }
    ole::Variant args[] = {
        ole::Variant(mouse.button), ole::Variant(mouse.shift), ole::Variant(x), ole::Variant(y),
        ole::Variant(eHitType),     ole::Variant(hitItem)};
    Raise(id, args);
}

void KSButtonBar::MoveButtonTooltip(const CBarItem& item, win::HWND tool) {
    // No tooltip at design time.
    if (!m_ToolTip)
        return;
    const win::RECT& r = item.Bounds();
    const auto id = static_cast<win::UINT_PTR>(tool.Value());
    m_ToolTip->SetNewToolRect(id, r.left, r.top, r.right - r.left, r.bottom - r.top);
    m_ToolTip->SetText(id, item.GetTooltipText());
    m_ToolTip->Activate(true);
}

std::vector<int32_t> KSButtonBar::ButtonsToTry(const CGroup& group, const win::RECT& rect) const {
    if (m_hitIndex.Serves(&group))
        return m_hitIndex.Candidates(rect, m_layout);
    std::vector<int32_t> all(static_cast<size_t>(group.GetButtons()->Count()));
    std::iota(all.begin(), all.end(), 1);
    return all;
}

std::vector<ole::Ptr<CButton>> KSButtonBar::ButtonsMeeting(const CGroup& group,
                                                           const win::RECT& rect) const {
    const ole::Ptr<CButtons> buttons = group.GetButtons();
    std::vector<ole::Ptr<CButton>> meeting;
    for (const int32_t position : ButtonsToTry(group, rect)) {
        if (position > buttons->Count())
            break;
        ole::Ptr<CButton> button = buttons->At(position);
        win::RECT meet{};
        if (TakesPart(*button) && win::IntersectRect(&meet, &button->Bounds(), &rect))
            meeting.push_back(std::move(button));
    }
    return meeting;
}

bool KSButtonBar::InButtonArea(win::POINT pt) const {
    win::RECT client{};
    win::GetClientRect(m_hWndButtons, &client);
    return win::PtInRect(&client, pt) != 0;
}

ole::Ptr<CButton> KSButtonBar::ButtonAt(win::POINT pt) const {
    if (!m_ActiveGroup)
        return nullptr;
    const ole::Ptr<CButtons> buttons = m_ActiveGroup->GetButtons();
    for (const int32_t position : ButtonsToTry(*m_ActiveGroup, {pt.x, pt.y, pt.x + 1, pt.y + 1})) {
        if (position > buttons->Count())
            break;
        const ole::Ptr<CButton> button = buttons->At(position);
        if (TakesPart(*button) && Inside(pt, button->Bounds()))
            return button;
    }
    return nullptr;
}

void KSButtonBar::ScrollButtons(int32_t steps) {
    // A host may have unloaded the bar from an event raised before the scroll.
    if (!m_ActiveGroup)
        return;
    const bool horizontal = m_ButtonFlow == ksHorizontal;
    const auto [cw, ch] = CellSize();
    const int64_t dx = horizontal ? -int64_t{steps} * cw : 0;
    const int64_t dy = horizontal ? 0 : -int64_t{steps} * ch;
    m_layout.firstVisibleLine += steps;
    // A group shown while the layout is held back moves alone; the index keeps to its own.
    if (m_hitIndex.Serves(m_ActiveGroup.Get()))
        m_hitIndex.Shift(dx, dy);
    const ole::Ptr<CButtons> buttons = m_ActiveGroup->GetButtons();
    for (int32_t i = 1; i <= buttons->Count(); ++i) {
        const ole::Ptr<CButton> button = buttons->At(i);
        const win::RECT& r = button->Bounds();
        const int32_t left = PinnedCoordinate(r.left + dx);
        const int32_t top = PinnedCoordinate(r.top + dy);
        button->LetBounds({left, top, left + (r.right - r.left), top + (r.bottom - r.top)});
    }
    RefreshButtonArea();
}

void KSButtonBar::InvalidateArrow(bool first) {
    win::InvalidateRect(m_hWndButtons, first ? &m_layout.upLeftArrow : &m_layout.downRightArrow,
                        false);
}

// ---- Mouse ----

void KSButtonBar::HandleButtonAreaClick(int32_t x, int32_t y) {
    const win::POINT pt{x, y};
    // A press released beside the area is no click on it. Scrolled buttons keep Bounds beyond
    // the area, where such a release may lie.
    if (!InButtonArea(pt))
        return;
    if (Inside(pt, m_layout.upLeftArrow)) {
        if (m_layout.firstVisibleLine > 0 && m_ActiveGroup)
            ScrollButtons(-1);
    } else if (Inside(pt, m_layout.downRightArrow)) {
        if (m_layout.firstVisibleLine < m_layout.scrollMax && m_ActiveGroup)
            ScrollButtons(1);
    } else {
        // Empty space clears the selection.
        SetSelectedButton(ButtonAt(pt));
    }
}

void KSButtonBar::RaiseButtonAreaMouse(const BoxMouse& mouse, bool bDown) {
    int32_t eHitType = ksUnknownHit;
    ole::Ptr<CButton> hitItem;
    const win::POINT pt = BoxPixels(*m_PicButtons, mouse);
    if (Inside(pt, m_layout.upLeftArrow)) {
        if (m_layout.firstVisibleLine > 0)
            eHitType = ksTLScrollButtonHit;
    } else if (Inside(pt, m_layout.downRightArrow)) {
        if (m_layout.firstVisibleLine < m_layout.scrollMax)
            eHitType = ksBRScrollButtonHit;
    } else if (InButtonArea(pt) && (hitItem = ButtonAt(pt))) {
        InvalidateButton(*hitItem);
        eHitType = ksButtonHit;
    }
    RaiseBoxMouse(bDown ? EvMouseDown : EvMouseUp, *m_PicButtons, mouse, eHitType, hitItem);
}

void KSButtonBar::TrackButtonAreaMouse(const BoxMouse& mouse) {
    ole::Ptr<KSButtonBar> self(this);
    const ole::Ptr<forms::PictureBox> area = m_PicButtons;
    int32_t eHitType = ksUnknownHit;
    if (mouse.button == 0 && !HoldsCapture() && m_bHasFocus) {
        m_bCaptured = true;
        win::SetCapture(m_hWndButtons);
    }
    const win::POINT pt = BoxPixels(*area, mouse);
    win::RECT client{};
    win::GetClientRect(m_hWndButtons, &client);
    if (Inside(pt, client)) {
        if (Inside(pt, m_layout.upLeftArrow) || Inside(pt, m_layout.downRightArrow)) {
            const bool first = Inside(pt, m_layout.upLeftArrow);
            eHitType = first ? ksTLScrollButtonHit : ksBRScrollButtonHit;
            ClearButtonHighlight();
            if (!m_bArrowPressed) {
                InvalidateArrow(first);
                m_bArrowPressed = true;
                m_bFirstArrowPressed = first;
            }
        } else {
            if (m_bArrowPressed) {
                InvalidateArrow(m_bFirstArrowPressed);
                m_bArrowPressed = false;
            }
            // Empty space keeps the highlight.
            if (const ole::Ptr<CButton> button = ButtonAt(pt)) {
                m_layout.keyLine = button->LineIndex();
                m_layout.keyPosition = button->PositionInLine();
                if (button != m_HighlightedButton) {
                    ClearButtonHighlight();
                    // The host hears of the old highlight first and may remove the new button.
                    if (Owns(*button) && IsActive(*button)) {
                        HighlightButton(button);
                        InvalidateButton(*button);
                        MoveButtonTooltip(*button, m_hWndButtons);
                    }
                }
                if (button == m_HighlightedButton)
                    eHitType = ksButtonHit;
            }
        }
    } else {
        if (HoldsCapture()) {
            win::ReleaseCapture();
            m_bCaptured = false;
        }
        if (m_bArrowPressed) {
            InvalidateArrow(m_bFirstArrowPressed);
            m_bArrowPressed = false;
            m_bFirstArrowPressed = false;
        } else {
            ClearButtonHighlight();
        }
    }
    RaiseBoxMouse(EvMouseMove, *area, mouse, eHitType, m_HighlightedButton);
}

void KSButtonBar::EmptyButtonTip() {
    if (m_ToolTip)
        m_ToolTip->SetNewToolRect(static_cast<win::UINT_PTR>(m_hWndButtons.Value()), 0, 0, 0, 0);
}

void KSButtonBar::DropHighlightOf(const CGroup* group, const CButton* button) {
    const ole::Ptr<CButton> lit = m_HighlightedButton;
    if (!lit ||
        !((button && lit.Get() == button) || (group && lit->GetParentGroup().Get() == group)))
        return;
    // The host hears nothing; the tip of the button that went goes with it.
    m_HighlightedButton = nullptr;
    EmptyButtonTip();
}

void KSButtonBar::ClearButtonHighlight() {
    EmptyButtonTip();
    if (!m_HighlightedButton)
        return;
    const ole::Ptr<CButton> old = m_HighlightedButton;
    InvalidateButton(*old);
    ole::Variant args[] = {ole::Variant(ole::Ptr<ole::Object>(old)), ole::Variant(false)};
    Raise(EvButtonHighlightChanged, args);
    m_HighlightedButton = nullptr;
}

// ---- Keys ----

void KSButtonBar::HandleButtonAreaKey(int32_t keyCode) {
    if (!m_ActiveGroup)
        return;
    const ole::Ptr<CButtons> buttons = m_ActiveGroup->GetButtons();
    if (CountLayoutButtons(*buttons) == 0)
        return;
    if (keyCode == win::VK_RETURN) {
        // The highlight outlives hiding its button and showing another group; Enter selects only
        // a button the area shows.
        const ole::Ptr<CButton> highlighted = m_HighlightedButton;
        if (highlighted && IsActive(*highlighted) && TakesPart(*highlighted))
            SetSelectedButton(highlighted);
        return;
    }
    if (m_ButtonFlow == ksHorizontal) {
        constexpr int32_t kTurned[] = {win::VK_UP, win::VK_LEFT, win::VK_DOWN, win::VK_RIGHT};
        if (keyCode >= win::VK_LEFT && keyCode <= win::VK_DOWN)
            keyCode = kTurned[keyCode - win::VK_LEFT];
    }
    // The grid's own size bounds every read and the walk: a grid older than the buttons (a
    // button hidden since the last layout) can hold no cell with a button at all.
    const int32_t lines = m_layout.GridLines();
    const int32_t perLine =
        lines > 0 ? std::max(1, static_cast<int32_t>(m_layout.buttonGrid.front().size())) : 1;
    int32_t& line = m_layout.keyLine;
    int32_t& position = m_layout.keyPosition;
    // A cell whose position has left the collection, or whose button no longer shows, is empty.
    const auto cellButton = [&]() -> ole::Ptr<CButton> {
        const int32_t k = m_layout.GridCell(line, position);
        if (k < 1 || k > buttons->Count())
            return nullptr;
        const ole::Ptr<CButton> button = buttons->At(k);
        return TakesPart(*button) ? button : nullptr;
    };
    const auto wrap = [](int32_t& value, int32_t limit) {
        const bool under = value < 0;
        const bool over = value >= limit;
        value = under ? limit - 1 : over ? 0 : value;
        return under ? -1 : over ? 1 : 0;
    };
    const bool moves = keyCode == win::VK_LEFT || keyCode == win::VK_UP ||
                       keyCode == win::VK_RIGHT || keyCode == win::VK_DOWN;
    for (int32_t tries = 0; moves && lines > 0 && tries < lines * perLine; ++tries) {
        if (keyCode == win::VK_RIGHT || keyCode == win::VK_LEFT) {
            position += keyCode == win::VK_RIGHT ? 1 : -1;
            line += wrap(position, perLine);
            wrap(line, lines);
        } else {
            line += keyCode == win::VK_DOWN ? 1 : -1;
            position += wrap(line, lines);
            wrap(position, perLine);
        }
        if (cellButton())
            break;
    }
    ClearButtonHighlight();
    // The host heard of the old highlight and may have shown another group meanwhile.
    if (!m_ActiveGroup || m_ActiveGroup->GetButtons() != buttons)
        return;
    const ole::Ptr<CButton> button = cellButton();
    if (!button)
        return;
    HighlightButton(button);
    if (m_layout.scrollMax >= 1) {
        const bool horizontal = m_ButtonFlow == ksHorizontal;
        const auto [cw, ch] = CellSize();
        const win::RECT& b = button->Bounds();
        const win::RECT& first = m_layout.upLeftArrow;
        const win::RECT& second = m_layout.downRightArrow;
        int32_t steps = 0;
        if (horizontal && b.left < first.right)
            steps = -StepsToCover(first.right - b.left, cw);
        else if (horizontal && b.right > second.left)
            steps = StepsToCover(b.right - second.left, cw);
        else if (!horizontal && b.top < first.bottom)
            steps = -StepsToCover(first.bottom - b.top, ch);
        else if (!horizontal && b.bottom > second.bottom)
            steps = StepsToCover(b.bottom - second.bottom, ch);
        if (steps != 0)
            ScrollButtons(steps);
    }
    InvalidateButton(*button);
}

} // namespace shelfstrip
