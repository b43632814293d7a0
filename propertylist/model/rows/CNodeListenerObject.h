#pragma once

#include "propertylist/model/rows/CNodeListener.h"

#include "platform/ole/object/Object.h"

#include <string>

namespace ole {
class ClassInfo;
}

namespace attrgrid {

// The library's public class CNodeListener (interface _CNodeListener): its body does nothing, so
// hosts see the interface the list implements.
class CNodeListenerObject final : public ole::Object, public CNodeListener {
public:
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override;

    // The automation form of NodePropertyChanged.
    void InvokeNodePropertyChanged(const std::string&, const std::string&) {}
};

} // namespace attrgrid
