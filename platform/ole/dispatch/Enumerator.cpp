#include "platform/ole/dispatch/Enumerator.h"

#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"

#include <algorithm>

namespace ole {

Enumerator::Enumerator(std::vector<Variant> items)
    : m_items(std::make_shared<const std::vector<Variant>>(std::move(items))) {}

Enumerator::Enumerator(std::shared_ptr<const std::vector<Variant>> items, size_t position)
    : m_items(std::move(items)), m_position(position) {}

Ptr<Enumerator> Enumerator::Create(std::vector<Variant> items) {
    return MakeObject<Enumerator>(std::move(items));
}

std::vector<Variant> Enumerator::Next(uint32_t count) {
    const size_t end = std::min(m_items->size(), m_position + count);
    std::vector<Variant> items(m_items->begin() + static_cast<ptrdiff_t>(m_position),
                               m_items->begin() + static_cast<ptrdiff_t>(end));
    m_position = end;
    return items;
}

bool Enumerator::Next(Variant& item) {
    if (m_position >= m_items->size())
        return false;
    item = (*m_items)[m_position++];
    return true;
}

bool Enumerator::Skip(uint32_t count) {
    const size_t remaining = m_items->size() - m_position;
    m_position += std::min<size_t>(remaining, count);
    return remaining >= count;
}

bool Enumerator::SkipItems(int32_t count) {
    if (count < 0)
        RaiseError(ERR_INVALID_CALL);
    return Skip(static_cast<uint32_t>(count));
}

Ptr<Enumerator> Enumerator::Clone() const {
    return Ptr<Enumerator>(new Enumerator(m_items, m_position));
}

const ClassInfo& Enumerator::Info() {
    static const ClassInfo info =
        ClassBuilder<Enumerator>("Enumerator")
            .Method("Next", 1, &Enumerator::NextItem, Params({Arg("item")}))
            .Method("Skip", 2, &Enumerator::SkipItems, Params({Arg("count")}))
            .Method("Reset", 3, &Enumerator::Reset)
            .Method("Clone", 4, &Enumerator::Clone)
            .Build();
    return info;
}

Ptr<Enumerator> GetEnumerator(const Variant& collection) {
    const Variant result =
        InvokeById(collection, DISPID_NEWENUM, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {});
    Ptr<Enumerator> enumerator =
        result.IsObject() ? PtrCast<Enumerator>(result.AsObject()) : nullptr;
    if (!enumerator)
        RaiseError(ERR_NO_MEMBER);
    return enumerator;
}

} // namespace ole
