#pragma once

#include "propertylist/model/property/CPropertyListener.h"

#include "platform/ole/object/Object.h"

namespace ole {
class ClassInfo;
}

namespace attrgrid {

// The library's public class CPropertyListener (interface _CPropertyListener): its body does
// nothing, so hosts see the interface the list implements.
class CPropertyListenerObject final : public ole::Object, public CPropertyListener {
public:
    static constexpr ole::DISPID IdPropertyChanged = 0x60030000;

    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override;

    void PropertyChanged(CProperty&) override {}
    // The automation form, with the property as an object.
    void InvokePropertyChanged(const ole::Ptr<CProperty>&) {}
};

} // namespace attrgrid
