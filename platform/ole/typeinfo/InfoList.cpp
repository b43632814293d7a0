#include "platform/ole/typeinfo/InfoList.h"

#include "platform/ole/dispatch/Enumerator.h"
#include "platform/ole/error/Error.h"

namespace ole {

Variant InfoList::Item(int32_t index) const {
    if (index < 1 || index > Count())
        RaiseError(ERR_SUBSCRIPT);
    return m_items[static_cast<size_t>(index - 1)];
}

Ptr<Object> InfoList::NewEnum() const {
    return Enumerator::Create(m_items);
}

const ClassInfo& InfoList::Info() {
    static const ClassInfo info =
        ClassBuilder<InfoList>("InfoList")
            .Library("TypeInfo")
            .Get("Item", DISPID_VALUE, &InfoList::Item, Params({Arg("index")}))
            .Get("Count", 1, &InfoList::Count)
            .Method("_NewEnum", DISPID_NEWENUM, &InfoList::NewEnum, Restricted() | Hidden())
            .Build();
    return info;
}

} // namespace ole
