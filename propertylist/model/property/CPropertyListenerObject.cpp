#include "propertylist/model/property/CPropertyListenerObject.h"

#include "propertylist/model/property/CProperty.h"

#include "platform/ole/dispatch/ClassBuilder.h"

namespace attrgrid {

const ole::ClassInfo& CPropertyListenerObject::Info() {
    using C = CPropertyListenerObject;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("CPropertyListener")
            .Library("Attrgrid")
            .ClassId("{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210500}")
            .Interface("_CPropertyListener", "{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210501}",
                       ole::TYPEFLAG_FDUAL)
            .Method("PropertyChanged", IdPropertyChanged, &C::InvokePropertyChanged,
                    ole::Params({ole::Arg("aProperty", "CProperty")}))
            .Build();
    return info;
}

const ole::ClassInfo& CPropertyListenerObject::GetClassInfo() const {
    return Info();
}

} // namespace attrgrid
