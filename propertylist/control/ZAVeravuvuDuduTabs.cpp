// The view tabs along the top of the tab strip: their painting, the click and arrow-key switch of
// ActiveView, and the focus rectangle a clicked tab carries until the strip loses the focus.

#include "propertylist/control/ZAVeravuvuDudu.h"

#include "propertylist/control/GridGeometry.h"

#include "shared/util/ColorUtils.h"

#include "platform/forms/control/ControlIds.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"

namespace attrgrid {

using forms::Axis;
using grid::ToInt;
using ole::ResumeNext;

namespace {

constexpr int16_t kLeftButton = 1;
constexpr win::UINT kCaptionFormat = win::DT_CENTER | win::DT_VCENTER | win::DT_SINGLELINE |
                                     win::DT_NOPREFIX | win::DT_WORD_ELLIPSIS;

// The three shades of the tab strip's bevels, from the control's translated BackColor.
struct TabShades {
    int32_t light;
    int32_t dark;
    int32_t midDark;

    static TabShades Of(int32_t backColor) {
        const win::COLORREF base = shared::TranslateColor(static_cast<uint32_t>(backColor));
        win::COLORREF light = base;
        win::COLORREF dark = base;
        win::COLORREF midDark = base;
        for (int i = 0; i < 3; ++i) {
            light = shared::LightenColor(light);
            dark = shared::DarkenColor(dark);
            if (i < 2)
                midDark = shared::DarkenColor(midDark);
        }
        return {static_cast<int32_t>(light), static_cast<int32_t>(dark),
                static_cast<int32_t>(midDark)};
    }
};

// The strip's Line in its own units: the end point stays undrawn.
void StripLine(forms::PictureBox& strip, double x1, double y1, double x2, double y2,
               int32_t color) {
    strip.DoLine(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                 static_cast<float>(y2), ole::Variant(color), ole::Variant::Missing());
}

bool Contains(const win::RECT& rect, float x, float y) {
    return x >= static_cast<float>(rect.left) && x < static_cast<float>(rect.right) &&
           y >= static_cast<float>(rect.top) && y < static_cast<float>(rect.bottom);
}

} // namespace

void ZAVeravuvuDudu::ConnectPaneEvents() {
    using Args = std::span<ole::Variant>;
    auto on = [this](ChildEventHandler handler) { return ChildHandler(std::move(handler)); };

    ole::Ptr<ole::EventSink> tabs = ole::EventSink::Create();
    tabs->On(forms::eventid::Paint,
             on([](ZAVeravuvuDudu& self, Args) { self.OnTabContainerPaint(); }))
        .On(forms::eventid::MouseDown, on([](ZAVeravuvuDudu& self, Args args) {
                if (args.size() >= 4)
                    self.OnTabMouseDown(ole::CInt(args[0]), ole::CSng(args[2]), ole::CSng(args[3]));
            }))
        .On(forms::eventid::KeyDown, on([](ZAVeravuvuDudu& self, Args args) {
                if (!args.empty())
                    self.OnTabKeyDown(ole::CInt(args[0]));
            }))
        .On(forms::eventid::LostFocus,
            on([](ZAVeravuvuDudu& self, Args) { self.OnTabLostFocus(); }));
    ConnectChild(m_picTabContainer, tabs);

    ole::Ptr<ole::EventSink> description = ole::EventSink::Create();
    description->On(forms::eventid::Paint,
                    on([](ZAVeravuvuDudu& self, Args) { self.PaintDescription(); }));
    ConnectChild(m_picDescPane, description);
}

// ---- Painting ----

void ZAVeravuvuDudu::OnTabContainerPaint() {
    if (!m_released && m_settings.showTabs)
        PaintTabStrip();
}

void ZAVeravuvuDudu::PaintTabStrip() {
    if (m_released || !m_picTabContainer || !m_picTabContainer->IsAlive())
        return;
    const ole::Ptr<forms::PictureBox> strip = m_picTabContainer;
    const auto* space = strip->OwnScale();
    if (!space)
        return;
    strip->DoCls();
    const double px = space->Convert(1, forms::ModeValue(forms::ScaleMode::Pixels),
                                     static_cast<int>(space->Mode()), Axis::X);
    const double py = space->Convert(1, forms::ModeValue(forms::ScaleMode::Pixels),
                                     static_cast<int>(space->Mode()), Axis::Y);
    const auto fx = static_cast<float>(px);
    const auto fy = static_cast<float>(py);

    const bool categorized = m_settings.Categorized();
    // The inactive tab first, so the active one overlaps it; the inactive one sits 3 px lower.
    if (categorized) {
        ResumeNext([&] {
            DrawTab(m_settings.alphabeticTabCaption, m_FirstTabRect, 3 * fx, 3 * fy, 0, false);
        });
        ResumeNext([&] {
            DrawTab(m_settings.categorizedTabCaption, m_SecondTabRect, 0, 0, 0, m_TabFocus);
        });
    } else {
        ResumeNext([&] {
            DrawTab(m_settings.categorizedTabCaption, m_SecondTabRect, 0, 3 * fy, 0, false);
        });
        ResumeNext(
            [&] { DrawTab(m_settings.alphabeticTabCaption, m_FirstTabRect, 0, 0, 0, m_TabFocus); });
    }

    // The frame around the body; its top edge stays open under the active tab.
    const TabShades shades = TabShades::Of(m_settings.backColor);
    const double sw = space->Width();
    const double sh = space->Height();
    const double t = m_TabHeight;
    const double w = m_TabWidth;
    auto line = [&](double x1, double y1, double x2, double y2, int32_t color) {
        ResumeNext([&] { StripLine(*strip, x1, y1, x2, y2, color); });
    };
    line(0, t, 0, sh, shades.light);
    if (categorized) {
        line(0, t, w, t, shades.light);
        line(2 * w, t, sw - px, t, shades.light);
    } else {
        line(w, t, sw - px, t, shades.light);
    }
    line(0, sh - py, sw - px, sh - py, shades.dark);
    line(px, sh - 2 * py, sw - px, sh - 2 * py, shades.midDark);
    line(sw - px, t, sw - px, sh - py, shades.dark);
    line(sw - 2 * px, t, sw - 2 * px, sh - 2 * py, shades.midDark);
}

void ZAVeravuvuDudu::DrawTab(const std::string& caption, const win::RECT& rect, float leftInset,
                             float topInset, float rightInset, bool bFocus) {
    const ole::Ptr<forms::PictureBox> strip = m_picTabContainer;
    if (!strip || !strip->IsAlive())
        return;
    const auto* space = strip->OwnScale();
    if (!space)
        return;
    const auto mode = static_cast<int>(space->Mode());
    const double qx = space->Convert(2, forms::ModeValue(forms::ScaleMode::Pixels), mode, Axis::X);
    const double qy = space->Convert(2, forms::ModeValue(forms::ScaleMode::Pixels), mode, Axis::Y);
    const double onePx =
        space->Convert(1, forms::ModeValue(forms::ScaleMode::Pixels), mode, Axis::X);

    const double l = ToInt(rect.left + leftInset);
    const double t = ToInt(rect.top + topInset);
    const double r = ToInt(rect.right - rightInset);
    const double b = rect.bottom;
    const TabShades shades = TabShades::Of(m_settings.backColor);
    auto line = [&](double x1, double y1, double x2, double y2, int32_t color) {
        StripLine(*strip, x1, y1, x2, y2, color);
    };
    line(rect.left, b, l + leftInset, b, shades.light);
    line(rect.right, b, r, b, shades.light);
    line(l, b, l, t + qy, shades.light);
    line(l, t + qy, l + qx, t, shades.light);
    line(l + qx, t, r - qx, t, shades.light);
    line(r - qx, t, r, t + qy, shades.dark);
    line(r, t + qy, r, b, shades.dark);
    line(r - onePx, t + qy, r - onePx, b, shades.midDark);

    // The caption goes on the strip's own DC, which carries its font and ForeColor.
    const auto hdc = win::HdcFromParam(strip->GetHdc());
    if (!hdc)
        return;
    win::RECT text{
        space->PositionToWholePixels(l, Axis::X) + 5, space->PositionToWholePixels(t, Axis::Y) + 3,
        space->PositionToWholePixels(r, Axis::X) - 5, space->PositionToWholePixels(b, Axis::Y) - 1};
    win::DrawTextA(hdc, caption.c_str(), static_cast<int>(caption.size()), &text, kCaptionFormat);
    if (bFocus) {
        const win::SavedDc saved(hdc);
        win::SetTextColor(hdc, 0);
        win::DrawFocusRect(hdc, &text);
    }
}

// ---- Input ----

int32_t ZAVeravuvuDudu::TabViewAt(float x, float y) const {
    if (Contains(m_FirstTabRect, x, y))
        return ksAlphabetic;
    if (Contains(m_SecondTabRect, x, y))
        return ksCatagorized;
    return -1;
}

void ZAVeravuvuDudu::OnTabMouseDown(int16_t button, float x, float y) {
    if (m_released || button != kLeftButton || !m_settings.showTabs)
        return;
    const ole::Ptr<ZAVeravuvuDudu> self(this);
    const int32_t view = TabViewAt(x, y);
    // A click on the active tab only matters the first time: it gives the tab the focus.
    if (view < 0 || (view == m_settings.activeView && m_TabFocus))
        return;
    m_TabFocus = true;
    LetActiveView(view);
    if (!m_released)
        RepaintTabs();
}

void ZAVeravuvuDudu::OnTabKeyDown(int16_t keyCode) {
    if (m_released || !m_TabFocus)
        return;
    if (keyCode == win::VK_LEFT && m_settings.activeView == ksCatagorized)
        LetActiveView(ksAlphabetic);
    else if (keyCode == win::VK_RIGHT && m_settings.activeView == ksAlphabetic)
        LetActiveView(ksCatagorized);
}

void ZAVeravuvuDudu::OnTabLostFocus() {
    if (m_released)
        return;
    m_TabFocus = false;
    RepaintTabs();
}

} // namespace attrgrid
