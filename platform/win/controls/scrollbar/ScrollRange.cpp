#include "platform/win/controls/scrollbar/ScrollRange.h"

#include <algorithm>
#include <cstdint>

namespace win::controls {

namespace {
int64_t Span(int min, int max) {
    return max >= min ? int64_t{max} - min : int64_t{min} - max;
}
} // namespace

int ScrollRange::Reach() const {
    const int64_t span = Span(m_min, m_max);
    const int64_t pageExtra = m_page > 0 ? int64_t{m_page} - 1 : 0;
    return static_cast<int>(std::max<int64_t>(0, span - pageExtra));
}

int ScrollRange::Offset(int pos) const {
    const int64_t offset = m_max >= m_min ? int64_t{pos} - m_min : int64_t{m_min} - pos;
    return static_cast<int>(std::clamp<int64_t>(offset, 0, Reach()));
}

int ScrollRange::PosAtOffset(int offset) const {
    offset = std::clamp(offset, 0, Reach());
    return static_cast<int>(m_max >= m_min ? int64_t{m_min} + offset : int64_t{m_min} - offset);
}

void ScrollRange::ClampAll() {
    const int64_t span = Span(m_min, m_max);
    if (int64_t{m_page} > span + 1) {
        m_page = static_cast<UINT>(std::min<int64_t>(span + 1, UINT32_MAX));
    }
    m_pos = Clamp(m_pos);
}

int ScrollRange::SetPos(int pos) {
    const int previous = m_pos;
    m_pos = Clamp(pos);
    return previous;
}

int ScrollRange::SetRange(int min, int max) {
    const int previous = m_pos;
    m_min = min;
    m_max = max;
    ClampAll();
    return previous;
}

int ScrollRange::SetInfo(const SCROLLINFO& info) {
    if (info.fMask & SIF_RANGE) {
        m_min = info.nMin;
        m_max = info.nMax;
    }
    if (info.fMask & SIF_PAGE) {
        m_page = info.nPage;
    }
    if (info.fMask & SIF_POS) {
        m_pos = info.nPos;
    }
    ClampAll();
    return m_pos;
}

void ScrollRange::FillInfo(SCROLLINFO& info, int trackPos) const {
    if (info.fMask & SIF_RANGE) {
        info.nMin = m_min;
        info.nMax = m_max;
    }
    if (info.fMask & SIF_PAGE) {
        info.nPage = m_page;
    }
    if (info.fMask & SIF_POS) {
        info.nPos = m_pos;
    }
    if (info.fMask & SIF_TRACKPOS) {
        info.nTrackPos = trackPos;
    }
}

} // namespace win::controls
