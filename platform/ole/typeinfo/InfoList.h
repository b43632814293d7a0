#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"

#include <vector>

namespace ole {

// A read-only list handed out by type-information objects: Count, Item (1-based, default member)
// and enumeration.
class InfoList : public Object {
public:
    explicit InfoList(std::vector<Variant> items) : m_items(std::move(items)) {}

    int32_t Count() const { return static_cast<int32_t>(m_items.size()); }
    // 9 when out of range.
    Variant Item(int32_t index) const;
    const std::vector<Variant>& Items() const { return m_items; }
    Ptr<Object> NewEnum() const;

    static const ClassInfo& Info();
    const ClassInfo& GetClassInfo() const override { return Info(); }

private:
    std::vector<Variant> m_items;
};

// The library name every type-information object reports errors under.
inline constexpr const char* kTypeInfoLibrary = "TypeInfo";

// A list of wrapper objects T, one per description.
template <class T, class Item>
Ptr<Object> MakeInfoList(const std::vector<Item>& items) {
    std::vector<Variant> list;
    list.reserve(items.size());
    for (const Item& item : items)
        list.emplace_back(MakeObject<T>(item));
    return MakeObject<InfoList>(std::move(list));
}

} // namespace ole
