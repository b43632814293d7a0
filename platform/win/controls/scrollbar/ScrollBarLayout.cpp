#include "platform/win/controls/scrollbar/ScrollBarLayout.h"

#include "platform/base/Rounding.h"

#include <algorithm>

namespace win::controls {

ScrollBarLayout::ScrollBarLayout(RECT client, bool vertical, const ScrollRange& range, int pos)
    : m_client(client), m_vertical(vertical), m_range(range) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    m_length = std::max(0, vertical ? height : width);
    m_thickness = std::max(0, vertical ? width : height);
    m_arrow = std::min(m_thickness, m_length / 2);

    const int track = m_length - 2 * m_arrow;
    const int reach = range.Reach();
    if (reach <= 0 || track <= 0) {
        return;
    }
    const int64_t span = range.Max() >= range.Min() ? int64_t{range.Max()} - range.Min()
                                                    : int64_t{range.Min()} - range.Max();
    int thumb = m_thickness;
    if (range.Page() > 0) {
        thumb = static_cast<int>(base::RoundHalfEvenToInt64(
            static_cast<double>(track) * range.Page() / static_cast<double>(span + 1)));
    }
    thumb = std::max(thumb, kMinThumb);
    if (thumb > track) {
        return;
    }
    m_thumbLength = thumb;
    m_thumbStart = m_arrow + static_cast<int>(base::RoundHalfEvenToInt64(
                                 static_cast<double>(track - thumb) * range.Offset(pos) / reach));
}

RECT ScrollBarLayout::Span(int from, int to) const {
    if (m_vertical) {
        return {m_client.left, m_client.top + from, m_client.right, m_client.top + to};
    }
    return {m_client.left + from, m_client.top, m_client.left + to, m_client.bottom};
}

std::optional<RECT> ScrollBarLayout::ThumbRect() const {
    if (m_thumbLength == 0) {
        return std::nullopt;
    }
    return Span(m_thumbStart, m_thumbStart + m_thumbLength);
}

RECT ScrollBarLayout::PageUpRect() const {
    return Span(m_arrow, m_thumbLength ? m_thumbStart : m_arrow);
}

RECT ScrollBarLayout::PageDownRect() const {
    return Span(m_thumbLength ? m_thumbStart + m_thumbLength : m_length - m_arrow,
                m_length - m_arrow);
}

ScrollPart ScrollBarLayout::HitTest(POINT pt) const {
    const int along = Along(pt) - (m_vertical ? m_client.top : m_client.left);
    if (along < 0 || along >= m_length) {
        return ScrollPart::None;
    }
    if (along < m_arrow) {
        return ScrollPart::LineUp;
    }
    if (along >= m_length - m_arrow) {
        return ScrollPart::LineDown;
    }
    if (m_thumbLength == 0) {
        // Without a thumb the track pages towards whichever end was pressed.
        return along < m_length / 2 ? ScrollPart::PageUp : ScrollPart::PageDown;
    }
    if (along < m_thumbStart) {
        return ScrollPart::PageUp;
    }
    if (along < m_thumbStart + m_thumbLength) {
        return ScrollPart::Thumb;
    }
    return ScrollPart::PageDown;
}

int ScrollBarLayout::PosForThumbStart(int start) const {
    const int travel = m_length - 2 * m_arrow - m_thumbLength;
    if (m_thumbLength == 0 || travel <= 0) {
        return m_range.Pos();
    }
    const int clamped = std::clamp(start - m_arrow, 0, travel);
    return m_range.PosAtOffset(static_cast<int>(
        base::RoundHalfEvenToInt64(static_cast<double>(clamped) * m_range.Reach() / travel)));
}

} // namespace win::controls
