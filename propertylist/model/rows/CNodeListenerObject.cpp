#include "propertylist/model/rows/CNodeListenerObject.h"

#include "platform/ole/dispatch/ClassBuilder.h"

namespace attrgrid {

const ole::ClassInfo& CNodeListenerObject::Info() {
    using C = CNodeListenerObject;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("CNodeListener")
            .Library("Attrgrid")
            .ClassId("{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210410}")
            .Interface("_CNodeListener", "{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210411}",
                       ole::TYPEFLAG_FDUAL)
            .Method("NodePropertyChanged", NodePropertyChangedId, &C::InvokeNodePropertyChanged,
                    ole::Params({ole::Arg("sKey"), ole::Arg("sPropName")}))
            .Build();
    return info;
}

const ole::ClassInfo& CNodeListenerObject::GetClassInfo() const {
    return Info();
}

} // namespace attrgrid
