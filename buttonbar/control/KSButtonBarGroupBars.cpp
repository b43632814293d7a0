// The caption bar with its close button and the two boxes of group bars: painting, the focus mark
// moved by hovering and by the arrow keys, activation by click and Enter, and the mouse events
// the boxes pass on to the host. Bars are hit-tested in whole pixels in every path.

#include "buttonbar/control/KSButtonBar.h"
#include "buttonbar/control/paint/Gradients.h"

#include "shared/util/ColorUtils.h"
#include "shared/util/Geometry.h"

#include "platform/base/Rounding.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"

#include <optional>

namespace shelfstrip {

namespace {

constexpr uint32_t kButtonFace = 0x8000000FU;
constexpr uint32_t kInactiveCaptionText = 0x80000013U;
constexpr int32_t kActiveCaption = static_cast<int32_t>(0x80000002U);
constexpr int32_t kInactiveCaption = static_cast<int32_t>(0x80000003U);
constexpr int32_t kTurnedUp = 900;
constexpr win::UINT kCaptionFormat = win::DT_VCENTER | win::DT_SINGLELINE | win::DT_END_ELLIPSIS;
constexpr win::UINT kBarFormat = win::DT_CENTER | win::DT_VCENTER | win::DT_SINGLELINE |
                                 win::DT_END_ELLIPSIS | win::DT_WORD_ELLIPSIS;

win::COLORREF Rgb(uint32_t oleColor) {
    return shared::TranslateColor(oleColor);
}

bool Inside(win::POINT pt, const win::RECT& rect) {
    return shared::PointInRect(static_cast<float>(pt.x), static_cast<float>(pt.y), rect);
}

// The bar's edge by GroupAppearance: edge and flags; ksFlat and unknown values draw none.
std::optional<std::pair<win::UINT, win::UINT>> BarEdge(int32_t appearance) {
    switch (appearance) {
    case ksFlatWithBorder:
        return std::pair{win::EDGE_RAISED, win::BF_RECT | win::BF_FLAT};
    case ksClassic3DRaised:
        return std::pair{win::EDGE_RAISED, win::BF_RECT};
    case ksModern3dRaised:
        return std::pair{win::BDR_RAISEDINNER, win::BF_RECT};
    case ksClassic3dSunken:
        return std::pair{win::EDGE_SUNKEN, win::BF_RECT};
    case ksModern3dSunken:
        return std::pair{win::BDR_SUNKENOUTER, win::BF_RECT};
    default:
        return std::nullopt;
    }
}

win::SIZE Extent(win::HDC hdc, const std::string& text) {
    win::SIZE extent{};
    win::GetTextExtentPoint32A(hdc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent;
}

// Byte length of the first n code points.
size_t PrefixBytes(const std::string& text, size_t n) {
    size_t bytes = 0;
    for (size_t points = 0; bytes < text.size(); ++bytes) {
        if ((static_cast<unsigned char>(text[bytes]) & 0xC0) != 0x80 && points++ == n)
            break;
    }
    return bytes;
}

size_t CodePoints(const std::string& text) {
    size_t points = 0;
    for (const char c : text)
        points += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return points;
}

} // namespace

// ---- Painting ----

void KSButtonBar::PaintCaptionBar(bool bClosePressed) {
    if (!m_picCaptionBar || !m_ResourceMgr)
        return;
    const win::HWND hwnd = m_picCaptionBar->Window();
    const win::WindowDc dc(hwnd);
    if (!hwnd || !dc.Get())
        return;
    if (m_ShowCloseButton) {
        win::RECT close = m_layout.closeButton;
        win::DrawFrameControl(dc.Get(), &close, win::DFC_CAPTION,
                              win::DFCS_CAPTIONCLOSE | (bClosePressed ? win::DFCS_PUSHED : 0));
    }
    if (m_Caption.empty())
        return;
    const bool horizontal = m_GroupFlow == ksHorizontal;
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    win::RECT text{2, 0, client.right, client.bottom};
    if (m_ShowCloseButton) {
        if (horizontal)
            text.top = m_layout.closeButton.bottom;
        else
            text.right = m_layout.closeButton.left;
    }
    const win::SavedDc saved(dc.Get());
    if (m_Font)
        if (const win::HFONT font =
                m_ResourceMgr->GetFont(*m_Font, "GROUPFONT", horizontal ? kTurnedUp : 0))
            win::SelectObject(dc.Get(), font);
    win::SetBkMode(dc.Get(), win::TRANSPARENT);
    win::SetTextColor(dc.Get(), Rgb(kInactiveCaptionText));
    DrawFittedText(dc.Get(), m_Caption, text, kCaptionFormat);
}

void KSButtonBar::PaintGroupBars(forms::PictureBox& box, const CGroupButtons& list) {
    if (!m_ResourceMgr)
        return;
    const win::HWND hwnd = box.Window();
    const win::WindowDc dc(hwnd);
    if (!hwnd || !dc.Get())
        return;
    const win::HDC hdc = dc.Get();
    const bool horizontal = m_GroupFlow == ksHorizontal;
    const win::SavedDc saved(hdc);
    if (m_Font)
        if (const win::HFONT font =
                m_ResourceMgr->GetFont(*m_Font, "GROUPFONT", horizontal ? kTurnedUp : 0))
            win::SelectObject(hdc, font);
    win::SetBkMode(hdc, win::TRANSPARENT);
    win::SetTextAlign(hdc, win::TA_LEFT | win::TA_TOP);
    const win::COLORREF first = Rgb(static_cast<uint32_t>(m_GroupBackColor));
    const win::COLORREF second = Rgb(static_cast<uint32_t>(m_GroupGradientColor));
    for (int32_t i = 1; i <= list.Count(); ++i) {
        const ole::Ptr<CGroup> group = list.Item(i);
        if (!group)
            continue;
        win::RECT r = group->Bounds();
        // Every bar is drawn, not only those the update meets: each starts from its background,
        // so drawing it again (the focus mark inverts) leaves what a first paint leaves.
        win::FillRect(hdc, &r, m_ResourceMgr->GetBrush(first, "GROUPBACK"));
        if (m_GroupGradientType != ksGradientNone) {
            if (m_bHasMsImg32)
                FillGradient(hdc, r, second, first, m_GroupGradientType, *m_ResourceMgr);
            else
                FillGradientBanded(hdc, r, second, first, m_GroupGradientType, *m_ResourceMgr);
        }
        if (const auto edge = BarEdge(m_GroupAppearance))
            win::DrawEdge(hdc, &r, edge->first, edge->second);
        win::SetTextColor(hdc, Rgb(static_cast<uint32_t>(m_GroupForeColor)));
        DrawFittedText(hdc, group->GetCaption(), group->Bounds(), kBarFormat);
        if (group == m_FocusGroup)
            DrawGroupBarFocus(hdc, *group);
    }
}

void KSButtonBar::DrawFittedText(win::HDC hdc, const std::string& sText, win::RECT rect,
                                 win::UINT nFormat) {
    if (m_GroupFlow != ksHorizontal) {
        rect.left += 2;
        rect.right -= 2;
        win::DrawTextA(hdc, sText.c_str(), static_cast<int>(sText.size()), &rect, nFormat);
        return;
    }
    // Rotated text: DrawText cannot shorten it, so the cut is measured here. The first
    // candidate already drops a character, so an ellipsis always stands for a cut.
    rect.top += 2;
    rect.bottom -= 2;
    const int32_t available = rect.bottom - rect.top;
    std::string text = sText;
    win::SIZE extent = Extent(hdc, text);
    if (const size_t points = CodePoints(sText); extent.cx > available - 16 && points > 1) {
        // The longest prefix narrower than the bar with "..." after it, one character when none
        // is. A longer prefix is never narrower, so halving the range finds it in a few
        // measurements where trying each length cost time growing with the square of the text.
        const auto cut = [&](size_t n) { return sText.substr(0, PrefixBytes(sText, n)) + "..."; };
        size_t fits = 1;
        for (size_t low = 2, high = points - 1; low <= high;) {
            const size_t n = low + (high - low) / 2;
            if (Extent(hdc, cut(n)).cx < available) {
                fits = n;
                low = n + 1;
            } else {
                high = n - 1;
            }
        }
        text = cut(fits);
        extent = Extent(hdc, text);
    }
    const int32_t x =
        base::RoundHalfEvenToInt32(rect.left + ((rect.right - rect.left) - extent.cy) / 2.0);
    const int32_t y =
        (nFormat & win::DT_CENTER) != 0
            ? base::RoundHalfEvenToInt32(rect.bottom - ((rect.bottom - rect.top) - extent.cx) / 2.0)
            : rect.bottom - 2;
    win::TextOutA(hdc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void KSButtonBar::DrawGroupBarFocus(win::HDC hdc, const CGroup& group) {
    win::RECT r = group.Bounds();
    if (m_GroupAppearance >= ksClassic3DRaised && m_GroupAppearance <= ksModern3dSunken) {
        win::InflateRect(&r, -3, -3);
        win::DrawFocusRect(hdc, &r);
    } else if (m_GroupAppearance == ksFlat || m_GroupAppearance == ksFlatWithBorder) {
        const bool onFace = Rgb(static_cast<uint32_t>(m_GroupBackColor)) == Rgb(kButtonFace);
        win::DrawEdge(hdc, &r, onFace ? win::BDR_RAISEDINNER : win::BDR_RAISEDOUTER, win::BF_RECT);
    }
}

// ---- The mark and activation ----

forms::PictureBox& KSButtonBar::GroupBarBoxOf(const CGroup& group) {
    return m_UpperGroups->Contains(group.InternalKey()) ? *m_PicUpperGroups : *m_PicLowerGroups;
}

ole::Ptr<CGroup> KSButtonBar::GroupBarAt(const CGroupButtons& list, win::POINT pt) const {
    for (int32_t i = 1; i <= list.Count(); ++i) {
        const ole::Ptr<CGroup> group = list.Item(i);
        if (group && TakesPart(*group) && Inside(pt, group->Bounds()))
            return group;
    }
    return nullptr;
}

int32_t KSButtonBar::GroupPosition(const CGroup& group) const {
    for (int32_t i = 1; i <= m_Groups->Count(); ++i) {
        if (m_Groups->At(i).Get() == &group)
            return i;
    }
    return 0;
}

void KSButtonBar::SetFocusGroup(const ole::Ptr<CGroup>& group) {
    if (m_FocusGroup && m_FocusGroup != group) {
        const ole::Ptr<CGroup> old = m_FocusGroup;
        win::InvalidateRect(GroupBarBoxOf(*old).Window(), &old->Bounds(), false);
    }
    m_FocusGroup = group;
    if (group)
        win::InvalidateRect(GroupBarBoxOf(*group).Window(), &group->Bounds(), false);
}

void KSButtonBar::ActivateGroupAtCursor(const CGroupButtons& list, forms::PictureBox& box) {
    win::POINT pt{};
    win::GetCursorPos(&pt);
    win::ScreenToClient(box.Window(), &pt);
    if (const ole::Ptr<CGroup> group = GroupBarAt(list, pt))
        SetActiveGroup(group);
}

void KSButtonBar::HandleGroupBarKey(int32_t keyCode) {
    const int32_t count = m_Groups ? m_Groups->Count() : 0;
    if (count == 0)
        return;
    // The index is kept when the mark is set; groups removed or moved since shift the marked one.
    if (const int32_t marked = m_FocusGroup ? GroupPosition(*m_FocusGroup) : 0; marked > 0)
        m_FocusGroupIndex = marked;
    m_FocusGroupIndex = std::clamp(m_FocusGroupIndex, 1, count);
    if (keyCode == win::VK_RETURN) {
        // A mark whose group has gone or stopped showing is dropped, not activated.
        if (m_FocusGroup && Owns(*m_FocusGroup) && TakesPart(*m_FocusGroup))
            SetActiveGroup(m_FocusGroup);
        else if (m_FocusGroup)
            SetFocusGroup(nullptr);
        return;
    }
    int32_t step = 0;
    if (keyCode == win::VK_LEFT || keyCode == win::VK_UP)
        step = -1;
    else if (keyCode == win::VK_RIGHT || keyCode == win::VK_DOWN)
        step = 1;
    else
        return;
    // At most one round: with no visible group the mark stays where it is.
    int32_t index = m_FocusGroupIndex;
    ole::Ptr<CGroup> found;
    for (int32_t tries = 0; tries < count && !found; ++tries) {
        index += step;
        if (index < 1)
            index = count;
        else if (index > count)
            index = 1;
        if (const ole::Ptr<CGroup> group = m_Groups->At(index); group->GetVisible())
            found = group;
    }
    if (!found)
        return;
    m_FocusGroupIndex = index;
    if (found == m_FocusGroup)
        return;
    SetFocusGroup(found);
    forms::PictureBox& box = GroupBarBoxOf(*found);
    if (box.Window() && win::IsWindowVisible(box.Window()))
        box.SetFocus();
}

// ---- Mouse on the group-bar boxes ----

void KSButtonBar::RaiseGroupBarMouse(const BoxMouse& mouse, bool bDown, bool bUpper) {
    forms::PictureBox& box = bUpper ? *m_PicUpperGroups : *m_PicLowerGroups;
    const ole::Ptr<CGroup> group =
        GroupBarAt(bUpper ? *m_UpperGroups : *m_LowerGroups, BoxPixels(box, mouse));
    RaiseBoxMouse(bDown ? EvMouseDown : EvMouseUp, box, mouse, group ? ksGroupHit : ksUnknownHit,
                  group);
}

void KSButtonBar::TrackGroupBarMouse(const BoxMouse& mouse, bool bUpper) {
    const ole::Ptr<forms::PictureBox> box = bUpper ? m_PicUpperGroups : m_PicLowerGroups;
    const win::POINT pt = BoxPixels(*box, mouse);
    win::RECT client{};
    win::GetClientRect(box->Window(), &client);
    const bool inside = Inside(pt, client);
    if (mouse.button == 0 && inside && !HoldsCapture() && m_bHasFocus) {
        m_bCaptured = true;
        win::SetCapture(box->Window());
    }
    if (!inside) {
        if (HoldsCapture()) {
            win::ReleaseCapture();
            m_bCaptured = false;
            SetFocusGroup(nullptr);
        }
        return;
    }
    const ole::Ptr<CGroup> group = GroupBarAt(bUpper ? *m_UpperGroups : *m_LowerGroups, pt);
    if (!group)
        return;
    const int32_t position = GroupPosition(*group);
    if (position == 0)
        return;
    if (group != m_FocusGroup) {
        SetFocusGroup(group);
        MoveButtonTooltip(*group, box->Window());
    }
    m_FocusGroupIndex = position;
    RaiseBoxMouse(EvMouseMove, *box, mouse, ksGroupHit, group);
}

// ---- Caption bar ----

void KSButtonBar::CaptionBarMouseDown(const BoxMouse& mouse) {
    if (m_ShowCloseButton)
        m_bClosePressed = Inside(BoxPixels(*m_picCaptionBar, mouse), m_layout.closeButton);
    if (mouse.button == 1 && m_bClosePressed)
        PaintCaptionBar(true);
    RaiseBoxMouse(EvMouseDown, *m_picCaptionBar, mouse,
                  m_bClosePressed ? ksCloseButtonHit : ksCaptionHit, nullptr, true);
}

void KSButtonBar::CaptionBarMouseMove(const BoxMouse& mouse) {
    bool inClose = false;
    if (m_ShowCloseButton) {
        inClose = Inside(BoxPixels(*m_picCaptionBar, mouse), m_layout.closeButton);
        // Pushed only while a press that began on the button is over it.
        if (mouse.button == 1)
            PaintCaptionBar(m_bClosePressed && inClose);
    }
    RaiseBoxMouse(EvMouseMove, *m_picCaptionBar, mouse, inClose ? ksCloseButtonHit : ksCaptionHit,
                  nullptr, true);
}

void KSButtonBar::CaptionBarMouseUp(const BoxMouse& mouse) {
    ole::Ptr<KSButtonBar> self(this);
    const ole::Ptr<forms::PictureBox> caption = m_picCaptionBar;
    bool inClose = false;
    if (m_ShowCloseButton) {
        PaintCaptionBar(false);
        if (m_bClosePressed) {
            inClose = Inside(BoxPixels(*caption, mouse), m_layout.closeButton);
            if (inClose)
                Raise(EvCloseButtonClick);
        }
    }
    RaiseBoxMouse(EvMouseUp, *caption, mouse, inClose ? ksCloseButtonHit : ksCaptionHit, nullptr,
                  true);
    m_bClosePressed = false;
}

void KSButtonBar::OnEnterFocus() {
    m_bHasFocus = true;
    if (m_picCaptionBar) {
        m_picCaptionBar->SetBackColor(ole::Variant(kActiveCaption));
        RepaintBox(m_picCaptionBar.Get());
    }
}

void KSButtonBar::OnExitFocus() {
    m_bHasFocus = false;
    if (m_picCaptionBar) {
        m_picCaptionBar->SetBackColor(ole::Variant(kInactiveCaption));
        RepaintBox(m_picCaptionBar.Get());
    }
}

} // namespace shelfstrip
