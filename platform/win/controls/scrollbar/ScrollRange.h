#pragma once

#include "platform/win/controls/ControlConstants.h"

namespace win::controls {

// Range, page and position of a scroll bar. The track runs from nMin to nMax, which may be given
// in either order (a reversed range runs the other way); the page covers page values, so the
// position stays within page - 1 of the far end.
class ScrollRange {
public:
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    UINT Page() const { return m_page; }
    int Pos() const { return m_pos; }

    // Returns the previous position.
    int SetPos(int pos);
    int SetRange(int min, int max);
    // Applies the masked fields, then clamps page and position; returns the new position.
    int SetInfo(const SCROLLINFO& info);
    void FillInfo(SCROLLINFO& info, int trackPos) const;

    // How far the position can travel from nMin (0 when nothing can scroll).
    int Reach() const;
    // The distance of pos from nMin along the track, clamped to [0, Reach()], and back.
    int Offset(int pos) const;
    int PosAtOffset(int offset) const;
    // The position pos clamped into the range.
    int Clamp(int pos) const { return PosAtOffset(Offset(pos)); }

private:
    void ClampAll();

    int m_min = 0;
    int m_max = 100;
    UINT m_page = 0;
    int m_pos = 0;
};

} // namespace win::controls
