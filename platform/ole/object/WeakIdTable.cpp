#include "platform/ole/object/WeakIdTable.h"

namespace ole {

Object* WeakIdTable::Find(uint32_t id) const {
    const auto page = m_pages.find(id >> kPageBits);
    return page == m_pages.end() ? nullptr : page->second->slots[SlotOf(id)];
}

void WeakIdTable::Insert(uint32_t id, Object* object) {
    auto page = m_pages.find(id >> kPageBits);
    if (page == m_pages.end())
        page = m_pages.emplace(id >> kPageBits, std::make_unique<Page>()).first;
    Object*& slot = page->second->slots[SlotOf(id)];
    if (!slot)
        ++page->second->used;
    slot = object;
}

void WeakIdTable::Erase(uint32_t id) {
    const auto page = m_pages.find(id >> kPageBits);
    if (page == m_pages.end())
        return;
    Object*& slot = page->second->slots[SlotOf(id)];
    if (!slot)
        return;
    slot = nullptr;
    if (--page->second->used == 0)
        m_pages.erase(page);
}

} // namespace ole
