#pragma once

#include "platform/win/controls/scrollbar/ScrollRange.h"

#include <optional>

namespace win::controls {

enum class ScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

// Where the parts of a scroll bar lie in its client area. Arrows are squares of the bar's
// thickness (shorter when the bar is shorter than two of them); the thumb is proportional to
// the page, never under kMinThumb, the bar's thickness long without a page, and absent when
// nothing can scroll or the track is too short for it.
class ScrollBarLayout {
public:
    static constexpr int kMinThumb = 8;

    ScrollBarLayout(RECT client, bool vertical, const ScrollRange& range, int pos);

    RECT LineUpRect() const { return Span(0, m_arrow); }
    RECT LineDownRect() const { return Span(m_length - m_arrow, m_length); }
    RECT TrackRect() const { return Span(m_arrow, m_length - m_arrow); }
    std::optional<RECT> ThumbRect() const;
    RECT PageUpRect() const;
    RECT PageDownRect() const;

    ScrollPart HitTest(POINT pt) const;
    // Coordinate of pt along the bar.
    int Along(POINT pt) const { return m_vertical ? pt.y : pt.x; }
    int ThumbStart() const { return m_thumbStart; }
    // The position that puts the thumb's leading edge at start.
    int PosForThumbStart(int start) const;

private:
    RECT Span(int from, int to) const;

    RECT m_client;
    bool m_vertical;
    const ScrollRange& m_range;
    int m_length = 0;
    int m_thickness = 0;
    int m_arrow = 0;
    int m_thumbLength = 0; // 0: no thumb
    int m_thumbStart = 0;
};

} // namespace win::controls
