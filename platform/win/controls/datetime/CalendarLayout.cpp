#include "platform/win/controls/datetime/CalendarLayout.h"

#include "platform/win/rect/RectHelpers.h"

namespace win::controls {

SIZE CalendarLayout::Size() const {
    return {7 * m_cellWidth + 2 * kMargin, TitleHeight() + 7 * m_cellHeight + kMargin};
}

RECT CalendarLayout::Title() const {
    return {0, 0, Size().cx, TitleHeight()};
}

RECT CalendarLayout::Previous() const {
    return {kMargin, 3, kMargin + m_cellHeight, 3 + m_cellHeight};
}

RECT CalendarLayout::Next() const {
    const int right = Size().cx - kMargin;
    return {right - m_cellHeight, 3, right, 3 + m_cellHeight};
}

RECT CalendarLayout::Month() const {
    return {kMargin, TitleHeight(), Size().cx - kMargin, Size().cy - kMargin};
}

RECT CalendarLayout::Header(int column) const {
    const int left = kMargin + column * m_cellWidth;
    return {left, TitleHeight(), left + m_cellWidth, TitleHeight() + m_cellHeight};
}

RECT CalendarLayout::Cell(int index) const {
    const int left = kMargin + (index % 7) * m_cellWidth;
    const int top = TitleHeight() + (1 + index / 7) * m_cellHeight;
    return {left, top, left + m_cellWidth, top + m_cellHeight};
}

CalendarLayout::Hit CalendarLayout::HitTest(POINT pt) const {
    const RECT previous = Previous();
    const RECT next = Next();
    if (PtInRect(&previous, pt)) {
        return {Part::Previous, -1};
    }
    if (PtInRect(&next, pt)) {
        return {Part::Next, -1};
    }
    const RECT first = Cell(0);
    if (pt.x < first.left || pt.y < first.top) {
        return {};
    }
    const int column = (pt.x - first.left) / m_cellWidth;
    const int row = (pt.y - first.top) / m_cellHeight;
    if (column >= 7 || row >= 6) {
        return {};
    }
    return {Part::Day, row * 7 + column};
}

} // namespace win::controls
