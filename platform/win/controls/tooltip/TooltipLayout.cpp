#include "platform/win/controls/tooltip/TooltipLayout.h"

#include <algorithm>

namespace win::controls {

namespace {
int Inset(bool balloon) {
    return TooltipMetrics::kBorder +
           (balloon ? TooltipMetrics::kBalloonInset : TooltipMetrics::kInset);
}
} // namespace

TooltipLayout::TooltipLayout(const TooltipContent& c) {
    using M = TooltipMetrics;
    const int inset = Inset(c.balloon);
    const bool hasTitle = c.title.cx > 0 || c.title.cy > 0;
    const int titleWidth = hasTitle ? c.title.cx + (c.icon ? M::kIconSize + M::kIconGap : 0) : 0;
    const int titleHeight = hasTitle ? std::max<int>(c.title.cy, c.icon ? M::kIconSize : 0) : 0;
    const int contentWidth = std::max<int>(c.text.cx, titleWidth);
    const int contentHeight = c.text.cy + (hasTitle ? titleHeight + M::kTitleGap : 0);
    const int stem = c.balloon ? M::kStemHeight : 0;

    m_window.cx = contentWidth + 2 * inset + c.margin.left + c.margin.right;
    m_window.cy = contentHeight + 2 * inset + c.margin.top + c.margin.bottom + stem;
    m_box = {0, stem, m_window.cx, m_window.cy};

    const int left = inset + c.margin.left;
    int top = stem + inset + c.margin.top;
    m_icon = {left, top + (titleHeight - M::kIconSize) / 2};
    const int titleLeft = left + (hasTitle && c.icon ? M::kIconSize + M::kIconGap : 0);
    m_title = {titleLeft, top + (titleHeight - c.title.cy) / 2, titleLeft + c.title.cx,
               top + (titleHeight - c.title.cy) / 2 + c.title.cy};
    if (hasTitle) {
        top += titleHeight + M::kTitleGap;
    }
    m_text = {left, top, left + c.text.cx, top + c.text.cy};
}

void TooltipLayout::TextToWindow(RECT& rect, const RECT& margin, bool balloon) {
    const int inset = Inset(balloon);
    rect.left -= inset + margin.left;
    rect.top -= inset + margin.top + (balloon ? TooltipMetrics::kStemHeight : 0);
    rect.right += inset + margin.right;
    rect.bottom += inset + margin.bottom;
}

void TooltipLayout::WindowToText(RECT& rect, const RECT& margin, bool balloon) {
    const int inset = Inset(balloon);
    rect.left += inset + margin.left;
    rect.top += inset + margin.top + (balloon ? TooltipMetrics::kStemHeight : 0);
    rect.right -= inset + margin.right;
    rect.bottom -= inset + margin.bottom;
}

} // namespace win::controls
