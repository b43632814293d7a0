#include "platform/win/detail/SiblingOrder.h"

#include <algorithm>

namespace win::detail {

SiblingOrder::const_iterator SiblingOrder::Find(HWND hwnd) const {
    const_iterator front = begin();
    const_iterator back = end();
    while (front < back) {
        if (*front == hwnd) {
            return front;
        }
        --back;
        if (*back == hwnd) {
            return back;
        }
        ++front;
    }
    return end();
}

void SiblingOrder::Regrow(size_t front, size_t back) {
    const size_t count = size();
    std::vector<HWND> slots(front + count + back);
    std::copy(begin(), end(), slots.begin() + static_cast<std::ptrdiff_t>(front));
    m_slots = std::move(slots);
    m_begin = front;
    m_end = front + count;
}

void SiblingOrder::Insert(size_t position, HWND hwnd) {
    const size_t count = size();
    const size_t room = std::max<size_t>(count, 4);
    // Opens the gap on the side with fewer windows to move, growing that side when it is full.
    if (position < count - position) {
        if (m_begin == 0) {
            Regrow(room, m_slots.size() - m_end);
        }
        const auto first = m_slots.begin() + static_cast<std::ptrdiff_t>(m_begin);
        std::move(first, first + static_cast<std::ptrdiff_t>(position), first - 1);
        --m_begin;
    } else {
        if (m_end == m_slots.size()) {
            Regrow(m_begin, room);
        }
        const auto at = m_slots.begin() + static_cast<std::ptrdiff_t>(m_begin + position);
        std::move_backward(at, m_slots.begin() + static_cast<std::ptrdiff_t>(m_end),
                           m_slots.begin() + static_cast<std::ptrdiff_t>(m_end + 1));
        ++m_end;
    }
    m_slots[m_begin + position] = hwnd;
}

void SiblingOrder::Erase(size_t position) {
    const size_t count = size();
    const auto first = m_slots.begin() + static_cast<std::ptrdiff_t>(m_begin);
    const auto at = first + static_cast<std::ptrdiff_t>(position);
    if (position < count - position - 1) {
        std::move_backward(first, at, at + 1);
        ++m_begin;
    } else {
        std::move(at + 1, first + static_cast<std::ptrdiff_t>(count), at);
        --m_end;
    }
}

bool SiblingOrder::Remove(HWND hwnd) {
    const const_iterator found = Find(hwnd);
    if (found == end()) {
        return false;
    }
    Erase(static_cast<size_t>(found - begin()));
    return true;
}

void SiblingOrder::Clear() {
    m_slots.clear();
    m_slots.shrink_to_fit();
    m_begin = 0;
    m_end = 0;
}

void SiblingOrder::Assign(const std::vector<HWND>& order) {
    m_slots = order;
    m_begin = 0;
    m_end = order.size();
}

} // namespace win::detail
