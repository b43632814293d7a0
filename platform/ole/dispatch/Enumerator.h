#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"

#include <memory>
#include <vector>

namespace ole {

// What DISPID_NEWENUM returns: a cursor over a snapshot of the items taken when it was created,
// so the collection may change while it is walked. Clones share the snapshot.
class Enumerator : public Object {
public:
    explicit Enumerator(std::vector<Variant> items);
    static Ptr<Enumerator> Create(std::vector<Variant> items);

    // Up to `count` items; fewer means the end was reached.
    std::vector<Variant> Next(uint32_t count);
    bool Next(Variant& item);
    // False when fewer than `count` items remained.
    bool Skip(uint32_t count);
    void Reset() { m_position = 0; }
    Ptr<Enumerator> Clone() const;

    static const ClassInfo& Info();
    const ClassInfo& GetClassInfo() const override { return Info(); }

private:
    Enumerator(std::shared_ptr<const std::vector<Variant>> items, size_t position);
    bool NextItem(Variant& item) { return Next(item); }
    bool SkipItems(int32_t count);

    std::shared_ptr<const std::vector<Variant>> m_items;
    size_t m_position = 0;
};

// The enumerator of any object with a DISPID_NEWENUM member; 438 when it has none.
Ptr<Enumerator> GetEnumerator(const Variant& collection);

} // namespace ole
