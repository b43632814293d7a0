#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace ole {

class Object;

// Weak ids to their live objects. Ids are handed out in rising order, so the live ones sit in
// dense runs: a page of slots per run of ids, made for its first id and freed with its last
// object. A lookup is one small map probe and an array read, and an object with an id costs a
// slot rather than a node of its own.
class WeakIdTable {
public:
    Object* Find(uint32_t id) const;
    void Insert(uint32_t id, Object* object);
    void Erase(uint32_t id);

private:
    static constexpr uint32_t kPageBits = 8;
    struct Page {
        std::array<Object*, size_t{1} << kPageBits> slots{};
        uint32_t used = 0;
    };
    static uint32_t SlotOf(uint32_t id) { return id & ((uint32_t{1} << kPageBits) - 1); }

    std::unordered_map<uint32_t, std::unique_ptr<Page>> m_pages;
};

} // namespace ole
