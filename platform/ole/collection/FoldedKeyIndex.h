#pragma once

#include "platform/base/TextCase.h"
#include "platform/ole/collection/KeyHash.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace ole {

// Items found by a key compared without regard to case. The index keeps no copy of the key:
// `KeyOf` reads the item's own (a callable taking `const T&`, returning something a string_view
// can be made from), so an item's key must not change while it is indexed.
//
// One flat table of (hash, item) slots with linear probing: a lookup reads one run of adjacent
// slots and looks at an item only when its stored hash agrees, and storing an item allocates
// nothing but the occasional doubling. At most three slots in four are used, so runs stay short.
template <class T, class KeyOf>
class FoldedKeyIndex {
public:
    T* Find(std::string_view key) const {
        if (m_count == 0)
            return nullptr;
        const size_t hash = FoldedKeyHash(key);
        for (size_t at = Home(hash);; at = Next(at)) {
            const Slot& slot = m_slots[at];
            if (!slot.item)
                return nullptr;
            if (slot.hash == hash && base::EqualsNoCase(KeyText(*slot.item), key))
                return slot.item;
        }
    }

    // False, and nothing stored, when an item of that key is already there.
    bool Insert(T* item) {
        if ((m_count + 1) * 4 > m_slots.size() * 3)
            Grow();
        const std::string_view key = KeyText(*item);
        const size_t hash = FoldedKeyHash(key);
        size_t at = Home(hash);
        for (; m_slots[at].item; at = Next(at)) {
            const Slot& slot = m_slots[at];
            if (slot.hash == hash && base::EqualsNoCase(KeyText(*slot.item), key))
                return false;
        }
        m_slots[at] = {hash, item};
        ++m_count;
        return true;
    }

    // Takes out this very item, not another one of the same key.
    void Erase(const T* item) {
        if (m_count == 0)
            return;
        const size_t hash = FoldedKeyHash(KeyText(*item));
        size_t at = Home(hash);
        for (; m_slots[at].item != item; at = Next(at)) {
            if (!m_slots[at].item)
                return;
        }
        // Backward shift: later slots of the run move into the gap where their home allows, so
        // every run stays unbroken without markers for removed items.
        size_t gap = at;
        for (size_t next = Next(gap); m_slots[next].item; next = Next(next)) {
            const size_t home = Home(m_slots[next].hash);
            if (((next - home) & Mask()) >= ((next - gap) & Mask())) {
                m_slots[gap] = m_slots[next];
                gap = next;
            }
        }
        m_slots[gap] = {};
        --m_count;
    }

    // Room for `count` items without a doubling on the way, for items stored in one go.
    void Reserve(size_t count) {
        while (count * 4 > m_slots.size() * 3)
            Grow();
    }

    // Gives the table's memory back as well.
    void Clear() {
        std::vector<Slot>().swap(m_slots);
        m_count = 0;
        m_shift = 64;
    }

    size_t Size() const { return m_count; }

private:
    struct Slot {
        size_t hash = 0;
        T* item = nullptr;
    };

    static std::string_view KeyText(const T& item) { return std::string_view(KeyOf{}(item)); }
    size_t Mask() const { return m_slots.size() - 1; }
    size_t Next(size_t at) const { return (at + 1) & Mask(); }
    // The high bits of a multiplicative mix: every bit of the key's hash reaches the slot number.
    size_t Home(size_t hash) const {
        return static_cast<size_t>((static_cast<uint64_t>(hash) * 0x9E3779B97F4A7C15ull) >>
                                   m_shift);
    }

    void Grow() {
        const size_t size = m_slots.empty() ? 16 : m_slots.size() * 2;
        std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(size));
        m_shift = 64 - std::countr_zero(size);
        for (const Slot& slot : old) {
            if (!slot.item)
                continue;
            size_t at = Home(slot.hash);
            while (m_slots[at].item)
                at = Next(at);
            m_slots[at] = slot;
        }
    }

    std::vector<Slot> m_slots;
    size_t m_count = 0;
    int m_shift = 64;
};

} // namespace ole
