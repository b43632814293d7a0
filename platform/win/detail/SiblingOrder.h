#pragma once

#include "platform/win/WinTypes.h"

#include <cstddef>
#include <iterator>
#include <vector>

namespace win::detail {

// The windows of one z-order level, topmost first, in one block with room kept at both ends, so
// that a window leaves or joins near either end in constant time: a parent losing its children
// one by one, from the top or from the bottom, and a child moved to the top or the bottom cost
// no more than the few windows between it and that end.
class SiblingOrder {
public:
    using const_iterator = const HWND*;
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;

    const_iterator begin() const { return m_slots.data() + m_begin; }
    const_iterator end() const { return m_slots.data() + m_end; }
    const_reverse_iterator rbegin() const { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const { return const_reverse_iterator(begin()); }
    size_t size() const { return m_end - m_begin; }
    bool empty() const { return m_begin == m_end; }
    HWND front() const { return m_slots[m_begin]; }
    HWND back() const { return m_slots[m_end - 1]; }
    HWND operator[](size_t i) const { return m_slots[m_begin + i]; }
    operator std::vector<HWND>() const { return {begin(), end()}; }

    // Searched from both ends at once: as cheap near the bottom as near the top.
    const_iterator Find(HWND hwnd) const;
    // Before the window at `position` (at the bottom for size()).
    void Insert(size_t position, HWND hwnd);
    void PushFront(HWND hwnd) { Insert(0, hwnd); }
    void PushBack(HWND hwnd) { Insert(size(), hwnd); }
    // False when hwnd is not here.
    bool Remove(HWND hwnd);
    void Erase(size_t position);
    void Clear();
    // Replaces the order with `order`, the same windows rearranged.
    void Assign(const std::vector<HWND>& order);

private:
    // Moves the windows into a new block with at least `front` free slots before them and `back`
    // after them.
    void Regrow(size_t front, size_t back);

    std::vector<HWND> m_slots;
    size_t m_begin = 0;
    size_t m_end = 0;
};

} // namespace win::detail
